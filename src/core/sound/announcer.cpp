#include "announcer.h"

#include "playback/playbackcontroller.h"
#include "round/roundtexts.h"

#include <QRegularExpression>

namespace {

// As much of a team's name as anything here says: a teams line may be as long
// as a line can be.
constexpr qsizetype MaxNameLength = 80;

QString name(const QString &team)
{
    return team.trimmed().left(MaxNameLength);
}

bool isRedCard(const ListEntry &entry)
{
    return eventKind(entry) == EventKind::Red;
}

} // namespace

namespace AnnouncerTexts {

QString score(const TeamsLine &teams, int home, int away)
{
    // Joined, not filled in with arg(): a name may hold "%1".
    return name(teams.home) + QLatin1Char(' ') + QString::number(home) + QStringLiteral(" - ")
        + QString::number(away) + QLatin1Char(' ') + name(teams.away);
}

QString speakable(const QString &line)
{
    // The simulator writes a score as "Arenales 1 -- 0 Peñascal": a voice
    // would spell the hyphens out.
    static const QRegularExpression hyphens(QStringLiteral("\\s+-{2,}\\s+"));
    return line.trimmed().replace(hyphens, QStringLiteral(", "));
}

QString classified(const QString &home, const QString &away, int homeGoals, int awayGoals)
{
    return name(home) + QLatin1Char(' ') + QString::number(homeGoals) + QStringLiteral(", ") + name(away)
        + QLatin1Char(' ') + QString::number(awayGoals) + QLatin1Char('.');
}

} // namespace AnnouncerTexts

int Announcer::mySide(const TeamsLine &teams) const
{
    const QString mine = m_preferences.myTeam;
    if (mine.isEmpty())
        return -1;
    if (teams.homeKey.trimmed() == mine)
        return 0;
    return teams.awayKey.trimmed() == mine ? 1 : -1;
}

void Announcer::notice(Announcement &out, bool hidden, const TeamsLine &teams, const QString &summary, qint16 home,
                       qint16 away) const
{
    // A user looking at the window sees it all there.
    if (hidden && mySide(teams) >= 0)
        out.notices.append({summary, AnnouncerTexts::score(teams, home, away)});
}

Announcement Announcer::matchChanged(const PlaybackChange &change, const PlaybackController &match, bool hidden)
{
    Announcement out;
    const PlaybackState state = change.state;
    // A match shown whole (opened in a round, or followed from where it
    // stands) was not heard being played: nothing is announced of it.
    if (change.whole) {
        m_inPlay = !match.narration().isEmpty() && (state == PlaybackState::Running || state == PlaybackState::Paused);
        return out;
    }
    // The first start of a match newly opened.
    if (change.prepareDisplay)
        m_inPlay = false;

    const TeamsLine &teams = match.teams();
    const MatchState &now = match.match();
    const int mine = mySide(teams);
    const bool halfTime = change.stateChanged && state == PlaybackState::HalfTime;
    const bool fullTime = change.stateChanged && state == PlaybackState::Finished;
    const bool kickOff = change.narration && state == PlaybackState::Running && !m_inPlay;
    const ListEntry *red = nullptr;
    for (const ListEntry &entry : change.entries) {
        if (isRedCard(entry))
            red = &entry;
    }

    std::optional<Cue> cue;
    if (change.homeScored || change.awayScored) {
        const int side = change.homeScored ? 0 : 1;
        cue = mine >= 0 && mine != side ? Cue::GoalAgainst : Cue::Goal;
        QString scorer;
        for (const ListEntry &entry : change.entries) {
            if (entry.list == 3 + side)
                scorer = RoundTexts::scorerOf(entry, now.Minuto);
        }
        notice(out, hidden, teams, RoundTexts::goal(scorer, side == 0 ? teams.home : teams.away, now.Minuto),
               now.Home, now.Away);
    }
    if (red) {
        cue = cue.value_or(Cue::RedCard);
        notice(out, hidden, teams, RoundTexts::event(*red, now.Minuto), now.Home, now.Away);
    }
    if (kickOff)
        cue = cue.value_or(Cue::KickOff);
    // The whistle ends the half whatever happened on its way there.
    if (halfTime)
        cue = Cue::HalfTime;
    if (fullTime) {
        cue = Cue::FullTime;
        notice(out, hidden, teams, QStringLiteral("Resultado final"), now.Home, now.Away);
    }

    if (change.narration && state == PlaybackState::Running)
        m_inPlay = true;
    if (halfTime || fullTime)
        m_inPlay = false;
    if (cue && m_preferences.sound)
        out.cues.append(*cue);
    if (change.narration && m_preferences.readAloud)
        out.say = AnnouncerTexts::speakable(*change.narration);
    return out;
}

