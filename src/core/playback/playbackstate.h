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

// What the window shows of a state: which of the start, pause, skip,
// statistics and sharing commands can be given, the start command's tool
// tip, what becomes of the playback timer and the state's word in the status
// line. Opening and exiting are always possible.
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
    // Playing on at once to the next goal, half time or full time: possible
    // while a report is open for playback.
    bool skip = false;
    const char *status = "";
    // The match as it stands can be shared: saved as a picture, copied as a summary.
    bool share = false;

    QString startToolTip() const;
    QString statusText() const { return QString::fromUtf8(status); }

    friend bool operator==(const StateView &, const StateView &) = default;
};

const StateView &viewOf(PlaybackState state);
