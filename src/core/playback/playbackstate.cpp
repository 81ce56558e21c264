#include "playbackstate.h"

namespace {

using Timer = StateView::Timer;

// start, pause, statistics, continue tip, timer, skip, status line
constexpr StateView Table[] = {
    /* NoMatch  */ {false, false, false, false, Timer::Stop, false, "Sin partido"},
    /* Ready    */ {true, false, false, false, Timer::Keep, true, "Listo"},
    /* Running  */ {false, true, false, true, Timer::Run, true, "Jugando"},
    /* Paused   */ {true, false, false, true, Timer::Stop, true, "En pausa"},
    /* HalfTime */ {true, false, false, true, Timer::Stop, true, "Descanso"},
    /* Finished */ {false, false, true, false, Timer::Stop, false, "Final"},
};

} // namespace

QString StateView::startToolTip() const
{
    return continueTip ? QStringLiteral("Continuar Partida") : QStringLiteral("Comenzar Partida");
}

const StateView &viewOf(PlaybackState state)
{
    return Table[int(state)];
}
