#pragma once

#include "matchplan.h"
#include "playback/playbackcontroller.h"
#include "roundtexts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// One row of the round's window: a match, or a report that could not be opened.
struct RoundRow
{
    // "No se pudo abrir: nombre.txt" for a report that could not be opened;
    // everything else is then empty.
    QString failure;
    QString home;
    QString away;
    QString homeKey;
    QString awayKey;
    qint16 homeGoals = 0;
    qint16 awayGoals = 0;
    // The match clock, as the main window would show it.
    QString minute;
    // The latest goal, card or substitution: "Gol de Juan Pérez (12')".
    QString event;
    bool followed = false;
    // The latest event is a goal and the clock still shows its minute.
    bool goalNow = false;

    friend bool operator==(const RoundRow &, const RoundRow &) = default;
};

// What a command or a tick of the round changed.
struct RoundChange
{
    // The followed match's change, for the main window to apply as for a
    // single match; after a switch, the newly followed match whole.
    PlaybackChange followed;
    bool switched = false;
    // "¡Atención, gol en …!" when the carrusel switched to the ground of the
    // next goal.
    std::optional<QString> banner;
    // Rows whose RoundRow changed, the followed one's included, in row order.
    QList<int> rows;
};

// A goal of the round not read yet: its row and where its report has it.
struct PlannedGoal
{
    int row = -1;
    int line = 0;
    qint16 minute = 0;

    friend bool operator==(const PlannedGoal &, const PlannedGoal &) = default;
};

// Several matches replayed together: one is followed in the main window
// exactly as a single match, the others advance to the minute it reaches.
//
// After every tick of the followed match, each other running match reads its
// lines, through its own tick, up to but not including its first narration
// line whose minute is greater than the followed match's minute, so it shows
// what its own replay would show at that point and never runs ahead. Half
// time and full time are the followed match's: while it has a half-time line
// still to come, a match that reaches its own waits there; when it stops at
// half time, every other match goes on to its own half-time line (one that
// has none stops where it is); at its full time every other match is read to
// its end. Commands and switching stop and run the others with the followed
// one, so any match can be followed from where it stands, and each one's
// lines are read once, in order, by its own tick: a match ends exactly as its
// replay alone would end.
class RoundController
{
public:
    static constexpr int MaxReports = 40;

    RoundController();
    ~RoundController();
    RoundController(const RoundController &) = delete;
    RoundController &operator=(const RoundController &) = delete;

    // Opens the reports of a round, one row each in the order given; the same
    // file chosen twice is one row. The first report that opens is followed.
    // More than MaxReports files are refused with the message returned, and
    // the round before stays; so does an empty choice.
    std::optional<QString> open(const QStringList &paths);

    int rowCount() const { return int(m_grounds.size()); }
    RoundRow row(int index) const;
    // -1 when no report of the round opened.
    int followedRow() const { return m_followed; }
    // The followed match; a match with nothing open when there is none. It
    // and the matches of the rows live until the next opening of a round.
    const PlaybackController &followed() const;
    // The match of a row; none for a report that could not be opened.
    const PlaybackController *match(int index) const;
    // The lines the opening of a row printed: five empty lines and the header.
    QStringList header(int index) const;
    // Every match has been read to its end.
    bool finished() const;

    // Follows another match from where it stands; a row that is followed
    // already, or has no match, changes nothing.
    RoundChange follow(int index);
    RoundChange start();
    RoundChange pause();
    std::optional<int> pickSpeed(qint16 option);
    RoundChange tick();

    // "Seguir los goles": a few lines before a goal on another ground, the
    // round follows that ground, with a banner. Off after construction.
    void setCarrusel(bool on) { m_carrusel = on; }
    bool carrusel() const { return m_carrusel; }
    // "Pausa en los goles" for every match of the round. Only the followed
    // match's ticks set the timer, so the round waits on its goals and red
    // cards; another ground's goal shows in its row, and the carrusel makes
    // that ground the followed one before its goal, where it then waits.
    void setPauseOnGoals(bool on);
    // The next goal of the round: the lowest minute; at the same minute the
    // followed match's, then the first row's.
    std::optional<PlannedGoal> nextGoal() const;

    // One line per match: "Local 2 - 1 Visitante (Pérez 12', Molina 67'; Ortega 41')".
    QString resultsText() const;

private:
    struct Ground;

    PlaybackController &followedMatch();
    void record(Ground &ground, const PlaybackChange &change);
    void tickOther(Ground &ground);
    bool halfTimeAhead(const Ground &ground) const;
    bool waitsForHalfTime() const;
    const MatchPlan::Goal *pendingGoal(const Ground &ground) const;
    bool holdsBeforeGoal(const Ground &ground) const;
    void catchUp(Ground &ground, qint16 minute);
    void halfTimeForAll();
    void fullTimeForAll();
    void runOthers();
    void stopOthers();
    void switchTo(int index);
    int dueGoalRow();
    void collectRows(RoundChange &change);

    std::vector<std::unique_ptr<Ground>> m_grounds;
    int m_followed = -1;
    bool m_carrusel = false;
    bool m_pauseOnGoals = false;
    PlaybackController m_none;
};
