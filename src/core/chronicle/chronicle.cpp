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
        e.kind = eventKind(listed);
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

EventNames eventNames(const ChronicleEvent &event)
{
    // Everything before the last parenthesis: a name of a hostile report may
    // hold parentheses of its own.
    const qsizetype open = event.text.lastIndexOf(u'(');
    EventNames names{open < 0 ? event.text : event.text.left(open), {}};
    const qsizetype joint = names.player.indexOf(QLatin1String("<=>"));
    if (event.kind == ChronicleEvent::Kind::Substitution && joint >= 0) {
        names.entering = names.player.mid(joint + 3).trimmed();
        names.player.truncate(joint);
    }
    names.player = names.player.trimmed();
    return names;
}

QString eventPlayers(const ChronicleEvent &event)
{
    const EventNames names = eventNames(event);
    return names.entering.isEmpty() ? names.player : names.player + QStringLiteral(" por ") + names.entering;
}

QString eventCaption(const ChronicleEvent &event, const QString &team)
{
    static const char *const kinds[] = {"Gol", "Amarilla", "Roja", "Cambio"};
    const QString players = eventPlayers(event);
    const QString who = players.isEmpty() ? team.trimmed() : players;
    const QString kind = QString::fromUtf8(kinds[int(event.kind)]);
    return who.isEmpty() ? kind : kind + QStringLiteral(", ") + who;
}
