// The playback's real timer in the real window, on the offscreen platform with
// the event loop running: 1,000 opening lines at the 1 ms period, then the
// narration periods of speeds 5 (100 ms) and 3 (1000 ms).
#include "benches.h"
#include "formdriver.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Runs the event loop until done() holds after a tick of timer, or limitMs.
void runUntil(QTimer *timer, const std::function<bool()> &done, int limitMs)
{
    QEventLoop loop;
    const auto connection = QObject::connect(timer, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    // A timer of this scope, so that it is gone with the loop: a single-shot
    // timer would still fire later, in another measurement.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(limitMs);
    loop.exec();
    QObject::disconnect(connection);
}

// A bare timer of the same kind and period in the same process: what the
// event loop gives when nothing else runs.
double bareTimerMs(int ticks)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    int count = 0;
    const qint64 start = Timing::nowNs();
    timer.start();
    runUntil(&timer, [&] { return ++count == ticks; }, 10 * ticks);
    return double(Timing::nowNs() - start) / 1e6;
}

// Intervals between ticks of the window's timer, in ms, after the first tick
// following a change of period.
QList<double> narrationIntervals(QTimer *timer, int count)
{
    QList<double> intervals;
    qint64 previous = 0;
    runUntil(timer, [&] {
        const qint64 now = Timing::nowNs();
        if (previous)
            intervals << double(now - previous) / 1e6;
        previous = now;
        return intervals.size() == count;
    }, count * (timer->interval() + 50) + 2000);
    return intervals;
}

} // namespace

void runTimerBench(Results &results)
{
    std::printf("\nPlayback timer\n");
    constexpr int HeaderLines = 1000;
    QTemporaryDir dir;
    ReportGenerator generator;
    const QString path = dir.filePath(QStringLiteral("cabecera-larga.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(generator.generate({0, 600, HeaderLines}));
    }

    Form1 window(dir.path());
    window.show();
    QApplication::processEvents();
    QTimer *timer = FormDriver::timer(window);
    auto *narration = window.findChild<QLabel *>(QStringLiteral("Texto_Narracion"));

    QList<double> headerMs;
    QList<double> bareMs;
    for (int run = 0; run < 3; ++run) {
        bareMs << bareTimerMs(HeaderLines);
        FormDriver::open(window, path);
        QApplication::processEvents();
        window.findChild<QRadioButton *>(QStringLiteral("Option5"))->click();
        int ticks = 0;
        const qint64 start = Timing::nowNs();
        FormDriver::click(window, 2);
        qint64 end = 0;
        runUntil(timer, [&] {
            if (++ticks == HeaderLines)
                end = Timing::nowNs();
            return ticks == HeaderLines + 1;
        }, 10 * HeaderLines);
        headerMs << double(end - start) / 1e6;
        if (narration->text().isEmpty() || timer->interval() != 100)
            std::printf("    (the line after the header did not start the narration)\n");
        std::printf("    run %d: %d opening lines in %.1f ms (bare 1 ms timer: %.1f ms)\n", run + 1, HeaderLines,
                    headerMs.last(), bareMs.last());
        if (run < 2)
            FormDriver::click(window, 3);  // pause before the next opening
    }
    const double header = Timing::median(headerMs);
    const double bare = Timing::median(bareMs);
    results.add({QStringLiteral("1,000 opening lines at the 1 ms period (real Form1 timer)"),
                 QStringLiteral("%1 ms").arg(Timing::fixed(header, 1)),
                 QStringLiteral("%1 ms nominal; bare 1 ms QTimer %2 ms").arg(HeaderLines).arg(Timing::fixed(bare, 1)),
                 QStringLiteral("%1 of nominal, %2 of bare").arg(Timing::fixed(header / HeaderLines, 3),
                                                                 Timing::fixed(header / bare, 3)),
                 QStringLiteral("≤ 1.3 × 1,000 ms"), header <= 1.3 * HeaderLines});

    // The narration now runs at speed 5.
    const QList<double> fast = narrationIntervals(timer, 41);
    window.findChild<QRadioButton *>(QStringLiteral("Option3"))->click();
    QList<double> slow = narrationIntervals(timer, 11);
    // The first interval after picking the speed starts at the pick.
    if (!slow.isEmpty())
        slow.removeFirst();
    for (const auto &[speed, period, intervals] :
         {std::tuple{5, 100, fast}, std::tuple{3, 1000, slow}}) {
        const double m = Timing::median(intervals);
        std::printf("    speed %d: %lld intervals, median %.3f ms, min %.3f, max %.3f\n", speed,
                    qlonglong(intervals.size()), m, Timing::quantile(intervals, 0), Timing::quantile(intervals, 1));
        results.add({QStringLiteral("Narration period, speed %1 (%2 ms), median of %3").arg(speed).arg(period).arg(intervals.size()),
                     QStringLiteral("%1 ms").arg(Timing::fixed(m, 2)), QStringLiteral("%1 ms requested").arg(period),
                     QStringLiteral("%1 ms").arg(Timing::fixed(m - period, 2)), QStringLiteral("within 2 ms"),
                     std::abs(m - period) <= 2.0});
    }
    FormDriver::click(window, 3);
}
