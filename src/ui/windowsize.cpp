#include "windowsize.h"

#include "form1elements.h"
#include "settings/layoutsize.h"

#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>

#include <cmath>

WindowSize::WindowSize(QMainWindow *window, Form1Elements &elements, const QString &file)
    : QObject(window)
    , m_window(window)
    , m_room(window->centralWidget())
    , m_elements(elements)
    , m_file(file)
{
    buildMenu();
    m_window->installEventFilter(this);
    m_room->installEventFilter(this);
    // At its own size the window opens as it always did, at the size it asks for.
    const int percent = readLayoutSize(m_file);
    if (percent != LayoutSizes[0])
        m_window->resize(windowSizeFor(percent));
}

qreal WindowSize::scaleToFit(const QSize &room, const QSize &layout)
{
    if (layout.isEmpty())
        return 1;
    const qreal fits = qMin(qreal(room.width()) / layout.width(), qreal(room.height()) / layout.height());
    // The tolerance keeps a room made for a step (1014 = 676 × 1.5) at that step.
    return qMax(qreal(1), std::floor(fits * StepsPerSize + 1e-9) / StepsPerSize);
}

void WindowSize::buildMenu()
{
    QMenu *sizes = m_elements.Ver->addMenu(QStringLiteral("Tamaño"));
    sizes->setObjectName(QStringLiteral("Tamano"));
    m_sizes = new QActionGroup(this);
    // A window dragged to a size between them checks none.
    m_sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int percent : LayoutSizes) {
        QAction *size = sizes->addAction(QStringLiteral("%1 %").arg(percent));
        size->setObjectName(QStringLiteral("Tamano%1").arg(percent));
        size->setCheckable(true);
        size->setData(percent);
        m_sizes->addAction(size);
        connect(size, &QAction::triggered, this, [this, percent] { choose(percent); });
    }
    m_fullScreen = m_elements.Ver->addAction(QStringLiteral("Pantalla completa"));
    m_fullScreen->setObjectName(QStringLiteral("Pantalla_Completa"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(Qt::Key_F11);
    m_fullScreen->setAutoRepeat(false);
    connect(m_fullScreen, &QAction::triggered, this, &WindowSize::toggleFullScreen);
    fit();
}

void WindowSize::choose(int percent)
{
    // A size that cannot be saved is not worth a message: it lasts for this
    // run, as a recent list that cannot be saved does.
    saveLayoutSize(m_file, percent);
    // A size picked is a window of that size, not one over the whole screen.
    if (m_window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        m_window->setWindowState(m_window->windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    m_window->resize(windowSizeFor(percent));
    fit();
}

void WindowSize::toggleFullScreen()
{
    // Back from full screen the window is maximised again if it was.
    m_window->setWindowState(m_window->windowState() ^ Qt::WindowFullScreen);
}

bool WindowSize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange)
        m_fullScreen->setChecked(m_window->isFullScreen());
    else if (watched == m_room && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void WindowSize::fit()
{
    const qreal scale = scaleToFit(m_room->size(), m_elements.ownSize());
    if (scale != m_elements.scale())
        m_elements.setScale(scale);
    QWidget *stage = m_elements.Stage;
    stage->move(qMax(0, (m_room->width() - stage->width()) / 2), qMax(0, (m_room->height() - stage->height()) / 2));
    for (QAction *size : m_sizes->actions())
        size->setChecked(size->data().toInt() == qRound(scale * 100));
}

QSize WindowSize::windowSizeFor(int percent) const
{
    // What the window has besides the room: its menu and status bars. Before
    // the window is first laid out, its size is not yet the one it will have.
    const QSize around = m_window->isVisible() ? m_window->size() - m_room->size()
                                               : m_window->sizeHint() - m_room->minimumSize();
    return around + ScaledLayout::scaled(m_elements.ownSize(), percent / 100.0);
}
