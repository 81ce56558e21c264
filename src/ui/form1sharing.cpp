// The main window's sharing and attention: the match saved as a picture
// (form1cronica.cpp) or copied as a summary,
// "Pausa en los goles" and the flash of a score that changed.
#include "form1.h"

#include "scoreflash.h"
#include "summary/matchsummary.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

void Form1::setUpSharing()
{
    m_scoreFlash = new ScoreFlash(Label2, Label3, this);
    auto *pause = findChild<QAction *>(QStringLiteral("Pausa_Goles"));
    pause->setCheckable(true);
    pause->setChecked(m_preferences.pauseOnGoals);
    m_match.setPauseOnGoals(m_preferences.pauseOnGoals);
}

void Form1::showSharing(const StateView &view)
{
    for (const char *name : {"Guardar_Imagen", "Copiar_Resumen", "Copiar_Resumen_BBCode"})
        findChild<QAction *>(QLatin1String(name))->setEnabled(view.share);
}

// In a round, the followed match: the one this window shows.
void Form1::Copiar_Resumen_Click()
{
    if (partido().view().share)
        QGuiApplication::clipboard()->setText(plainSummary(MatchSummary::of(partido())));
}

void Form1::Copiar_Resumen_BBCode_Click()
{
    if (partido().view().share)
        QGuiApplication::clipboard()->setText(forumSummary(MatchSummary::of(partido())));
}

void Form1::Pausa_Goles_Click()
{
    Preferences changed = m_preferences;
    changed.pauseOnGoals = !changed.pauseOnGoals;
    // The choice holds for this session even when it cannot be kept.
    m_match.setPauseOnGoals(changed.pauseOnGoals);
    if (m_round)
        m_round->setPauseOnGoals(changed.pauseOnGoals);
    findChild<QAction *>(QStringLiteral("Pausa_Goles"))->setChecked(changed.pauseOnGoals);
    setPreferences(changed);
}
