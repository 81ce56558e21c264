// Opening a match: the whole open command of the main window (line-up
// capture, header reading and printing, crests, reopening for playback), with
// its file dialog answered by script and the dialog's own time left out,
// against reading the same file once through the same decoder.
#include "benches.h"
#include "formdriver.h"
#include "reportgenerator.h"
#include "results.h"
#include "timing.h"

#include "playback/matchstate.h"
#include "report/crestfile.h"
#include "report/lineupcapture.h"
#include "report/reportheader.h"
#include "textfile/textfilereader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Size
{
    const char *label;
    qsizetype bytes;
    int runs;
    bool utf8 = false;      // re-saved by an editor: the whole file is checked
    // No "Comentarios" line: every line is header and printed. Not a report
    // the simulator writes, so it has no goal; it shows the worst case.
    bool noMarker = false;
};

double readOnceMs(const QString &path)
{
    const qint64 start = Timing::nowNs();
    TextFileReader reader;
    reader.open(path);
    QString line;
    qsizetype lines = 0;
    while (reader.readLine(line))
        ++lines;
    const qint64 end = Timing::nowNs();
    if (lines == 0)
        std::printf("    (the report could not be read)\n");
    return double(end - start) / 1e6;
}

// The open command's work once the dialog has answered: Form1::openReport,
// which the dialog's choice, the command line, a drop and the recent list
// all run, timed to its return.
double openCommandMs(Form1 &window, const QString &path)
{
    const qint64 start = Timing::nowNs();
    window.openReport(path);
    const qint64 end = Timing::nowNs();
    // Let the printed header be painted, and the recent list be saved,
    // outside the measurement, as the window would do once the command returns.
    QApplication::processEvents();
    return double(end - start) / 1e6;
}

// The report reading of the open command alone: the line-up capture, the
// header read (printing nowhere) and the reopening, as the window runs them.
double fileWorkMs(const QString &path)
{
    const qint64 start = Timing::nowNs();
    MatchState state;
    TextFileReader capture;
    capture.open(path);
    captureLineups(capture, state);
    TextFileReader header;
    header.open(path);
    qsizetype printed = 0;
    readHeader(header, [&](const QString &) { ++printed; });
    TextFileReader playback;
    playback.open(path);
    return double(Timing::nowNs() - start) / 1e6;
}

// Loading the two crests the way the window does.
double crestsMs(const QString &programDir)
{
    const qint64 start = Timing::nowNs();
    for (const char *key : {"RCAR", "DPEN"}) {
        QImageReader reader(crestFile(programDir, QString::fromLatin1(key)));
        const QPixmap crest = QPixmap::fromImage(reader.read());
        if (crest.isNull())
            std::printf("    (crest %s not loaded)\n", key);
    }
    return double(Timing::nowNs() - start) / 1e6;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files)) {
        if (!QFile::copy(from + u'/' + name, to + u'/' + name))
            return false;
    }
    return true;
}

} // namespace

