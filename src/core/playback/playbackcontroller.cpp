#include "playbackcontroller.h"

#include "recentlines.h"
#include "report/lineupcapture.h"
#include "textfile/textfilereader.h"

#include <algorithm>
#include <utility>

namespace {

// The items a teams line cut before it stopped replace those of the report
// before; the rest stay.
void takeCuts(TeamsLine &teams, const TeamsLine &cut)
{
    QString TeamsLine::*const items[] = {&TeamsLine::home, &TeamsLine::away, &TeamsLine::stadium,
                                         &TeamsLine::homeKey, &TeamsLine::awayKey};
    for (int i = 0; i < cut.cuts && i < TeamsLine::AllCuts; ++i)
        teams.*items[i] = cut.*items[i];
    teams.cuts = TeamsLine::AllCuts;
}

// A later change on top of what the ones before it changed.
void accumulate(PlaybackChange &total, const PlaybackChange &step)
{
    total.state = step.state;
    total.stateChanged = total.stateChanged || step.stateChanged;
    total.prepareDisplay = total.prepareDisplay || step.prepareDisplay;
    if (step.period)
        total.period = step.period;
    if (step.size != NarrationSize::Unchanged)
        total.size = step.size;
    if (step.narration)
        total.narration = step.narration;
    if (step.clock)
        total.clock = step.clock;
    total.homeScored = total.homeScored || step.homeScored;
    total.awayScored = total.awayScored || step.awayScored;
    total.entries += step.entries;
}

} // namespace

PlaybackController::PlaybackController() = default;
PlaybackController::~PlaybackController() = default;

HeaderResult PlaybackController::open(const QString &path, const Printer &print, const Printer &seen)
{
    // The report that was playing is given up as soon as another is chosen.
    NumFile.reset();
    m_path = path;
    Partido.resetForOpening();
    m_narration.clear();
    m_clock = QStringLiteral("0");
    for (QStringList &list : m_lists)
        list.clear();
    m_chronicle.clear();
    m_linesRead = 0;
    m_period.reset();
    m_holding = false;
    m_size = NarrationSize::Opening;
    m_displayed = false;
    LEER_ALINEACIONES(seen);
    Partido.rebuildMarkers();
    HeaderResult header = LEER_ENCUENTRO(print ? print : [](const QString &) {});

    auto playback = std::make_unique<TextFileReader>();
    if (header.ok() && !playback->open(path))
        header.fault = playback->fault();
    if (!header.ok()) {
        // Nothing half-opened can be played; a clock left running stops.
        changeTo(PlaybackState::NoMatch);
        return header;
    }
    NumFile = std::move(playback);
    Bandera_Inicio = QStringLiteral("0");
    changeTo(PlaybackState::Ready);
    return header;
}

void PlaybackController::LEER_ALINEACIONES(const Printer &seen)
{
    TextFileReader report;
    report.open(m_path);
    captureLineups(report, Partido, seen);
}

HeaderResult PlaybackController::LEER_ENCUENTRO(const Printer &print)
{
    for (int i = 0; i < 5; ++i)
        print(QString());
    TextFileReader report;
    report.open(m_path);
    const HeaderResult header = readHeader(report, print);
    if (header.teamsLineFound())
        takeCuts(m_teams, header.teams);
    return header;
}

StateView PlaybackController::view() const
{
    StateView view = viewOf(m_state);
    view.continueTip = view.continueTip && Bandera_Inicio == u"1";
    return view;
}

PlaybackChange PlaybackController::start()
{
    if (!viewOf(m_state).start)
        return unchanged();
    PlaybackChange change = changeTo(PlaybackState::Running);
    if (Bandera_Inicio == u"0") {
        Bandera_Inicio = QStringLiteral("1");
        change.prepareDisplay = true;
        m_displayed = true;
    }
    // The lines before the narration pass at once; the first narration line
    // sets the pace of the chosen speed.
    change.period = m_period = 1;
    m_holding = false;
    change.size = m_size = NarrationSize::Chosen;
    return change;
}

PlaybackChange PlaybackController::pause()
{
    if (!viewOf(m_state).pause)
        return unchanged();
    return changeTo(PlaybackState::Paused);
}

std::optional<int> PlaybackController::pickSpeed(qint16 option)
{
    Intervalo = option;
    m_holding = false;
    if (!m_clockRunning)
        return std::nullopt;
    const std::optional<int> period = optionPeriod(option);
    if (period)
        m_period = period;
    return period;
}

