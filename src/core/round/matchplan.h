#pragma once

#include "playback/matchstate.h"

#include <QList>
#include <QString>

// Where a report's narration has its half-time line and its goals, known
// before the replay reaches them: the report's lines, handed in file order,
// go through the tick's own decisions (the branch, the minute, the goal
// markers), so the plan finds what the replay will find. Lines are counted
// from the report's first, as PlaybackController::linesRead() counts them.
class MatchPlan
{
public:
    struct Goal
    {
        int block = 0;  // the first line of the narration block that holds the goal
        int line = 0;
        qint16 minute = 0;

        friend bool operator==(const Goal &, const Goal &) = default;
    };

    // Far more than any match has: a hostile report of score lines costs no
    // more; its later goals are counted by the replay but not planned.
    static constexpr int MaxGoals = 200;

    void feed(const QString &line);

    // The line of the first half-time line; 0 when the narration has none.
    int halfTimeLine() const { return m_halfTime; }
    const QList<Goal> &goals() const { return m_goals; }
    // The first goal on a line after the given one.
    const Goal *goalAfter(int line) const;

private:
    MatchState m_state;
    int m_lines = 0;
    int m_block = 0;
    int m_halfTime = 0;
    bool m_showing = false;
    bool m_ended = false;
    QList<Goal> m_goals;
};
