// One narration tick: the recent-lines buffer and the four recognisers, as the
// tick runs them (PROCESAR_LINEA), against a closing section that fills all 51
// line-up rows; and a whole typical match replayed through them.
#include "benches.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include "playback/matchstate.h"
#include "playback/recentlines.h"
#include "playback/tick.h"
#include "report/lineupcapture.h"
#include "textfile/textfilereader.h"

#include <cstdio>

namespace {

struct Replay
{
    QList<double> tickNs;  // each narration tick
    double wholeNs = 0;    // every line from the first to full time
    int goals = 0;
    int cards = 0;
    int substitutions = 0;
};

// Replays the lines as the tick does, the narration label's state included.
Replay replay(MatchState lineups, const QStringList &lines, bool timeEachTick)
{
    Replay result;
    MatchState state = lineups;
    state.resetForOpening();
    bool showing = false;
    const qint64 start = Timing::nowNs();
    for (const QString &line : lines) {
        const qint64 tickStart = timeEachTick ? Timing::nowNs() : 0;
        const TickResult tick = PROCESAR_LINEA(state, line, showing, 3);
        if (timeEachTick && tick.branch == TickResult::Branch::Narration)
            result.tickNs << double(Timing::nowNs() - tickStart);
        for (const ListEntry &entry : tick.entries) {
            if (entry.text.contains(u"(Gol,"))
                ++result.goals;
            else if (entry.text.contains(u"<=>"))
                ++result.substitutions;
            else
                ++result.cards;
        }
        if (tick.branch == TickResult::Branch::FullTime)
            break;
        showing = tick.branch == TickResult::Branch::HalfTime || !tick.text.isEmpty();
    }
    result.wholeNs = double(Timing::nowNs() - start);
    return result;
}

// The least a tick can do with a narration line: keep it in the buffer.
Replay bufferOnly(const QStringList &lines, const QList<bool> &narration)
{
    Replay result;
    MatchState state;
    const qint64 start = Timing::nowNs();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!narration.at(i))
            continue;
        const qint64 tickStart = Timing::nowNs();
        GUARDAR_LINEA(state, lines.at(i));
        result.tickNs << double(Timing::nowNs() - tickStart);
    }
    result.wholeNs = double(Timing::nowNs() - start);
    return result;
}

} // namespace

void runTickBench(Results &results)
{
    std::printf("\nNarration tick\n");
    ReportGenerator generator;
    const QByteArray bytes = generator.generate({0, 600, 15});
    const ReportGenerator::Events &events = generator.events();

    MatchState lineups;
    TextFileReader reader;
    reader.openBytes(bytes);
    captureLineups(reader, lineups);
    std::printf("    line-up rows: Inicio %d, Fin %d (rows 0 to %d filled)\n", lineups.Inicio, lineups.Fin, lineups.Fin + 1);

    QStringList lines;
    reader.openBytes(bytes);
    QString line;
    while (reader.readLine(line))
        lines << line;

    // Which lines reach the narration branch, for the buffer-only floor.
    QList<bool> narration;
    {
        MatchState state = lineups;
        bool showing = false;
        for (const QString &l : lines) {
            const TickResult tick = PROCESAR_LINEA(state, l, showing, 3);
            narration << (tick.branch == TickResult::Branch::Narration);
            showing = tick.branch == TickResult::Branch::HalfTime || !tick.text.isEmpty();
        }
    }

    // Warm up, then time every tick of several replays.
    replay(lineups, lines, false);
    QList<double> ticks;
    QList<double> floorTicks;
    QList<double> whole;
    QList<double> floorWhole;
    Replay last;
    for (int run = 0; run < 31; ++run) {
        last = replay(lineups, lines, true);
        ticks << last.tickNs;
        const Replay floor = bufferOnly(lines, narration);
        floorTicks << floor.tickNs;
        // The whole match untimed tick by tick, so the clock reads add nothing.
        whole << replay(lineups, lines, false).wholeNs;
        floorWhole << floor.wholeNs;
    }
    std::printf("    %d narration ticks per match; goals %d of %d, cards %d of %d, substitutions %d of %d recognised\n",
                int(last.tickNs.size()), last.goals, events.homeGoals + events.awayGoals, last.cards,
                events.yellowCards + events.redCards, last.substitutions, events.substitutions);
    const double tickMedianUs = Timing::median(ticks) / 1e3;
    const double floorMedianUs = Timing::median(floorTicks) / 1e3;
    std::printf("    tick: median %.2f us, 90%% %.2f us, 99%% %.2f us, max %.2f us\n", tickMedianUs,
                Timing::quantile(ticks, 0.9) / 1e3, Timing::quantile(ticks, 0.99) / 1e3,
                Timing::quantile(ticks, 1.0) / 1e3);
    results.add({QStringLiteral("One narration tick (PROCESAR_LINEA), 51-row line-up, median"),
                 QStringLiteral("%1 µs (99%: %2 µs)").arg(Timing::fixed(tickMedianUs, 2),
                                                          Timing::fixed(Timing::quantile(ticks, 0.99) / 1e3, 2)),
                 QStringLiteral("%1 µs (GUARDAR_LINEA alone)").arg(Timing::fixed(floorMedianUs, 2)),
                 Timing::fixed(tickMedianUs / floorMedianUs, 1), QStringLiteral("median ≤ 20 µs"),
                 tickMedianUs <= 20.0});

    const double wholeMs = Timing::median(whole) / 1e6;
    const double floorWholeMs = Timing::median(floorWhole) / 1e6;
    results.add({QStringLiteral("Whole typical match through the recognisers (%1 lines, %2 ticks)")
                     .arg(lines.size())
                     .arg(last.tickNs.size()),
                 QStringLiteral("%1 ms").arg(Timing::fixed(wholeMs, 3)),
                 QStringLiteral("%1 ms (GUARDAR_LINEA alone)").arg(Timing::fixed(floorWholeMs, 3)),
                 Timing::fixed(wholeMs / floorWholeMs, 1), QStringLiteral("< 10 ms"), wholeMs < 10.0});
}