PlaybackChange PlaybackController::tick()
{
    if (!NumFile)
        return changeTo(m_state); // with nothing open, only NoMatch or Finished: the clock stops
    if (!NumFile->readLine(Linea)) {
        // The report ended without a full-time line: the match ends there.
        return endMatch();
    }
    ++m_linesRead;
    const TickResult tick = PROCESAR_LINEA(Partido, Linea, !m_narration.isEmpty(), Intervalo);
    switch (tick.branch) {
    case TickResult::Branch::Dropped: {
        PlaybackChange change = unchanged();
        holdOnEvent(change, tick);
        return change;
    }
    case TickResult::Branch::Narration: {
        m_chronicle.addNarration(Linea, tick, Partido, !m_narration.isEmpty());
        PlaybackChange change = unchanged();
        showNarration(change, tick);
        holdOnEvent(change, tick);
        return change;
    }
    case TickResult::Branch::HalfTime:
    case TickResult::Branch::FullTime:
        m_chronicle.addScoreLine(tick.branch, tick.text);
        break;
    }
    PlaybackChange change = tick.branch == TickResult::Branch::HalfTime ? changeTo(PlaybackState::HalfTime)
                                                                         : endMatch();
    // The score line stands out until the next start.
    change.size = m_size = NarrationSize::Enlarged;
    m_narration = tick.text;
    change.narration = m_narration;
    m_clock = tick.branch == TickResult::Branch::HalfTime ? QStringLiteral("45") : QStringLiteral("90");
    change.clock = m_clock;
    return change;
}

PlaybackController::Lookahead PlaybackController::lookAhead()
{
    Lookahead next;
    QString line;
    if (!NumFile || !NumFile->peekLine(line))
        return next;
    next.branch = branchOf(line, !m_narration.isEmpty());
    if (next.branch == TickResult::Branch::Narration)
        next.minute = minuteSetBy(line);
    return next;
}

PlaybackChange PlaybackController::wholeView() const
{
    PlaybackChange change;
    change.whole = true;
    change.state = m_state;
    change.stateChanged = true;
    change.prepareDisplay = m_displayed;
    change.period = m_period;
    change.size = m_size;
    change.narration = m_narration;
    change.clock = m_clock;
    change.homeScored = true;
    change.awayScored = true;
    for (int list = 0; list < int(m_lists.size()); ++list) {
        for (const QString &text : m_lists[list])
            change.entries.append({list + 1, text});
    }
    return change;
}

PlaybackChange PlaybackController::skip(SkipTarget target)
{
    PlaybackChange total = unchanged();
    bool reached = false;
    // Every tick reads a line or ends the match, so the report's end ends this.
    while (!reached && viewOf(m_state).skip) {
        const PlaybackChange step = m_state == PlaybackState::Running ? tick() : start();
        accumulate(total, step);
        reached = target == SkipTarget::Goal ? step.homeScored || step.awayScored
                                             : target == SkipTarget::HalfTime && m_state == PlaybackState::HalfTime;
    }
    // A skip does not wait: the line it stopped at shows for the speed's
    // period, even when it scored.
    if (std::exchange(m_holding, false))
        total.period = m_period;
    return total;
}

void PlaybackController::showNarration(PlaybackChange &change, const TickResult &tick)
{
    if (tick.period)
        m_period = tick.period;
    change.period = tick.period;
    m_narration = tick.text;
    change.narration = m_narration;
    if (tick.minuteRead) {
        m_clock = QString::number(Partido.Minuto);
        change.clock = m_clock;
    }
    for (const ListEntry &entry : tick.entries)
        m_lists[entry.list - 1].append(entry.text);
    change.entries = tick.entries;
    change.homeScored = tick.scored == GoalSide::Home;
    change.awayScored = tick.scored == GoalSide::Away;
}

void PlaybackController::holdOnEvent(PlaybackChange &change, const TickResult &tick)
{
    if (m_pauseOnGoals && (tick.scored != GoalSide::None || tick.sentOff)) {
        m_holding = true;
        change.period = std::max(m_period.value_or(0), HoldPeriod);
    } else if (std::exchange(m_holding, false)) {
        change.period = m_period;
    }
}

PlaybackChange PlaybackController::endMatch()
{
    Bandera_Inicio = QStringLiteral("0");
    NumFile.reset();
    m_chronicle.finish();
    return changeTo(PlaybackState::Finished);
}

PlaybackChange PlaybackController::unchanged() const
{
    PlaybackChange change;
    change.state = m_state;
    return change;
}

PlaybackChange PlaybackController::changeTo(PlaybackState state)
{
    PlaybackChange change;
    change.stateChanged = state != m_state;
    change.state = m_state = state;
    switch (viewOf(state).timer) {
    case StateView::Timer::Run:
        m_clockRunning = true;
        break;
    case StateView::Timer::Stop:
        m_clockRunning = false;
        break;
    case StateView::Timer::Keep:
        break;
    }
    return change;
}
