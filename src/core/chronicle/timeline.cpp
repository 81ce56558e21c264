#include "timeline.h"

qreal Timeline::position(qint16 minute) const
{
    return qBound(qreal(0), qreal(minute) / length(), qreal(1));
}

qint16 Timeline::current() const
{
    return m_chronicle.finished() ? length() : qMax(qint16(0), m_chronicle.currentMinute());
}

QStringList Timeline::scorers(bool away) const
{
    QStringList goals;
    for (const ChronicleEvent &event : events()) {
        if (event.kind != ChronicleEvent::Kind::Goal || event.away != away)
            continue;
        const QString name = eventPlayers(event);
        const QString minute = QStringLiteral("%1'").arg(event.minute);
        goals << (name.isEmpty() ? minute : name + u' ' + minute);
    }
    return goals;
}