Announcer::Ground Announcer::groundOf(const RoundController &round, int row)
{
    Ground ground;
    if (const PlaybackController *match = round.match(row)) {
        ground.home = match->match().Home;
        ground.away = match->match().Away;
        ground.cards[0] = match->lists()[0].size();
        ground.cards[1] = match->lists()[1].size();
        ground.finished = match->state() == PlaybackState::Finished;
    }
    return ground;
}

void Announcer::remember(const RoundController &round)
{
    m_grounds.clear();
    for (int row = 0; row < round.rowCount(); ++row)
        m_grounds.push_back(groundOf(round, row));
}

Announcement Announcer::roundChanged(const RoundChange &change, const RoundController &round, bool hidden)
{
    Announcement out;
    // A round newly opened: nothing of it has been heard yet.
    if (int(m_grounds.size()) != round.rowCount() || (change.followed.whole && !change.switched)) {
        remember(round);
        return out;
    }
    bool goalElsewhere = false;
    for (int row = 0; row < round.rowCount(); ++row) {
        const Ground was = m_grounds[size_t(row)];
        const Ground now = groundOf(round, row);
        m_grounds[size_t(row)] = now;
        const PlaybackController *match = round.match(row);
        // The followed match is heard through its own change.
        if (!match || row == round.followedRow())
            continue;
        const TeamsLine &teams = match->teams();
        const qint16 minute = match->match().Minuto;
        const int mine = mySide(teams);
        const qint16 goals[2] = {qint16(now.home - was.home), qint16(now.away - was.away)};
        for (int side = 0; side < 2; ++side) {
            if (goals[side] <= 0)
                continue;
            if (mine < 0)
                goalElsewhere = true;
            else if (m_preferences.sound)
                out.cues.append(mine == side ? Cue::Goal : Cue::GoalAgainst);
            const QStringList &list = match->lists()[size_t(2 + side)];
            const QString scorer = list.isEmpty() ? QString() : RoundTexts::scorerOf({3 + side, list.last()}, minute);
            notice(out, hidden, teams, RoundTexts::goal(scorer, side == 0 ? teams.home : teams.away, minute), now.home,
                   now.away);
        }
        for (int side = 0; side < 2; ++side) {
            const QStringList &list = match->lists()[size_t(side)];
            for (qsizetype i = was.cards[side]; i < now.cards[side] && i < list.size(); ++i) {
                const ListEntry entry{1 + side, list.at(i)};
                if (isRedCard(entry))
                    notice(out, hidden, teams, RoundTexts::event(entry, minute), now.home, now.away);
            }
        }
        if (now.finished && !was.finished)
            notice(out, hidden, teams, QStringLiteral("Resultado final"), now.home, now.away);
    }
    if (goalElsewhere && m_preferences.sound)
        out.cues.append(Cue::GoalElsewhere);

    if (!m_preferences.readAloud)
        return out;
    if (change.banner)
        out.say = *change.banner;
    if (change.followed.stateChanged && change.followed.state == PlaybackState::Finished && round.finished()) {
        out.then << QStringLiteral("Resultados de la jornada.");
        for (int row = 0; row < round.rowCount(); ++row) {
            if (const PlaybackController *match = round.match(row))
                out.then << AnnouncerTexts::classified(match->teams().home, match->teams().away, match->match().Home,
                                                       match->match().Away);
        }
    }
    return out;
}
