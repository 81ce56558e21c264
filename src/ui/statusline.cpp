#include "statusline.h"

#include "form1elements.h"
#include "playback/playbackcontroller.h"

#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

QLabel *part(QStatusBar *bar, const QString &name, bool permanent)
{
    auto *label = new QLabel(bar);
    label->setObjectName(name);
    // Team names come from the report: shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    if (permanent)
        bar->addPermanentWidget(label);
    else
        bar->addWidget(label);
    return label;
}

} // namespace

StatusLine::StatusLine(QMainWindow *window)
    : QObject(window)
    , m_window(window)
    , m_program(window->windowTitle())
{
    auto *bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("Estado"));
    // The window keeps the classic size, which a grip could not change.
    bar->setSizeGripEnabled(false);
    window->setStatusBar(bar);
    m_state = part(bar, QStringLiteral("Estado_Partido"), false);
    m_hint = part(bar, QStringLiteral("Estado_Ayuda"), false);
    m_speed = part(bar, QStringLiteral("Estado_Velocidad"), true);
}

void StatusLine::show(const PlaybackController &match)
{
    const bool open = match.state() != PlaybackState::NoMatch;
    m_state->setText(match.view().statusText());
    m_hint->setText(open ? QString() : QStringLiteral("Abra un informe con Ctrl+A"));
    m_hint->setVisible(!open);
    m_speed->setText(speedCaption(match.speed()));

    // The match as the window names its teams; a report without a teams line
    // opened first is named by its file.
    const TeamsLine &teams = match.teams();
    QString name = QStringLiteral("%1 - %2").arg(teams.home.trimmed(), teams.away.trimmed());
    if (teams.home.trimmed().isEmpty() && teams.away.trimmed().isEmpty())
        name = QFileInfo(match.path()).fileName();
    m_window->setWindowTitle(open ? QStringLiteral("%1 — %2").arg(name, m_program) : m_program);
}
