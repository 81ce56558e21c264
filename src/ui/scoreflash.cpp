#include "scoreflash.h"

#include "playback/playbackcontroller.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QVariantAnimation>

#include <utility>

namespace {

const QColor Gold(0xFF, 0xD2, 0x3C);

} // namespace

ScoreFlash::ScoreFlash(QLabel *home, QLabel *away, QObject *parent)
    : QObject(parent)
{
    QLabel *labels[] = {home, away};
    for (int i = 0; i < 2; ++i) {
        Side &side = m_sides[i];
        side.label = labels[i];
        side.animation = new QVariantAnimation(side.label);
        side.animation->setObjectName(side.label->objectName() + QStringLiteral("_Destello"));
        side.animation->setDuration(Duration);
        side.animation->setEasingCurve(QEasingCurve::InOutSine);
        connect(side.animation, &QVariantAnimation::valueChanged, this,
                [this, &side](const QVariant &value) { paint(side, value.value<QColor>()); });
        connect(side.animation, &QVariantAnimation::finished, this, [this, &side] { end(side); });
        side.label->installEventFilter(this);
    }
}

void ScoreFlash::follow(const PlaybackChange &change)
{
    // Asked at the first start rather than at start-up, where it would cost
    // every launch a process; the answer comes long before a goal.
    if (change.prepareDisplay && !std::exchange(m_asked, true))
        askDesktop();
    if (change.whole) {
        stop();
        return;
    }
    if (change.homeScored)
        start(m_sides[0]);
    if (change.awayScored)
        start(m_sides[1]);
}

void ScoreFlash::stop()
{
    for (Side &side : m_sides)
        end(side);
}

void ScoreFlash::setReducedMotion(bool reduced)
{
    m_reduced = reduced;
    if (reduced)
        stop();
}

void ScoreFlash::askDesktop()
{
    const QByteArray asked = qgetenv("TEZMARO_SIN_ANIMACIONES");
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toUpper();
    // KDE's platform theme turns Qt's UI effects off with the desktop's
    // animations; other themes leave them off whatever the desktop says.
    if ((!asked.isEmpty() && asked != "0") || (desktop.contains("KDE") && !QApplication::isEffectEnabled(Qt::UI_General))) {
        setReducedMotion(true);
        return;
    }
    if (!desktop.contains("GNOME"))
        return;
    // Never waited for: a missing or slow gsettings leaves the flash on.
    auto *gsettings = new QProcess(this);
    connect(gsettings, &QProcess::finished, this, [this, gsettings] {
        if (gsettings->readAllStandardOutput().trimmed() == "false")
            setReducedMotion(true);
        gsettings->deleteLater();
    });
    connect(gsettings, &QProcess::errorOccurred, gsettings, &QObject::deleteLater);
    gsettings->start(QStringLiteral("gsettings"),
                     {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations")},
                     QIODevice::ReadOnly);
}

void ScoreFlash::start(Side &side)
{
    if (m_reduced)
        return;
    end(side);
    side.rest = side.label->palette().color(QPalette::WindowText);
    side.animation->setStartValue(side.rest);
    side.animation->setKeyValueAt(0.35, Gold);
    side.animation->setEndValue(side.rest);
    side.animation->start();
}

void ScoreFlash::end(Side &side)
{
    if (side.animation->state() == QAbstractAnimation::Stopped && !side.rest.isValid())
        return;
    // Stopping sends no further value to paint over the colour put back.
    side.animation->stop();
    if (side.rest.isValid())
        paint(side, std::exchange(side.rest, QColor()));
}

void ScoreFlash::paint(Side &side, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = side.label->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_painting = true;
    side.label->setPalette(palette);
    m_painting = false;
    side.painted = colour;
}

bool ScoreFlash::eventFilter(QObject *watched, QEvent *event)
{
    // A colour changed during a flash ends it at once. The label's own
    // colour set by someone else stays; otherwise its colour from before.
    if (event->type() == QEvent::PaletteChange && !m_painting) {
        for (Side &side : m_sides) {
            if (side.label != watched || !side.rest.isValid())
                continue;
            if (side.label->palette().color(QPalette::WindowText) != side.painted) {
                side.animation->stop();
                side.rest = QColor();
            }
            end(side);
        }
    }
    return QObject::eventFilter(watched, event);
}
