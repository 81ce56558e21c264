// The main window's "&Partido" menu: start and pause as the toolbar has them,
// and the skips to the next goal, half time and full time.
#include "form1.h"

#include "scoreflash.h"

#include <QTimer>

void Form1::Comenzar_Click()
{
    if (m_round)
        applyRound(m_round->start());
    else
        apply(m_match.start());
}

void Form1::Pausar_Click()
{
    if (m_round)
        applyRound(m_round->pause());
    else
        apply(m_match.pause());
}

void Form1::skip(SkipTarget target)
{
    // The entries are off in a round (showState()).
    if (m_round)
        return;
    apply(m_match.skip(target));
    // The user jumped there: the goals passed on the way do not flash.
    m_scoreFlash->stop();
    // The line it stopped at shows for a full period, as a played one does.
    if (Timer1->isActive())
        Timer1->start();
}

void Form1::Ir_Gol_Click()
{
    skip(SkipTarget::Goal);
}

void Form1::Ir_Descanso_Click()
{
    skip(SkipTarget::HalfTime);
}

void Form1::Ir_Final_Click()
{
    skip(SkipTarget::FullTime);
}
