// The chronicle window open through a 100,000-line report at speed 5: the
// real main window's tick, with the events the window then handles (the
// chronicle's new rows, its timeline's repaint), timed tick by tick. The
// first tenth of the replay against its last tenth shows whether a tick
// grows with what the chronicle already holds; the same replay with the
// window closed is the floor.
#include "benches.h"
#include "formdriver.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include "cronica.h"
#include "form1.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Replay
{
    QList<double> ticksNs; // each tick with the events it leaves, in order
    qsizetype rows = 0;
    double wholeS = 0;
};

Replay replay(const QString &path, bool chronicle)
{
    QTemporaryDir programDir;
    Form1 window(programDir.path());
    window.show();
    FormDriver::open(window, path);
    window.Option5_Click();
    if (chronicle)
        window.Cronica_Click();
    Replay result;
    const qint64 start = Timing::nowNs();
    FormDriver::click(window, 2);
    while (window.partido().state() != PlaybackState::Finished) {
        if (window.partido().state() != PlaybackState::Running) {
            FormDriver::click(window, 2);
            continue;
        }
        const qint64 tickStart = Timing::nowNs();
        window.Timer1_Timer();
        QApplication::processEvents();
        result.ticksNs << double(Timing::nowNs() - tickStart);
    }
    result.wholeS = double(Timing::nowNs() - start) / 1e9;
    if (chronicle)
        result.rows = window.findChild<QPlainTextEdit *>(QStringLiteral("Texto_Cronica"))->blockCount();
    return result;
}

double tenthMedian(const QList<double> &ticks, int tenth)
{
    const qsizetype size = ticks.size() / 10;
    return Timing::median(ticks.mid(tenth * size, size)) / 1e3;
}

} // namespace

void runChronicleBench(Results &results)
{
    std::printf("\nChronicle window through a 100,000-line report at speed 5\n");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cien-mil.txt"));
    ReportGenerator generator;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(generator.generate({0, 100000, 15})) <= 0)
        return;
    file.close();

    const Replay floor = replay(path, false);
    const Replay open = replay(path, true);
    const double first = tenthMedian(open.ticksNs, 0);
    const double last = tenthMedian(open.ticksNs, 9);
    const double floorFirst = tenthMedian(floor.ticksNs, 0);
    const double floorLast = tenthMedian(floor.ticksNs, 9);
    std::printf("    %lld ticks, %lld rows; window open: first tenth %.1f us, last tenth %.1f us, 99%% %.1f us, whole %.2f s\n",
                qint64(open.ticksNs.size()), qint64(open.rows), first, last,
                Timing::quantile(open.ticksNs, 0.99) / 1e3, open.wholeS);
    std::printf("    window closed: first tenth %.1f us, last tenth %.1f us, whole %.2f s\n", floorFirst, floorLast,
                floor.wholeS);
    results.add({QStringLiteral("Tick with the chronicle open, 100,000-line report, speed 5: median of the last tenth "
                                "against the first"),
                 QStringLiteral("%1 µs against %2 µs").arg(Timing::fixed(last, 1), Timing::fixed(first, 1)),
                 QStringLiteral("%1 µs against %2 µs (window closed)").arg(Timing::fixed(floorLast, 1),
                                                                            Timing::fixed(floorFirst, 1)),
                 Timing::fixed(last / first, 2), QStringLiteral("last/first ≤ 1.5"), last / first <= 1.5});
    results.add({QStringLiteral("Tick with the chronicle open, median of the whole 100,000-line replay (%1 rows)").arg(open.rows),
                 QStringLiteral("%1 µs").arg(Timing::fixed(Timing::median(open.ticksNs) / 1e3, 1)),
                 QStringLiteral("%1 µs (window closed)").arg(Timing::fixed(Timing::median(floor.ticksNs) / 1e3, 1)),
                 Timing::fixed(Timing::median(open.ticksNs) / Timing::median(floor.ticksNs), 2),
                 QStringLiteral("≤ 1 ms, a tenth of the 100 ms period"),
                 Timing::median(open.ticksNs) / 1e3 <= 1000});
}
