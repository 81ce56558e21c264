#include "recentmenu.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace {

// As wide as a menu entry grows: a long name or match is cut in its middle.
constexpr int MaxCaptionChars = 60;

QString caption(qsizetype number, const RecentReport &entry, const QFontMetrics &metrics)
{
    const QString name = QFileInfo(entry.path).fileName();
    QString text = entry.match.isEmpty() ? name : QStringLiteral("%1 — %2").arg(name, entry.match);
    text = metrics.elidedText(text, Qt::ElideMiddle, MaxCaptionChars * metrics.averageCharWidth());
    // An ampersand in a name is shown, not taken for a mnemonic.
    text.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(text);
}

} // namespace

RecentMenu::RecentMenu(QMenu *menu, const QString &listFile, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_list(listFile)
{
    m_menu->setToolTipsVisible(true);
    fill();
}

RecentMenu::~RecentMenu()
{
    saveNow();
}

void RecentMenu::add(const QString &path, const QString &match)
{
    if (!m_list.put(path, match))
        return;
    fill();
    // Saved once the opening has been shown: a safe save waits for the disk
    // (several milliseconds), which the opening itself need not.
    if (!m_savePending) {
        m_savePending = true;
        QTimer::singleShot(0, this, &RecentMenu::saveNow);
    }
}

void RecentMenu::saveNow()
{
    if (!m_savePending)
        return;
    m_savePending = false;
    m_list.save();
}

void RecentMenu::remove(const QString &path)
{
    m_list.remove(path);
    fill();
}

QString RecentMenu::newest() const
{
    return m_list.entries().isEmpty() ? QString() : m_list.entries().constFirst().path;
}

void RecentMenu::fill()
{
    // Deleted later: fill() may run from an entry's own trigger.
    for (QAction *action : m_menu->actions()) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    const QList<RecentReport> &entries = m_list.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString path = entries.at(i).path;
        QAction *entry = m_menu->addAction(caption(i + 1, entries.at(i), m_menu->fontMetrics()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->addSeparator();
    QAction *clear = m_menu->addAction(QStringLiteral("Vaciar lista"));
    clear->setObjectName(QStringLiteral("Vaciar_Lista"));
    connect(clear, &QAction::triggered, this, [this] {
        m_list.clear();
        fill();
    });
    m_menu->menuAction()->setEnabled(!entries.isEmpty());
}
