#pragma once

#include "playback/tick.h"

#include <QList>
#include <QString>

struct MatchState;

// A goal, card or substitution as the recognisers found it.
struct ChronicleEvent
{
    using Kind = EventKind;

    Kind kind = Kind::Goal;
    bool away = false;
    qint16 minute = 0;
    // The event list's entry: "Lorenzo Bravo(Gol,8)", "Ana Gil<=>Luis Sol(60)";
    // empty for a goal whose scorer was not found.
    QString text;
    // The score once the goal was counted; kept for every kind.
    qint16 homeGoals = 0;
    qint16 awayGoals = 0;
    // The entry of the chronicle that shows it.
    int entry = 0;

    friend bool operator==(const ChronicleEvent &, const ChronicleEvent &) = default;
};

// One narration block as the window showed it: the minute line with its
// continuation lines joined, or a half-time or full-time line.
struct ChronicleEntry
{
    enum class Kind { Narration, HalfTime, FullTime };

    Kind kind = Kind::Narration;
    qint16 minute = 0;
    QString text;
    // Its events: firstEvent to firstEvent + eventCount - 1 of events().
    int firstEvent = 0;
    int eventCount = 0;

    friend bool operator==(const ChronicleEntry &, const ChronicleEntry &) = default;
};

// What a match has shown so far, block by block, and its events, in the
// order shown. The playback controller appends to it in every tick, so a
// skip, which plays through the same ticks, leaves it as watching would. An
// append is amortised constant time and what one block keeps of its text is
// bounded, so a hostile report costs no more than its lines.
class Chronicle
{
public:
    // What one block keeps of its text: far more than a row of the window shows.
    static constexpr qsizetype MaxTextLength = 4000;

    void clear();
    // A line of the narration branch; blockOpen says the narration was
    // showing before it, so a line starting with a blank continues that block.
    void addNarration(const QString &line, const TickResult &tick, const MatchState &state, bool blockOpen);
    // The half-time or full-time line, shown whole.
    void addScoreLine(TickResult::Branch branch, const QString &line);
    // The match ended, by its full-time line or the report's end.
    void finish() { m_finished = true; }

    const QList<ChronicleEntry> &entries() const { return m_entries; }
    const QList<ChronicleEvent> &events() const { return m_events; }
    bool finished() const { return m_finished; }
    bool halfTimeShown() const { return m_halfTime; }
    // The highest minute of any block so far; 0 before the first.
    qint16 lastMinute() const { return m_lastMinute; }
    // The minute of the newest block.
    qint16 currentMinute() const { return m_entries.isEmpty() ? 0 : m_entries.constLast().minute; }

private:
    void addEvent(ChronicleEntry &entry, ChronicleEvent event);

    QList<ChronicleEntry> m_entries;
    QList<ChronicleEvent> m_events;
    qint16 m_lastMinute = 0;
    bool m_finished = false;
    bool m_halfTime = false;
};

// The names an event's entry gives: the scorer, the player booked or the one
// leaving ("Lorenzo Bravo" of "Lorenzo Bravo(Gol,8)"), and for a
// substitution the one coming on. Empty for a goal whose scorer was not found.
struct EventNames
{
    QString player;
    QString entering;
};
EventNames eventNames(const ChronicleEvent &event);
// The names as one: both of a substitution with " por " between them.
QString eventPlayers(const ChronicleEvent &event);
// What the chronicle lists beside a block: "Gol, Lorenzo Bravo", "Amarilla,
// Ana Gil", "Cambio, Ana Gil por Luis Sol"; a goal without its scorer names
// the team.
QString eventCaption(const ChronicleEvent &event, const QString &team);
