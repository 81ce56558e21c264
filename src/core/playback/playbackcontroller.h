#pragma once

#include "chronicle/chronicle.h"
#include "chronicle/timeline.h"
#include "listentry.h"
#include "matchstate.h"
#include "playbackstate.h"
#include "report/reportheader.h"
#include "tick.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class TextFileReader;

// The size the narration is shown at, relative to the size the user chose.
enum class NarrationSize {
    Unchanged,
    Opening,  // a fixed 12 points until the first start
    Chosen,
    Enlarged, // the half-time and full-time score lines stand out, 4 points larger
};

// What a command or a tick changed, for a view to show. Anything left empty is
// unchanged.
struct PlaybackChange
{
    PlaybackState state = PlaybackState::NoMatch;
    bool stateChanged = false;
    // The first start since an opening: the printed header is cleared and the
    // match elements are shown.
    bool prepareDisplay = false;
    // The timer's period from now on, in milliseconds.
    std::optional<int> period;
    NarrationSize size = NarrationSize::Unchanged;
    std::optional<QString> narration;
    std::optional<QString> clock;
    // The score of the side that scored changed.
    bool homeScored = false;
    bool awayScored = false;
    // Appended to the four event lists, in order.
    QList<ListEntry> entries;
    // The change shows the match whole, for a view that showed another one
    // before: the view empties its lists and shows this match's teams and
    // crests, then applies the rest as usual. prepareDisplay then says
    // whether the match elements are shown; if not, the match has not been
    // started and its printed header is what the view shows.
    bool whole = false;

    friend bool operator==(const PlaybackChange &, const PlaybackChange &) = default;
};

// Where a skip plays on to.
enum class SkipTarget {
    Goal,     // just after the next line that scores
    HalfTime, // the next half-time line
    FullTime, // the full-time line
};

// One match: its report open for playback, what has been read of it and where
// the replay stands. It never waits: a view's timer calls tick() and shows
// what each call returns, so a match can be replayed, paused and asked about
// without a window, and several can be kept at once.
class PlaybackController
{
public:
    using Printer = std::function<void(const QString &)>;

    PlaybackController();
    ~PlaybackController();
    PlaybackController(const PlaybackController &) = delete;
    PlaybackController &operator=(const PlaybackController &) = delete;

    // Opens a report for playback from any state. The header is handed to
    // print after five empty lines, as far as it was read. On failure the
    // match state is reset all the same and nothing is open for playback.
    // Every line the line-up capture reads, from the first, is handed to
    // seen: the narration, read once more at no extra cost.
    HeaderResult open(const QString &path, const Printer &print = {}, const Printer &seen = {});
    // A command the state does not allow changes nothing.
    PlaybackChange start();
    PlaybackChange pause();
    // Picks a speed; while the clock runs, the period it applies at once.
    // It ends a pause on a goal: the user has seen it.
    std::optional<int> pickSpeed(qint16 option);
    // "Pausa en los goles": after a line that scores a goal or shows a red
    // card, the next tick comes after at least HoldPeriod, at any speed; the
    // tick after it brings the speed's period back. Off after construction.
    static constexpr int HoldPeriod = 3000;
    void setPauseOnGoals(bool on) { m_pauseOnGoals = on; }
    bool pauseOnGoals() const { return m_pauseOnGoals; }
    // Reads and handles the next line of the report.
    PlaybackChange tick();
    // Plays on at once through the same ticks until the target, and answers
    // what they changed together: the match then stands exactly as played
    // there. A match not running is started (or continued) first; a half time
    // on the way to a later target is continued as the user would. Where no
    // target is ahead (no goal left, half time already past) the skip ends at
    // full time or the end of the report.
    PlaybackChange skip(SkipTarget target);

    // What the next tick will do with its line, looked at without handling it.
    struct Lookahead
    {
        // None when no line is left: the next tick ends the match.
        std::optional<TickResult::Branch> branch;
        // The minute a narration line puts on the clock.
        std::optional<qint16> minute;
    };
    Lookahead lookAhead();
    // Lines the ticks have read since the opening, counted as the report's
    // lines from its first.
    int linesRead() const { return m_linesRead; }
    // Everything a view shows of the match, as one change (see whole).
    PlaybackChange wholeView() const;

    PlaybackState state() const { return m_state; }
    // The state's row of commands. Half time reached before the first start
    // (a match opened while another ran on) still offers "Comenzar Partida":
    // the start there prepares the display as a first start does.
    StateView view() const;
    bool clockRunning() const { return m_clockRunning; }
    bool reportOpen() const { return NumFile != nullptr; }
    QString path() const { return m_path; }
    const MatchState &match() const { return Partido; }
    // The narration text on show; empty when no narration block is running.
    QString narration() const { return m_narration; }
    QString clock() const { return m_clock; }
    // The teams as the last teams line cut them: a report without one keeps
    // the names and keys of the report before.
    const TeamsLine &teams() const { return m_teams; }
    // What each event list holds: List1 to List4, index 0 to 3.
    const std::array<QStringList, 4> &lists() const { return m_lists; }
    qint16 speed() const { return Intervalo; }
    // Every block shown since the opening, with its events, and the match
    // along its minutes.
    const Chronicle &chronicle() const { return m_chronicle; }
    Timeline timeline() const { return Timeline(m_chronicle); }
    QString startFlag() const { return Bandera_Inicio; }

private:
    void LEER_ALINEACIONES(const Printer &seen);
    HeaderResult LEER_ENCUENTRO(const Printer &print);
    PlaybackChange unchanged() const;
    PlaybackChange changeTo(PlaybackState state);
    void showNarration(PlaybackChange &change, const TickResult &tick);
    void holdOnEvent(PlaybackChange &change, const TickResult &tick);
    PlaybackChange endMatch();

    std::unique_ptr<TextFileReader> NumFile;
    MatchState Partido;
    QString Linea;
    QString Bandera_Inicio;
    qint16 Intervalo = 1;
    PlaybackState m_state = PlaybackState::NoMatch;
    bool m_clockRunning = false;
    QString m_path;
    QString m_narration;
    QString m_clock = QStringLiteral("0");
    TeamsLine m_teams;
    std::array<QStringList, 4> m_lists;
    Chronicle m_chronicle;
    int m_linesRead = 0;
    // What the view was last told of the period, the narration size and the
    // match elements, for wholeView().
    std::optional<int> m_period;
    // The period from the last tick is a pause on a goal or a red card; the
    // speed's own period is still m_period.
    bool m_holding = false;
    bool m_pauseOnGoals = false;
    NarrationSize m_size = NarrationSize::Opening;
    bool m_displayed = false;
};
