#pragma once

#include "chronicle.h"

#include <QList>

// The match along a strip of minutes: from 0 to 90, or to the last minute
// when the report runs past 90, with the half-time mark, each team's events
// at their minutes and the minute reached. A view of the chronicle, so it
// advances with it.
class Timeline
{
public:
    static constexpr qint16 RegularLength = 90;
    static constexpr qint16 HalfTime = 45;

    explicit Timeline(const Chronicle &chronicle)
        : m_chronicle(chronicle)
    {
    }

    // Minutes from start to end of the strip.
    qint16 length() const { return qMax(RegularLength, m_chronicle.lastMinute()); }
    // Where a minute lies along the strip, from 0 at its start to 1 at its
    // end; minutes outside it are held at its ends.
    qreal position(qint16 minute) const;
    // The minute reached: that of the newest block; the whole strip once the
    // match has ended.
    qint16 current() const;
    const QList<ChronicleEvent> &events() const { return m_chronicle.events(); }

    // The goals of one side, "Lorenzo Bravo 8'" each; a goal whose scorer was
    // not found is its minute alone.
    QStringList scorers(bool away) const;

private:
    const Chronicle &m_chronicle;
};
