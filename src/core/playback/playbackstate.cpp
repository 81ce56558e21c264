#include "playbackstate.h"

namespace {

using Timer = StateView::Timer;

// start, pause, statistics, continue tip, timer, skip, status line, share
constexpr StateView Table[] = {
    /* NoMatch  */ {false, false, false, false, Timer::Stop, false, "Sin partido", false},
    /* Ready    */ {true, false, false, false, Timer::Keep, true, "Listo", true},
    /* Running  */ {false, true, false, true, Timer::Run, true, "Jugando", true},
    /* Paused   */ {true, false, false, true, Timer::Stop, true, "En pausa", true},
    /* HalfTime */ {true, false, false, true, Timer::Stop, true, "Descanso", true},
    /* Finished */ {false, false, true, false, Timer::Stop, false, "Final", true},
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
