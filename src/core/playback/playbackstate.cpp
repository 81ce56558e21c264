#include "playbackstate.h"

namespace {

using Timer = StateView::Timer;

// start, pause, statistics, continue tip, timer
constexpr StateView Table[] = {
    /* NoMatch  */ {false, false, false, false, Timer::Stop},
    /* Ready    */ {true, false, false, false, Timer::Keep},
    /* Running  */ {false, true, false, true, Timer::Run},
    /* Paused   */ {true, false, false, true, Timer::Stop},
    /* HalfTime */ {true, false, false, true, Timer::Stop},
    /* Finished */ {false, false, true, false, Timer::Stop},
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
