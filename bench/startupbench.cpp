// Start-up to a shown main window and peak memory, against an empty main
// window built the same way: each probe is a separate process, started
// alternately several times on the same platform; medians are compared.
#include "benches.h"
#include "results.h"
#include "timing.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Start
{
    double ms = 0;      // from starting the process to its "shown" line
    double cpuMs = 0;   // user and system time of the whole process
    double peakMb = 0;  // VmHWM when shown
    bool ok = false;
};

// Starts the probe with its standard output on a pipe and waits for its line.
Start startProbe(const QByteArray &program, const QList<QByteArray> &arguments)
{
    Start result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    // Qt's notes on the offscreen platform would only bury the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    QList<QByteArray> args = {program};
    args << arguments;
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const qint64 begin = Timing::nowNs();
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return result;
    }
    QByteArray output;
    char buffer[256];
    while (!output.contains('\n')) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, n);
    }
    result.ms = double(Timing::nowNs() - begin) / 1e6;
    while (read(out[0], buffer, sizeof buffer) > 0) {
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.cpuMs = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                    + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3);
    // "shown VmHWM 41234 kB VmRSS 40000 kB"
    const QList<QByteArray> words = output.simplified().split(' ');
    if (words.size() >= 3 && words.at(0) == "shown") {
        result.peakMb = words.at(2).toDouble() / 1024.0;
        result.ok = true;
    }
    return result;
}

} // namespace

void runStartupBench(Results &results)
{
    std::printf("\nStart-up and memory\n");
    QTemporaryDir programDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::printf("    platform: %s\n", qgetenv("QT_QPA_PLATFORM").constData());

    constexpr int Runs = 21;
    QList<double> programMs, emptyMs, programCpu, emptyCpu, programMb, emptyMb, textMs;
    const QByteArray programProbe = TEZMARO_STARTUP_PROBE;
    const QByteArray emptyProbe = TEZMARO_EMPTY_PROBE;
    const QByteArray folder = QFile::encodeName(programDir.path());
    // One of each first, to have the libraries in the page cache for all.
    startProbe(programProbe, {folder});
    startProbe(emptyProbe, {});
    for (int run = 0; run < Runs; ++run) {
        const Start program = startProbe(programProbe, {folder});
        const Start empty = startProbe(emptyProbe, {});
        const Start text = startProbe(emptyProbe, {"--text"});
        if (text.ok)
            textMs << text.ms;
        if (!program.ok || !empty.ok) {
            std::printf("    (a probe did not report: program %d, empty %d)\n", int(program.ok), int(empty.ok));
            continue;
        }
        programMs << program.ms;
        emptyMs << empty.ms;
        programCpu << program.cpuMs;
        emptyCpu << empty.cpuMs;
        programMb << program.peakMb;
        emptyMb << empty.peakMb;
    }
    const double program = Timing::median(programMs);
    const double empty = Timing::median(emptyMs);
    std::printf("    %lld runs each: program %.1f ms (%.1f to %.1f), empty window %.1f ms (%.1f to %.1f)\n",
                qlonglong(programMs.size()), program, Timing::quantile(programMs, 0), Timing::quantile(programMs, 1),
                empty, Timing::quantile(emptyMs, 0), Timing::quantile(emptyMs, 1));
    const double programCpuMs = Timing::median(programCpu);
    const double emptyCpuMs = Timing::median(emptyCpu);
    results.add({QStringLiteral("Start-up to a shown main window, median of %1").arg(programMs.size()),
                 QStringLiteral("%1 ms (processor %2 ms)").arg(Timing::fixed(program, 1), Timing::fixed(programCpuMs, 1)),
                 QStringLiteral("%1 ms (processor %2 ms), empty QMainWindow")
                     .arg(Timing::fixed(empty, 1), Timing::fixed(emptyCpuMs, 1)),
                 QStringLiteral("%1 (processor %2)").arg(Timing::fixed(program / empty, 2),
                                                        Timing::fixed(programCpuMs / emptyCpuMs, 2)),
                 QStringLiteral("ratio ≤ 1.3"), program / empty <= 1.3});
    // What a window costs as soon as it shows any text: the font
    // configuration, a font and the menu bar.
    const double text = Timing::median(textMs);
    results.add({QStringLiteral("… for reference: the empty window with a menu bar and one label"),
                 QStringLiteral("%1 ms").arg(Timing::fixed(text, 1)),
                 QStringLiteral("%1 ms (empty QMainWindow)").arg(Timing::fixed(empty, 1)),
                 Timing::fixed(text / empty, 2), QString(), false, true});
    const double programPeak = Timing::median(programMb);
    const double emptyPeak = Timing::median(emptyMb);
    results.add({QStringLiteral("Peak memory at the shown window (VmHWM), median"),
                 QStringLiteral("%1 MB").arg(Timing::fixed(programPeak, 1)),
                 QStringLiteral("%1 MB (empty QMainWindow)").arg(Timing::fixed(emptyPeak, 1)),
                 QStringLiteral("+%1 MB").arg(Timing::fixed(programPeak - emptyPeak, 1)), QStringLiteral("≤ +15 MB"),
                 programPeak - emptyPeak <= 15.0});
}
