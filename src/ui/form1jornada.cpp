// The main window's round: "Abrir Jornada" and several reports named
// together. The followed match plays in the main window exactly as a single
// match; the "Jornada" window beside it shows every match and picks the one
// to follow.
#include "form1.h"

#include "jornada.h"
#include "matchsounds.h"
#include "recentmenu.h"
#include "kit/commondialog.h"
#include "kit/fitlabel.h"
#include "kit/picturebox.h"
#include "report/crestfile.h"

#include <QLabel>
#include <QListWidget>

QString Form1::reportFilter()
{
    return QStringLiteral("Documentos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*");
}

void Form1::Abrir_Jornada_Click()
{
    openReports(Archivo->askOpenFiles(QStringLiteral("Buscar Jornada"), reportFilter()));
}

// The window back after it was closed, while the round plays on.
void Form1::Ver_Jornada_Click()
{
    if (!m_round)
        return;
    m_jornada->show();
    m_jornada->raise();
    m_jornada->activateWindow();
}

void Form1::openReports(const QStringList &paths)
{
    if (paths.size() == 1)
        openReport(paths.first());
    else if (paths.size() > 1)
        openRound(paths);
}

void Form1::openRound(const QStringList &paths)
{
    const qint16 speed = partido().speed();
    // Refused, a new round leaves the match or round on show as it was.
    auto fresh = m_round ? nullptr : std::make_unique<RoundController>();
    RoundController &round = m_round ? *m_round : *fresh;
    if (const std::optional<QString> refused = round.open(paths)) {
        avisar(QStringLiteral("Abrir Jornada"), *refused, QStringLiteral("Jornada_Error"));
        return;
    }
    if (fresh)
        m_round = std::move(fresh);
    m_round->pickSpeed(speed);
    m_round->setPauseOnGoals(m_preferences.pauseOnGoals);
    if (!m_jornada) {
        m_jornada = new Jornada(m_programDir, this);
        connect(m_jornada, &Jornada::followAsked, this, &Form1::followRow);
    }
    m_jornada->showRound(m_round.get());
    RoundChange opened;
    opened.followed = m_round->followed().wholeView();
    applyRound(opened);
    if (m_round->followedRow() >= 0) {
        const TeamsLine &teams = partido().teams();
        m_recent->add(partido().path(), QStringLiteral("%1 - %2").arg(teams.home.trimmed(), teams.away.trimmed()));
    }
}

// A single match opened after a round plays at the speed the round had.
void Form1::leaveRound()
{
    if (!m_round)
        return;
    m_match.pickSpeed(partido().speed());
    m_jornada->showRound(nullptr);
    m_round.reset();
}

void Form1::followRow(int row)
{
    if (m_round)
        applyRound(m_round->follow(row));
}

void Form1::applyRound(const RoundChange &change)
{
    if (change.followed.whole)
        showWhole(change.followed);
    apply(change.followed);
    m_jornada->showChange(change);
    m_sounds->roundChanged(change);
}

// The followed match as if it had been followed from its opening: its teams
// and crests over emptied lists, and before its first start the header its
// opening printed; apply() then shows the rest. The statistics are its own.
void Form1::showWhole(const PlaybackChange &change)
{
    const PlaybackController &match = partido();
    Archivo->FileName = match.path();
    Cuadro_Principal->cls();
    for (QListWidget *list : lists())
        list->clear();
    const TeamsLine &teams = match.teams();
    Label4->setText(teams.home);
    Label5->setText(teams.away);
    Label10->setText(teams.stadium);
    showCrests(crestFiles(m_programDir, teams.homeKey), crestFiles(m_programDir, teams.awayKey));
    if (change.prepareDisplay)
        return;
    for (QWidget *element : matchElements())
        element->hide();
    for (const QString &line : m_round->header(m_round->followedRow()))
        Cuadro_Principal->print(line);
}
