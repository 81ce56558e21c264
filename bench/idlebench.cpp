// Nothing runs while the window waits for the user: before a match is opened,
// with a match opened, paused, at half time and finished. In each state no
// timer is registered for any object of the window, and over one second the
// event loop wakes no more often than an empty loop in the same process.
#include "benches.h"
#include "formdriver.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The main thread's voluntary context switches: one for each time it slept
// and was woken.
qint64 voluntarySwitches()
{
    QFile status(QStringLiteral("/proc/thread-self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLongLong();
    }
    return -1;
}

struct Wakeups
{
    int awake = 0;       // the dispatcher came back from waiting
    qint64 switches = 0; // the thread was put to sleep and woken
    QStringList events;  // what was delivered meanwhile, to name a cause
};

// Notes every event delivered in the application, by receiver and type.
class EventLog : public QObject
{
public:
    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        entries << QStringLiteral("%1 %2 (event %3)")
                       .arg(QLatin1String(watched->metaObject()->className()), watched->objectName())
                       .arg(int(event->type()));
        return false;
    }
};

// Lets the event loop run idle for one second. The timer that ends the second
// wakes it once.
Wakeups idleSecond()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    Wakeups result;
    QEventLoop loop;
    // Events already queued (paints, deferred deletes) are not idling.
    QApplication::processEvents();
    QApplication::processEvents();
    const auto connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &loop, [&] { ++result.awake; });
    EventLog log;
    QCoreApplication::instance()->installEventFilter(&log);
    const qint64 before = voluntarySwitches();
    QTimer second;
    second.setSingleShot(true);
    QObject::connect(&second, &QTimer::timeout, &loop, &QEventLoop::quit);
    second.start(1000);
    loop.exec();
    result.switches = voluntarySwitches() - before;
    QCoreApplication::instance()->removeEventFilter(&log);
    QObject::disconnect(connection);
    result.events = log.entries;
    return result;
}

// The timers registered for the window and every object it holds.
QStringList windowTimers(Form1 &window)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    QStringList timers;
    QList<QObject *> objects = window.findChildren<QObject *>();
    objects.prepend(&window);
    for (QObject *object : objects) {
        for (const QAbstractEventDispatcher::TimerInfo &info : dispatcher->registeredTimers(object)) {
            timers << QStringLiteral("%1 (%2, %3 ms)")
                          .arg(object->objectName().isEmpty() ? QLatin1String(object->metaObject()->className())
                                                              : object->objectName())
                          .arg(info.timerId)
                          .arg(info.interval);
        }
    }
    return timers;
}

// Ticks by hand until the timer stops at half time or full time.
void playToStop(Form1 &window)
{
    QTimer *timer = FormDriver::timer(window);
    for (int i = 0; i < 100000 && timer->isActive(); ++i)
        window.Timer1_Timer();
}

} // namespace

void runIdleBench(Results &results)
{
    std::printf("\nIdle states\n");
    QTemporaryDir dir;
    ReportGenerator generator;
    const QString path = dir.filePath(QStringLiteral("partido.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(generator.generate({0, 600, 15}));
    }

    const Wakeups empty = idleSecond();
    std::printf("    empty event loop: %d wake-ups, %lld context switches in 1 s\n", empty.awake,
                qlonglong(empty.switches));

    Form1 window(dir.path());
    window.show();
    auto *clock = window.findChild<QLabel *>(QStringLiteral("Label1"));

    const auto check = [&](const QString &state, bool expectIdle) {
        // What the last command queued (paints, the lists' deferred layout)
        // runs first; then nothing may be left waiting, before or after the
        // idle second.
        QApplication::processEvents();
        QApplication::processEvents();
        QStringList timers = windowTimers(window);
        const Wakeups w = idleSecond();
        timers << windowTimers(window);
        timers.removeDuplicates();
        std::printf("    %s: timers [%s], %d wake-ups, %lld context switches in 1 s\n", qPrintable(state),
                    qPrintable(timers.join(QStringLiteral(", "))), w.awake, qlonglong(w.switches));
        const bool idle = timers.isEmpty() && w.awake <= empty.awake && w.switches <= empty.switches;
        if (expectIdle && !idle)
            std::printf("    delivered meanwhile: %s\n", qPrintable(w.events.join(QStringLiteral("; "))));
        if (!expectIdle && idle)
            std::printf("    (the running match did not wake the loop: the count cannot be trusted)\n");
        results.add({QStringLiteral("Idle: %1").arg(state),
                     QStringLiteral("%1 timers, %2 wake-ups/s").arg(timers.size()).arg(w.awake),
                     QStringLiteral("%1 wake-ups/s (empty loop)").arg(empty.awake),
                     QStringLiteral("+%1 wake-ups").arg(std::max(0, w.awake - empty.awake)),
                     expectIdle ? QStringLiteral("no timer, no wake-up") : QString(), expectIdle ? idle : !idle,
                     !expectIdle});
    };

    check(QStringLiteral("before a match is opened"), true);
    FormDriver::open(window, path);
    check(QStringLiteral("match opened, not started"), true);
    FormDriver::click(window, 2);
    for (int i = 0; i < 40; ++i)
        window.Timer1_Timer();
    FormDriver::click(window, 3);
    check(QStringLiteral("paused"), true);
    FormDriver::click(window, 2);
    playToStop(window);
    if (clock->text() != u"45")
        std::printf("    (not at half time: the clock reads %s)\n", qPrintable(clock->text()));
    check(QStringLiteral("half time"), true);
    FormDriver::click(window, 2);
    playToStop(window);
    if (clock->text() != u"90")
        std::printf("    (not finished: the clock reads %s)\n", qPrintable(clock->text()));
    check(QStringLiteral("finished"), true);

    // The method sees a running match: speed 5 ticks ten times a second.
    FormDriver::open(window, path);
    window.Option5_Click();
    FormDriver::click(window, 2);
    check(QStringLiteral("running at speed 5 (control)"), false);
    FormDriver::click(window, 3);
}
