#pragma once

#include <QString>

// Where the replay of one match stands. Opening leads to Ready from any state;
// start or continue runs it; pause, the half-time line and the full-time line
// stop it.
enum class PlaybackState {
    NoMatch,  // nothing opened yet, or the last opening failed
    Ready,    // opened, not started since
    Running,
    Paused,
    HalfTime,
    Finished,
};

// What the window shows of a state: which of the start, pause and statistics
// commands can be given, the start command's tool tip and what becomes of the
// playback timer. Opening and exiting are always possible.
struct StateView
{
    enum class Timer {
        Keep,  // left as it was: a match opened while another runs goes on ticking
        Run,
        Stop,
    };

    bool start = false;
    bool pause = false;
    bool statistics = false;
    // "Continuar Partida" once the match has been started, otherwise "Comenzar Partida".
    bool continueTip = false;
    Timer timer = Timer::Keep;

    QString startToolTip() const;

    friend bool operator==(const StateView &, const StateView &) = default;
};

const StateView &viewOf(PlaybackState state);
