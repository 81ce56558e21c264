// Tezmaro's benchmarks. Each figure is measured against its floor in the same
// run and printed with its goal; the table at the end is the one kept in
// docs/performance.md. Usage: tezmaro-bench [open|tick|round|timer|idle|startup|chronicle]...
// (all of them when none is named), or tezmaro-bench report <bytes> <file>. Runs on the offscreen platform unless
// QT_QPA_PLATFORM names another.
#include "benches.h"
#include "reportgenerator.h"
#include "results.h"

#include <QApplication>
#include <QFile>
#include <QSysInfo>

#include <cstdio>

namespace {

// Qt's notes about the offscreen platform (the file dialog asks it for size
// hints it does not keep) would bury the figures.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || message.contains(u"propagateSizeHints") || message.contains(u"XDG_RUNTIME_DIR"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);

    QStringList chosen = QApplication::arguments().mid(1);
    // tezmaro-bench report <bytes> <file>: writes a generated report to look at.
    if (chosen.size() == 3 && chosen.at(0) == u"report") {
        QFile file(chosen.at(2));
        ReportGenerator generator;
        return file.open(QIODevice::WriteOnly) && file.write(generator.generate({chosen.at(1).toLongLong(), 0, 15})) > 0
            ? 0
            : 1;
    }
    if (chosen.isEmpty())
        // The waiting states first, while nothing else has run in the process.
        chosen = {QStringLiteral("idle"), QStringLiteral("tick"), QStringLiteral("open"), QStringLiteral("round"),
                  QStringLiteral("timer"), QStringLiteral("startup"), QStringLiteral("chronicle")};
    std::printf("Tezmaro benchmarks: Qt %s, %s, platform %s\n", qVersion(), qPrintable(QSysInfo::prettyProductName()),
                qPrintable(QApplication::platformName()));

    Results results;
    for (const QString &bench : chosen) {
        if (bench == u"open")
            runOpenBench(results);
        else if (bench == u"tick")
            runTickBench(results);
        else if (bench == u"round")
            runRoundBench(results);
        else if (bench == u"timer")
            runTimerBench(results);
        else if (bench == u"idle")
            runIdleBench(results);
        else if (bench == u"startup")
            runStartupBench(results);
        else if (bench == u"chronicle")
            runChronicleBench(results);
        else {
            std::fprintf(stderr, "unknown benchmark: %s (open, tick, round, timer, idle, startup, chronicle)\n", qPrintable(bench));
            return 2;
        }
    }
    results.print();
    return results.allMet() ? 0 : 1;
}
