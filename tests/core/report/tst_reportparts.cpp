#include "playback/matchstate.h"
#include "report/crestfile.h"
#include "report/lineupcapture.h"
#include "report/reportheader.h"
#include "textfile/textfilereader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// What the window takes from a report when it opens it: the header and its
// teams line, the crests the team keys name, and the closing line-ups.
class TestReportParts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_program;

private slots:
    // The header printed up to "Comentarios", and its teams line cut in five.
    // (Lines before Comentarios printed, empty ones too, are the main
    // window's test.)
    void reading_data()
    {
        QTest::addColumn<QString>("lines"); // "|" ends a line
        QTest::addColumn<int>("printed"); // how many of the first lines are printed
        QTest::addColumn<ReportFault>("fault");
        QTest::addColumn<QString>("teams"); // cuts|home|away|stadium|homeKey|awayKey

        const auto N = ReportFault::None, U = ReportFault::TeamsLineUncut;
        QTest::newRow("only the first teams line is cut, the header ends with the report")
            << "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)|Resumen: uno vs. otro" << 2 << N
            << "5|Atletico Rio|Club Sierra|Estadio Mayor (Valle)|ARIO|CSIE";
        QTest::newRow("two blanks before a key keep one") << "Rio  (R) vs. Sol (S) en Mayor" << 1 << N << "5|Rio |Sol|Mayor|R|S";
        QTest::newRow("no ) en: the stadium from position 5") << "Atletico (R) vs. Sol (S)" << 1 << N << "5|Atletico|Sol|tico |R|S";
        QTest::newRow(") en before vs.: bounded") << "Rio (R) en Casa vs. Sol (S) al" << 1 << N << "5|Rio|Sol|Casa vs.|R|S";
        // Comentarios is tested first: its line ends the header even holding "vs.".
        QTest::newRow("VS. and Vs. are no teams line") << "R (A) VS. S (B) en X|R (A) Vs. S (B) en X|Comentarios: A (X) vs. B (Y)"
                                                       << 2 << ReportFault::NoTeamsLine << "0|||||";
        QTest::newRow("empty report") << "" << 0 << ReportFault::Empty << "0|||||";
        QTest::newRow("no text: the reader's refusal") << u"PNG\x1a"_qs + QChar(0) << 0 << ReportFault::NotText << "0|||||";
        // A failed cut ends the reading at once, unprinted, keeping what was cut.
        QTest::newRow("no ( at all") << "Rio vs. Sol en Mayor" << 0 << U << "0|||||";
        QTest::newRow("no ( after vs.") << "Uno|Rio (R) vs. Sierra|Comentarios" << 1 << U << "1|Rio||||";
        QTest::newRow("no ) at all") << "Atletico (R vs. Sol (S en Mayor" << 0 << U << "3|Atletico|Sol|tico (R vs. S||";
        QTest::newRow("away key without )") << "Atletico (R) vs. Sol (S en Mayor" << 0 << U << "4|Atletico|Sol|tico (R) vs. |R|";
    }

    void reading()
    {
        QFETCH(QString, lines);
        TextFileReader reader;
        reader.openBytes(lines.replace(u'|', QStringLiteral("\r\n")).toLatin1());
        QStringList shown;
        const HeaderResult result = readHeader(reader, [&shown](const QString &line) { shown << line; });
        QTEST(int(shown.size()), "printed");
        QTEST(result.fault, "fault");
        const TeamsLine &t = result.teams;
        QTEST(QStringList({QString::number(t.cuts), t.home, t.away, t.stadium, t.homeKey, t.awayKey}).join(u'|'), "teams");
        QVERIFY(!reader.isOpen());
    }

    void capture_data()
    {
        QTest::addColumn<QStringList>("lines"); // from the closing heading on
        QTest::addColumn<int>("count"); // lines captured, each a row without its first three characters
        QTest::addColumn<QString>("bounds"); // Inicio and Fin

        // The closing section as the simulator lays it out, with n players a side.
        const auto closing = [](int n) {
            const QStringList side = QStringList{"   Equipo", "   ------", "   Nombre"} + QStringList(n, " 1 Jugador  Ctro 90");
            return QStringList{"   Alineaciones finales"} << side << "" << side << "" << "   Resumen del partido";
        };
        const QStringList section = closing(11);
        QTest::newRow("eleven players a side: 32 rows") << section + QStringList{"Bonus Local: 0"} << 32 << "15 30";
        // Found nowhere else, the summary heading leaves Fin 0 as well.
        QTest::newRow("summary heading as the 52nd line") << closing(21) << 51 << "25 0";
        QTest::newRow("blanks are no separator") << section.mid(0, 15) + QStringList{"   "} + section.mid(16) << 32 << "30 30";
        QTest::newRow("the first heading counts, short lines stored empty") << QStringList{"==>Alineaciones finales", "ab",
            "   Alineaciones finales", "abcd", "", "   Resumen del par"} << 6 << "4 4";
    }

    void capture()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        // Rows past the capture keep what a longer, earlier report left there.
        MatchState state;
        state.Alineaciones_Finales.fill("fila anterior");
        state.Inicio = state.Fin = 99;
        TextFileReader reader;
        // A summary heading before the closing heading ends nothing.
        QVERIFY(reader.openBytes(("Rio (R) vs. Sierra (S)\r\n   Resumen del partido\r\n" + lines.join("\r\n")).toLatin1()));
        captureLineups(reader, state);
        QTEST(QStringLiteral("%1 %2").arg(state.Inicio).arg(state.Fin), "bounds");
        for (int row = 0; row < MatchState::LineupRows; ++row)
            QCOMPARE(state.Alineaciones_Finales[row], row < count ? lines.at(row).mid(3) : u"fila anterior"_qs);
    }

    // A crest's GIF, and the sharper picture drawn where it shows larger: an
    // SVG before a PNG, each in any letter case. (Another letter case and a
    // PNG alone are the scaled window's test.)
    void crests_data()
    {
        QVERIFY(QDir(m_program.path()).mkdir("escudos"));
        // FUERA.gif lies beside the crest folder, which no key may reach.
        for (const char *name : {"csie.gif", "Csie.gif", "CSIE.gif", "../FUERA.gif", "../FUERA.svg", "csie.png", "CSIE.svg"})
            QVERIFY(QFile(m_program.filePath("escudos/") + name).open(QIODevice::WriteOnly));
        // Reading a pipe as a picture would wait for a writer for ever.
        QCOMPARE(mkfifo(qPrintable(m_program.filePath("tuberia")), 0600), 0);
        for (const char *name : {"escudos/PIPA.gif", "escudos/PIPA.svg"})
            QVERIFY(QFile::link(m_program.filePath("tuberia"), m_program.filePath(name)));

        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("found"); // the GIF | the sharper picture, in the program's folder
        QTest::newRow("exact name before another case; SVG before PNG") << "Csie" << "escudos/Csie.gif|escudos/CSIE.svg";
        QTest::newRow("a path out of the folder") << "../FUERA" << "|";
        QTest::newRow("a link to a pipe is no crest") << "PIPA" << "|";
    }

    void crests()
    {
        QFETCH(QString, key);
        const QString folder = m_program.path();
        QTEST(QString(crestFile(folder, key) + '|' + sharpCrestFile(folder, key)).remove(folder + '/'), "found");
    }
};

QTEST_GUILESS_MAIN(TestReportParts)
#include "tst_reportparts.moc"