void runOpenBench(Results &results)
{
    std::printf("\nOpening a match\n");
    QTemporaryDir dir;
    // A program folder with the crests of the generated teams, so the crests
    // are loaded as they would be for a user.
    const QString programDir = dir.filePath(QStringLiteral("programa"));
    copyFolder(QStringLiteral(TEZMARO_SOURCE_DIR "/escudos"), programDir + QStringLiteral("/escudos"));

    const Size sizes[] = {{"10 kB report", 10'000, 201},
                          {"1 MB report", 1'000'000, 31},
                          {"10 MB report", 10'000'000, 9},
                          {"10 MB report in UTF-8", 10'000'000, 9, true},
                          {"1 MB report without the narration marker (worst case)", 1'000'000, 31, false, true}};
    Form1 window(programDir);
    window.show();
    QApplication::processEvents();

    double perMb[3] = {};
    double filePerMb[3] = {};
    for (int s = 0; s < int(std::size(sizes)); ++s) {
        const Size &size = sizes[s];
        ReportGenerator generator;
        QByteArray bytes = generator.generate({size.bytes, 0, 15});
        if (size.utf8)
            bytes = QStringEncoder(QStringEncoder::Utf8)(QStringDecoder("windows-1252")(bytes));
        if (size.noMarker)
            bytes.replace("============================== Comentarios ==============================\r\n", "");
        const QString path = dir.filePath(QStringLiteral("partido-%1.txt").arg(s));
        {
            QFile report(path);
            report.open(QIODevice::WriteOnly);
            report.write(bytes);
        }
        const double mb = double(bytes.size()) / 1e6;

        // One of each first: caches and allocations warm, as for a user who
        // opens a report after the program has started.
        readOnceMs(path);
        openCommandMs(window, path);
        if (!window.partido().reportOpen() || window.partido().match().Inicio != 25 || window.partido().match().Fin != 49)
            std::printf("    (unexpected opening: report open %d, Inicio %d, Fin %d)\n", int(window.partido().reportOpen()),
                        window.partido().match().Inicio, window.partido().match().Fin);

        QList<double> floorMs;
        QList<double> openMs;
        QList<double> fileMs;
        QList<double> crestMs;
        for (int run = 0; run < size.runs; ++run) {
            // Alternate the order so neither side always follows the other.
            if (run % 2) {
                floorMs << readOnceMs(path);
                openMs << openCommandMs(window, path);
            } else {
                openMs << openCommandMs(window, path);
                floorMs << readOnceMs(path);
            }
            fileMs << fileWorkMs(path);
            crestMs << crestsMs(programDir);
        }
        const double open = Timing::median(openMs);
        const double floor = Timing::median(floorMs);
        const double file = Timing::median(fileMs);
        const double crests = Timing::median(crestMs);
        std::printf("    %s (%lld bytes, %d lines): open %.3f ms, read once %.3f ms, %.2f ms/MB\n"
                    "      of the open: report reading %.3f ms (%.2f of read once), crests %.3f ms, the rest "
                    "(display reset, printing) %.3f ms\n",
                    size.label, qlonglong(bytes.size()), generator.events().totalLines, open, floor, open / mb, file,
                    file / floor, crests, open - file - crests);
        const QString label = QLatin1String(size.label);
        results.add({QStringLiteral("Opening a match, %1").arg(label),
                     QStringLiteral("%1 ms").arg(Timing::fixed(open, 3)),
                     QStringLiteral("%1 ms (read once)").arg(Timing::fixed(floor, 3)),
                     Timing::fixed(open / floor, 2), QStringLiteral("ratio ≤ 2.5"), open / floor <= 2.5, size.noMarker});
        results.add({QStringLiteral("… of which reading the report (capture, header, reopening), %1").arg(label),
                     QStringLiteral("%1 ms").arg(Timing::fixed(file, 3)),
                     QStringLiteral("%1 ms (read once)").arg(Timing::fixed(floor, 3)),
                     Timing::fixed(file / floor, 2), QString(), false, true});
        if (s < 3) {
            perMb[s] = open / mb;
            filePerMb[s] = file / mb;
        }
    }

    // A cancelled open does nothing after its dialog: what remains is the
    // error of the dialog-free timing.
    QList<double> cancelled;
    for (int run = 0; run < 21; ++run) {
        qint64 dialogGone = 0;
        answerNextOpen(FormDriver::archivo(window), QString(), [&] { dialogGone = Timing::nowNs(); });
        window.Abrir_Encuentro_Click();
        cancelled << double(Timing::nowNs() - dialogGone) / 1e6;
        QApplication::processEvents();
    }
    std::printf("    a cancelled open from its dialog's destruction to its return: %.4f ms (the dialog's own "
                "teardown, left out above)\n",
                Timing::median(cancelled));

    for (const auto &[what, values] : {std::pair{QStringLiteral("Opening"), perMb},
                                       std::pair{QStringLiteral("… reading the report"), filePerMb}}) {
        const double lowest = std::min({values[0], values[1], values[2]});
        const double highest = std::max({values[0], values[1], values[2]});
        results.add({QStringLiteral("%1: time per MB at 10 kB / 1 MB / 10 MB").arg(what),
                     QStringLiteral("%1 / %2 / %3 ms/MB")
                         .arg(Timing::fixed(values[0], 1), Timing::fixed(values[1], 1), Timing::fixed(values[2], 1)),
                     QStringLiteral("%1 ms/MB (lowest)").arg(Timing::fixed(lowest, 1)),
                     Timing::fixed(highest / lowest, 2), QStringLiteral("highest/lowest ≤ 1.5"),
                     highest / lowest <= 1.5, what != QStringLiteral("Opening")});
    }
}
