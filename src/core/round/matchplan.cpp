#include "matchplan.h"

#include "playback/goals.h"
#include "playback/tick.h"

#include <algorithm>

void MatchPlan::feed(const QString &line)
{
    ++m_lines;
    if (m_ended)
        return;
    const bool blockStarts = !m_showing;
    switch (branchOf(line, m_showing)) {
    case TickResult::Branch::Dropped:
        return;
    case TickResult::Branch::HalfTime:
        if (m_halfTime == 0)
            m_halfTime = m_lines;
        // The half-time line stays on show: the next line is narration,
        // whatever it holds.
        m_showing = true;
        m_block = 0;
        return;
    case TickResult::Branch::FullTime:
        m_ended = true;
        return;
    case TickResult::Branch::Narration:
        break;
    }
    if (blockStarts || m_block == 0)
        m_block = m_lines;
    m_showing = line.size() > 8;
    if (const std::optional<qint16> minute = minuteSetBy(line))
        m_state.Minuto = *minute;
    const GoalSide side = goalSideOf(m_state, line);
    countGoal(m_state, side);
    if (side != GoalSide::None && m_goals.size() < MaxGoals)
        m_goals.append({m_block, m_lines, m_state.Minuto});
    if (!m_showing)
        m_block = 0;
}

const MatchPlan::Goal *MatchPlan::goalAfter(int line) const
{
    const auto next = std::upper_bound(m_goals.cbegin(), m_goals.cend(), line,
                                       [](int l, const Goal &goal) { return l < goal.line; });
    return next == m_goals.cend() ? nullptr : &*next;
}
