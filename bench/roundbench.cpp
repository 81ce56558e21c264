// A round of 20 matches: opening the 20 reports together against opening
// each alone; one round tick (the followed match's tick and the others
// catching up) against the followed match's tick alone; and the peak memory
// of a whole round against that of one match.
#include "benches.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include "playback/playbackcontroller.h"
#include "round/roundcontroller.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int Matches = 20;

// The process's peak resident memory in kB, from the last reset.
qint64 peakKb()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Linux lets a process set its peak back to what it holds now.
bool resetPeak()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    return file.open(QIODevice::WriteOnly) && file.write("5") == 1;
}

double openAloneMs(const QStringList &paths)
{
    std::vector<std::unique_ptr<PlaybackController>> matches;
    matches.reserve(paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i)
        matches.push_back(std::make_unique<PlaybackController>());
    const qint64 start = Timing::nowNs();
    for (qsizetype i = 0; i < paths.size(); ++i)
        matches[i]->open(paths.at(i));
    return double(Timing::nowNs() - start) / 1e6;
}

double openRoundMs(const QStringList &paths)
{
    RoundController round;
    const qint64 start = Timing::nowNs();
    round.open(paths);
    const double ms = double(Timing::nowNs() - start) / 1e6;
    if (round.followedRow() != 0 || round.rowCount() != paths.size())
        std::printf("    (unexpected round: %d rows, row %d followed)\n", round.rowCount(), round.followedRow());
    return ms;
}

// Plays a round to its end as the window would, continuing at half time;
// the time of each tick goes to ticks.
void playRound(RoundController &round, QList<double> *ticks)
{
    round.start();
    while (!round.finished()) {
        if (!round.followed().clockRunning()) {
            round.start();
            continue;
        }
        const qint64 start = ticks ? Timing::nowNs() : 0;
        round.tick();
        if (ticks)
            *ticks << double(Timing::nowNs() - start);
    }
}

void playAlone(PlaybackController &match, QList<double> *ticks)
{
    match.start();
    while (match.reportOpen()) {
        if (!match.clockRunning()) {
            match.start();
            continue;
        }
        const qint64 start = ticks ? Timing::nowNs() : 0;
        match.tick();
        if (ticks)
            *ticks << double(Timing::nowNs() - start);
    }
}

} // namespace

void runRoundBench(Results &results)
{
    std::printf("\nA round of %d matches\n", Matches);
    QTemporaryDir dir;
    QStringList paths;
    qsizetype bytes = 0;
    for (int i = 0; i < Matches; ++i) {
        // Another seed per match: goals, cards and minutes fall differently.
        ReportGenerator generator(quint32(100 + i));
        const QByteArray report = generator.generate({0, 600, 15});
        bytes += report.size();
        paths << dir.filePath(QStringLiteral("partido-%1.txt").arg(i));
        QFile file(paths.last());
        if (!file.open(QIODevice::WriteOnly) || file.write(report) != report.size()) {
            std::printf("    (cannot write the reports)\n");
            return;
        }
    }
    std::printf("    %d generated reports of %lld bytes on average\n", Matches, qlonglong(bytes / Matches));

    // Opening: warm first, then alternate so neither side always follows the other.
    openAloneMs(paths);
    openRoundMs(paths);
    QList<double> alone;
    QList<double> together;
    for (int run = 0; run < 41; ++run) {
        if (run % 2) {
            alone << openAloneMs(paths);
            together << openRoundMs(paths);
        } else {
            together << openRoundMs(paths);
            alone << openAloneMs(paths);
        }
    }
    const double aloneMs = Timing::median(alone);
    const double togetherMs = Timing::median(together);
    results.add({QStringLiteral("Opening a round of %1 reports, median of 41").arg(Matches),
                 QStringLiteral("%1 ms").arg(Timing::fixed(togetherMs, 3)),
                 QStringLiteral("%1 ms (%2 single openings)").arg(Timing::fixed(aloneMs, 3)).arg(Matches),
                 Timing::fixed(togetherMs / aloneMs, 2), QStringLiteral("ratio ≤ 1.5"), togetherMs / aloneMs <= 1.5});

    // Ticks: a whole round, every tick timed, several times over.
    QList<double> roundTicks;
    QList<double> aloneTicks;
    double wholeRoundMs = 0;
    for (int run = 0; run < 5; ++run) {
        RoundController round;
        round.open(paths);
        const qint64 start = Timing::nowNs();
        playRound(round, &roundTicks);
        wholeRoundMs = double(Timing::nowNs() - start) / 1e6;
        PlaybackController match;
        match.open(paths.first());
        playAlone(match, &aloneTicks);
    }
    const double tickUs = Timing::median(roundTicks) / 1e3;
    const double floorUs = Timing::median(aloneTicks) / 1e3;
    std::printf("    round tick: median %.2f us, 90%% %.2f us, 99%% %.2f us, max %.2f us; %lld ticks, whole round %.2f ms\n",
                tickUs, Timing::quantile(roundTicks, 0.9) / 1e3, Timing::quantile(roundTicks, 0.99) / 1e3,
                Timing::quantile(roundTicks, 1.0) / 1e3, qlonglong(roundTicks.size() / 5), wholeRoundMs);
    results.add({QStringLiteral("One round tick, %1 matches (the followed tick and the others catching up), median")
                     .arg(Matches),
                 QStringLiteral("%1 µs (90%: %2 µs)")
                     .arg(Timing::fixed(tickUs, 2), Timing::fixed(Timing::quantile(roundTicks, 0.9) / 1e3, 2)),
                 QStringLiteral("%1 µs (the followed match's tick alone)").arg(Timing::fixed(floorUs, 2)),
                 Timing::fixed(tickUs / floorUs, 1), QStringLiteral("median ≤ 50 µs"), tickUs <= 50.0});

    // Memory: the peak while one match is replayed, then while the round is.
    if (!resetPeak()) {
        std::printf("    (the peak memory cannot be reset here: not measured)\n");
        return;
    }
    {
        PlaybackController match;
        match.open(paths.first());
        playAlone(match, nullptr);
    }
    const qint64 oneKb = peakKb();
    resetPeak();
    {
        RoundController round;
        round.open(paths);
        playRound(round, nullptr);
    }
    const qint64 roundKb = peakKb();
    const double extraMb = double(roundKb - oneKb) / 1024.0;
    results.add({QStringLiteral("Peak memory replaying a round of %1 matches (VmHWM)").arg(Matches),
                 QStringLiteral("%1 MB").arg(Timing::fixed(double(roundKb) / 1024.0, 1)),
                 QStringLiteral("%1 MB (one match)").arg(Timing::fixed(double(oneKb) / 1024.0, 1)),
                 QStringLiteral("+%1 MB").arg(Timing::fixed(extraMb, 1)), QStringLiteral("≤ +10 MB"), extraMb <= 10.0});
}
