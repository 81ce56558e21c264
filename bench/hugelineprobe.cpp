// A report with one huge line, through the real main window: how long the
// opening, the start, the tick that shows the line and a repaint take, and
// the process's peak memory. Run one case per process, under /usr/bin/time -v
// for a second opinion on the memory:
//   tezmaro-hugeline-probe narration 50   (a 50 MB narration line)
//   tezmaro-hugeline-probe teams 25       (team names of 25 MB each)
//   tezmaro-hugeline-probe normal         (the same report without the huge line)
//   tezmaro-hugeline-probe parts 50       (where the time of a huge narration line goes)
#include "formdriver.h"
#include "timing.h"

#include "playback/matchstate.h"
#include "playback/tick.h"
#include "textfile/textfilereader.h"
#include "kit/fitlabel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray statusField(const char *name)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed();
    }
    return {};
}

// Written a megabyte at a time, so the report costs the probe no memory.
bool writeReport(const QString &path, const QByteArray &kind, qsizetype megabytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1024 * 1024, 'a');
    const auto huge = [&] {
        for (qsizetype i = 0; i < megabytes; ++i)
            file.write(block);
    };
    file.write("LIGA DE PRUEBA\r\n");
    if (kind == "teams") {
        file.write("Atletico ");
        huge();
        file.write(" (ARIO) vs. Club ");
        huge();
        file.write(" (CSIE) en Estadio Mayor (Valle)");
    } else {
        file.write("Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)");
    }
    file.write("\r\nComentarios del partido\r\n");
    if (kind == "narration") {
        file.write("Min  1: Tom\xE1s chuta ");
        huge();
        file.write(" fuera.");
    } else {
        file.write("Min  1: Empieza el partido.");
    }
    file.write("\r\nMin  2: Sigue el partido.\r\n\r\nMarcador al descanso: 0 -- 0\r\n");
    return file.flush();
}

void step(const char *what, const std::function<void()> &work)
{
    const qint64 start = Timing::nowNs();
    work();
    std::printf("    %-40s %9.1f ms\n", what, double(Timing::nowNs() - start) / 1e6);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QByteArray kind = args.value(1, QStringLiteral("normal")).toLatin1();
    const qsizetype megabytes = args.value(2, QStringLiteral("50")).toLongLong();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("partido.txt"));
    if (!writeReport(path, kind, megabytes))
        return 1;
    std::printf("%s, %lld MB\n", kind.constData(), qlonglong(kind == "normal" ? 0 : megabytes));
    if (kind == "parts") {
        writeReport(path, "narration", megabytes);
        TextFileReader reader;
        reader.open(path);
        QString line;
        step("reader: the header lines", [&] {
            for (int i = 0; i < 3; ++i)
                reader.readLine(line);
        });
        step("reader: the huge line", [&] { reader.readLine(line); });
        std::printf("    line kept                             %9lld characters\n", qlonglong(line.size()));
        MatchState state;
        TickResult tick;
        step("PROCESAR_LINEA (buffer, recognisers)", [&] { tick = PROCESAR_LINEA(state, line, false, 1); });
        // Texto_Narracion's kind, place and font.
        FitLabel label;
        label.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 20));
        label.setWordWrap(true);
        label.setGeometry(8, 416, 641, 49);
        step("label: setText", [&] { label.setText(tick.text); });
        step("label: paint", [&] { label.grab(); });
        std::printf("    peak memory (VmHWM)                   %9s\n", statusField("VmHWM:").constData());
        return 0;
    }
    std::printf("    peak memory before the window         %9s\n", statusField("VmHWM:").constData());

    Form1 window(dir.path());
    window.show();
    QApplication::processEvents();
    auto *narration = window.findChild<QLabel *>(QStringLiteral("Texto_Narracion"));

    step("open", [&] { FormDriver::open(window, path); });
    step("start (shows the match)", [&] {
        FormDriver::click(window, 2);
        QApplication::processEvents();
        window.grab();
    });
    // The header lines are dropped one per tick; the last tick shows the line.
    int ticks = 0;
    step("ticks to the first narration line", [&] {
        while (narration->text().isEmpty() && ticks++ < 10)
            window.Timer1_Timer();
    });
    step("repaint", [&] { window.grab(); });
    std::printf("    narration kept                        %9lld characters\n", qlonglong(narration->text().size()));
    step("next tick", [&] { window.Timer1_Timer(); });
    step("repaint", [&] { window.grab(); });
    std::printf("    peak memory (VmHWM)                   %9s\n", statusField("VmHWM:").constData());
    return 0;
}
