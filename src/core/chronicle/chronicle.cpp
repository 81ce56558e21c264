#include "chronicle.h"

#include "playback/matchstate.h"

namespace {

// A piece of shown text joined to its block, the blanks around it dropped;
// the block's text stops growing at its bound.
void join(QString &text, const QString &piece)
{
    const QString trimmed = piece.trimmed();
    if (trimmed.isEmpty() || text.size() >= Chronicle::MaxTextLength)
        return;
    if (!text.isEmpty())
        text += u' ';
    text += QStringView(trimmed).left(Chronicle::MaxTextLength - text.size());
}

// The name part of an event list's entry: everything before its last "(".
QString namePart(const QString &text)
{
    const qsizetype open = text.lastIndexOf(u'(');
    return open < 0 ? text : text.left(open);
}

} // namespace

void Chronicle::clear()
{
    m_entries.clear();
    m_events.clear();
    m_lastMinute = 0;
    m_finished = false;
    m_halfTime = false;
}

void Chronicle::addNarration(const QString &line, const TickResult &tick, const MatchState &state, bool blockOpen)
{
    const bool continues = blockOpen && !m_entries.isEmpty()
        && m_entries.constLast().kind == ChronicleEntry::Kind::Narration && line.startsWith(u' ');
    const bool marked = tick.scored != GoalSide::None || !tick.entries.isEmpty();
    // A short line ends its block and shows nothing; one that scores is still
    // a goal to list.
    if (!continues && tick.text.trimmed().isEmpty() && !marked)
        return;
    if (!continues) {
        ChronicleEntry entry;
        entry.minute = state.Minuto;
        entry.firstEvent = int(m_events.size());
        m_entries.append(entry);
        m_lastMinute = qMax(m_lastMinute, state.Minuto);
    }
    ChronicleEntry &entry = m_entries.last();
    join(entry.text, tick.text);

    ChronicleEvent event;
    event.minute = entry.minute;
    event.homeGoals = state.Home;
    event.awayGoals = state.Away;
    event.entry = int(m_entries.size()) - 1;
    bool goalListed = false;
    for (const ListEntry &listed : tick.entries) {
        ChronicleEvent e = event;
        e.away = listed.list == 2 || listed.list == 4;
        e.kind = listed.list >= 3 ? ChronicleEvent::Kind::Goal : cardOrSubstitution(listed.text);
        e.text = listed.text;
        goalListed = goalListed || e.kind == ChronicleEvent::Kind::Goal;
        addEvent(entry, e);
    }
    // The score changes whether or not the scorer was found.
    if (tick.scored != GoalSide::None && !goalListed) {
        event.away = tick.scored == GoalSide::Away;
        // Before the other events of the line, as a listed scorer would be.
        m_events.insert(m_events.size() - tick.entries.size(), event);
        ++entry.eventCount;
    }
}

void Chronicle::addEvent(ChronicleEntry &entry, ChronicleEvent event)
{
    m_events.append(event);
    ++entry.eventCount;
}

void Chronicle::addScoreLine(TickResult::Branch branch, const QString &line)
{
    ChronicleEntry entry;
    const bool half = branch == TickResult::Branch::HalfTime;
    entry.kind = half ? ChronicleEntry::Kind::HalfTime : ChronicleEntry::Kind::FullTime;
    // As the clock shows it.
    entry.minute = half ? 45 : 90;
    entry.firstEvent = int(m_events.size());
    join(entry.text, line);
    m_entries.append(entry);
    m_halfTime = m_halfTime || half;
    m_lastMinute = qMax(m_lastMinute, entry.minute);
}

ChronicleEvent::Kind cardOrSubstitution(const QString &text)
{
    const QStringView tail = QStringView(text).mid(text.lastIndexOf(u'(') + 1);
    if (tail.startsWith(u"Amarilla,"))
        return ChronicleEvent::Kind::Yellow;
    if (tail.startsWith(u"Roja,"))
        return ChronicleEvent::Kind::Red;
    return ChronicleEvent::Kind::Substitution;
}

QString eventPlayers(const ChronicleEvent &event)
{
    QString names = namePart(event.text);
    if (event.kind == ChronicleEvent::Kind::Substitution)
        names.replace(QStringLiteral("<=>"), QStringLiteral(" por "));
    return names.trimmed();
}

QString eventCaption(const ChronicleEvent &event, const QString &team)
{
    static const char *const kinds[] = {"Gol", "Amarilla", "Roja", "Cambio"};
    const QString players = eventPlayers(event);
    const QString who = players.isEmpty() ? team.trimmed() : players;
    const QString kind = QString::fromUtf8(kinds[int(event.kind)]);
    return who.isEmpty() ? kind : kind + QStringLiteral(", ") + who;
}
