#include "roundcontroller.h"

#include <QFileInfo>
#include <QSet>

#include <limits>
#include <tuple>

namespace {

// What the round keeps of a match's printed header and of its goals for the
// results: more than the main window's picture area shows and than any
// match scores; a hostile report costs no more.
constexpr int MaxHeaderLines = 48;
constexpr qsizetype MaxHeaderLineLength = 1024;
constexpr int MaxKeptGoals = 99;

// Two names of one file, through links or "..", are one report.
QString identity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

struct RoundController::Ground
{
    QString failure;
    std::unique_ptr<PlaybackController> match;
    MatchPlan plan;
    QStringList header;
    QString event;
    bool eventIsGoal = false;
    QString goalClock;
    QList<RoundTexts::Goal> goals;
    // The row as last handed out, to tell which rows a step changed.
    RoundRow shown;
    bool touched = false;
};

RoundController::RoundController() = default;
RoundController::~RoundController() = default;

std::optional<QString> RoundController::open(const QStringList &paths)
{
    QStringList chosen;
    QSet<QString> seen;
    for (const QString &path : paths) {
        const QString key = identity(path);
        if (!seen.contains(key)) {
            seen.insert(key);
            chosen << path;
        }
    }
    if (chosen.size() > MaxReports)
        return RoundTexts::tooMany(int(chosen.size()), MaxReports);
    if (chosen.isEmpty())
        return std::nullopt;

    m_grounds.clear();
    m_followed = -1;
    for (const QString &path : chosen) {
        auto ground = std::make_unique<Ground>();
        Ground &g = *ground;
        g.match = std::make_unique<PlaybackController>();
        g.match->setPauseOnGoals(m_pauseOnGoals);
        const HeaderResult header = g.match->open(
            path,
            [&g](const QString &line) {
                if (g.header.size() < MaxHeaderLines)
                    g.header << line.left(MaxHeaderLineLength);
            },
            [&g](const QString &line) { g.plan.feed(line); });
        // A match of a round has no report before it to take its teams from.
        if (header.fault != ReportFault::None) {
            g.failure = RoundTexts::unopened(path);
            g.match.reset();
            g.plan = {};
            g.header.clear();
        } else if (m_followed < 0) {
            m_followed = int(m_grounds.size());
        }
        m_grounds.push_back(std::move(ground));
    }
    for (int i = 0; i < rowCount(); ++i)
        m_grounds[i]->shown = row(i);
    return std::nullopt;
}

RoundRow RoundController::row(int index) const
{
    RoundRow row;
    if (index < 0 || index >= rowCount())
        return row;
    const Ground &g = *m_grounds[index];
    if (!g.match) {
        row.failure = g.failure;
        return row;
    }
    const PlaybackController &m = *g.match;
    row.home = m.teams().home;
    row.away = m.teams().away;
    row.homeKey = m.teams().homeKey;
    row.awayKey = m.teams().awayKey;
    row.homeGoals = m.match().Home;
    row.awayGoals = m.match().Away;
    row.minute = m.clock();
    row.event = g.event;
    row.followed = index == m_followed;
    row.goalNow = g.eventIsGoal && m.clock() == g.goalClock;
    return row;
}

const PlaybackController &RoundController::followed() const
{
    return m_followed < 0 ? m_none : *m_grounds[m_followed]->match;
}

PlaybackController &RoundController::followedMatch()
{
    return m_followed < 0 ? m_none : *m_grounds[m_followed]->match;
}

const PlaybackController *RoundController::match(int index) const
{
    return index < 0 || index >= rowCount() ? nullptr : m_grounds[index]->match.get();
}

QStringList RoundController::header(int index) const
{
    return index < 0 || index >= rowCount() ? QStringList() : m_grounds[index]->header;
}

bool RoundController::finished() const
{
    for (const auto &g : m_grounds) {
        if (g->match && g->match->state() != PlaybackState::Finished)
            return false;
    }
    return true;
}

QString RoundController::resultsText() const
{
    QString text;
    for (const auto &g : m_grounds) {
        if (!g->match)
            continue;
        const PlaybackController &m = *g->match;
        text += RoundTexts::result(m.teams().home, m.teams().away, m.match().Home, m.match().Away, g->goals);
        text += QLatin1Char('\n');
    }
    return text;
}

void RoundController::setPauseOnGoals(bool on)
{
    m_pauseOnGoals = on;
    for (const auto &g : m_grounds) {
        if (g->match)
            g->match->setPauseOnGoals(on);
    }
}

// Commands

RoundChange RoundController::follow(int index)
{
    RoundChange change;
    if (index < 0 || index >= rowCount() || !m_grounds[index]->match || index == m_followed) {
        change.followed.state = followed().state();
        return change;
    }
    switchTo(index);
    change.switched = true;
    change.followed = followed().wholeView();
    collectRows(change);
    return change;
}

// The others run and stop with the followed match, so that the one followed
// next is in the state its own replay would be in.
void RoundController::switchTo(int index)
{
    if (m_followed >= 0)
        m_grounds[m_followed]->touched = true;
    m_followed = index;
    m_grounds[index]->touched = true;
    switch (followed().state()) {
    case PlaybackState::Running:
        runOthers();
        break;
    case PlaybackState::Paused:
    case PlaybackState::HalfTime:
    case PlaybackState::Finished:
        stopOthers();
        break;
    case PlaybackState::NoMatch:
    case PlaybackState::Ready:
        break;
    }
}

RoundChange RoundController::start()
{
    RoundChange change;
    change.followed = followedMatch().start();
    if (m_followed >= 0 && followed().state() == PlaybackState::Running)
        runOthers();
    collectRows(change);
    return change;
}

RoundChange RoundController::pause()
{
    RoundChange change;
    change.followed = followedMatch().pause();
    if (m_followed >= 0 && followed().state() == PlaybackState::Paused)
        stopOthers();
    collectRows(change);
    return change;
}

std::optional<int> RoundController::pickSpeed(qint16 option)
{
    for (int i = 0; i < rowCount(); ++i) {
        if (i != m_followed && m_grounds[i]->match)
            m_grounds[i]->match->pickSpeed(option);
    }
    return followedMatch().pickSpeed(option);
}

void RoundController::runOthers()
{
    const bool waits = waitsForHalfTime();
    for (int i = 0; i < rowCount(); ++i) {
        PlaybackController *m = m_grounds[i]->match.get();
        if (i == m_followed || !m)
            continue;
        const PlaybackState state = m->state();
        if (state == PlaybackState::Ready || state == PlaybackState::Paused
            || (state == PlaybackState::HalfTime && !waits))
            m->start();
    }
}

void RoundController::stopOthers()
{
    for (int i = 0; i < rowCount(); ++i) {
        PlaybackController *m = m_grounds[i]->match.get();
        if (i != m_followed && m && m->state() == PlaybackState::Running)
            m->pause();
    }
}

// Ticks

RoundChange RoundController::tick()
{
    RoundChange change;
    if (m_followed < 0) {
        change.followed = m_none.tick();
        return change;
    }
    if (m_carrusel && followed().state() == PlaybackState::Running) {
        const int due = dueGoalRow();
        if (due >= 0) {
            switchTo(due);
            change.switched = true;
            change.followed = followed().wholeView();
            const TeamsLine &teams = followed().teams();
            change.banner = RoundTexts::goalComing(teams.home, teams.away);
            collectRows(change);
            return change;
        }
    }

    Ground &f = *m_grounds[m_followed];
    change.followed = f.match->tick();
    record(f, change.followed);
    const PlaybackState state = f.match->state();
    if (change.followed.stateChanged && state == PlaybackState::HalfTime) {
        halfTimeForAll();
    } else if (change.followed.stateChanged && state == PlaybackState::Finished) {
        fullTimeForAll();
    } else {
        const qint16 minute = f.match->match().Minuto;
        for (int i = 0; i < rowCount(); ++i) {
            if (i != m_followed && m_grounds[i]->match)
                catchUp(*m_grounds[i], minute);
        }
    }
    collectRows(change);
    return change;
}

void RoundController::tickOther(Ground &ground)
{
    record(ground, ground.match->tick());
}

// The followed match has a half-time line still to come: the others wait at theirs.
bool RoundController::waitsForHalfTime() const
{
    return m_followed >= 0 && halfTimeAhead(*m_grounds[m_followed]);
}

bool RoundController::halfTimeAhead(const Ground &ground) const
{
    return ground.plan.halfTimeLine() > ground.match->linesRead();
}

void RoundController::catchUp(Ground &ground, qint16 minute)
{
    PlaybackController &m = *ground.match;
    while (m.state() == PlaybackState::Running) {
        const PlaybackController::Lookahead next = m.lookAhead();
        if ((next.minute && *next.minute > minute) || (m_carrusel && holdsBeforeGoal(ground)))
            return;
        tickOther(ground);
        if (m.state() == PlaybackState::HalfTime && !waitsForHalfTime())
            m.start();
    }
}

void RoundController::halfTimeForAll()
{
    for (int i = 0; i < rowCount(); ++i) {
        Ground &g = *m_grounds[i];
        if (i == m_followed || !g.match || g.match->state() != PlaybackState::Running)
            continue;
        if (!halfTimeAhead(g)) {
            g.match->pause();
            continue;
        }
        while (g.match->reportOpen() && g.match->state() != PlaybackState::HalfTime)
            tickOther(g);
    }
}

void RoundController::fullTimeForAll()
{
    for (int i = 0; i < rowCount(); ++i) {
        Ground &g = *m_grounds[i];
        if (i == m_followed || !g.match)
            continue;
        while (g.match->reportOpen())
            tickOther(g);
    }
}

// What a tick of a match leaves on its row: the latest event, and the goals
// for the results.
void RoundController::record(Ground &ground, const PlaybackChange &change)
{
    ground.touched = true;
    const PlaybackController &m = *ground.match;
    const qint16 minute = m.match().Minuto;
    if (change.homeScored || change.awayScored) {
        QString scorer;
        for (const ListEntry &entry : change.entries) {
            if (entry.list >= 3)
                scorer = RoundTexts::scorerOf(entry, minute);
        }
        const TeamsLine &teams = m.teams();
        ground.event = RoundTexts::goal(scorer, change.homeScored ? teams.home : teams.away, minute);
        ground.eventIsGoal = true;
        ground.goalClock = m.clock();
        if (ground.goals.size() < MaxKeptGoals)
            ground.goals.append({change.homeScored, minute, scorer});
        return;
    }
    if (!change.entries.isEmpty()) {
        ground.event = RoundTexts::event(change.entries.last(), minute);
        ground.eventIsGoal = false;
    }
}

void RoundController::collectRows(RoundChange &change)
{
    for (int i = 0; i < rowCount(); ++i) {
        Ground &g = *m_grounds[i];
        if (!g.touched)
            continue;
        g.touched = false;
        RoundRow now = row(i);
        if (now != g.shown) {
            g.shown = std::move(now);
            change.rows << i;
        }
    }
}

// Carrusel

const MatchPlan::Goal *RoundController::pendingGoal(const Ground &ground) const
{
    return ground.match && ground.match->reportOpen() ? ground.plan.goalAfter(ground.match->linesRead()) : nullptr;
}

// A match whose next goal's block comes next is kept before it, so that the
// carrusel can follow it there.
bool RoundController::holdsBeforeGoal(const Ground &ground) const
{
    const MatchPlan::Goal *goal = pendingGoal(ground);
    return goal && ground.match->linesRead() + 1 >= goal->block;
}

std::optional<PlannedGoal> RoundController::nextGoal() const
{
    std::optional<PlannedGoal> next;
    auto rank = [this](const PlannedGoal &goal) { return std::tuple(goal.minute, goal.row != m_followed, goal.row); };
    for (int i = 0; i < rowCount(); ++i) {
        if (const MatchPlan::Goal *goal = pendingGoal(*m_grounds[i])) {
            const PlannedGoal planned{i, goal->line, goal->minute};
            if (!next || rank(planned) < rank(*next))
                next = planned;
        }
    }
    return next;
}

// The row of another ground whose next goal comes before anything more of
// the followed match: decided when the followed match's next line starts a
// block or ends a half, never inside a block. -1 for none.
int RoundController::dueGoalRow()
{
    PlaybackController &f = followedMatch();
    const PlaybackController::Lookahead next = f.lookAhead();
    enum class Until { Minute, HalfTime, End } until;
    if (!next.branch || *next.branch == TickResult::Branch::FullTime)
        until = Until::End;
    else if (*next.branch == TickResult::Branch::HalfTime)
        until = Until::HalfTime;
    else if (next.minute)
        until = Until::Minute;
    else
        return -1;

    const qint16 now = std::max(f.match().Minuto, next.minute.value_or(std::numeric_limits<qint16>::min()));
    const MatchPlan::Goal *own = pendingGoal(*m_grounds[m_followed]);
    int due = -1;
    qint16 dueMinute = own ? own->minute : std::numeric_limits<qint16>::max();
    for (int i = 0; i < rowCount(); ++i) {
        const Ground &g = *m_grounds[i];
        const MatchPlan::Goal *goal = pendingGoal(g);
        if (i == m_followed || !goal || g.match->state() != PlaybackState::Running)
            continue;
        bool comes = false;
        switch (until) {
        case Until::Minute:
            comes = goal->minute <= now;
            break;
        case Until::HalfTime:
            comes = halfTimeAhead(g) ? goal->line < g.plan.halfTimeLine() : goal->minute <= f.match().Minuto;
            break;
        case Until::End:
            comes = true;
            break;
        }
        // The followed match's own goal goes first at the same minute, and so
        // does the first row's among the others.
        if (comes && goal->minute < dueMinute) {
            due = i;
            dueMinute = goal->minute;
        }
    }
    return due;
}
