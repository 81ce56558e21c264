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

// The items of a cut as one text: how many were cut, then each of them.
static QString items(const TeamsLine &t)
{
    return QStringList{QString::number(t.cuts), t.home, t.away, t.stadium, t.homeKey, t.awayKey}.join(u'|');
}

// What the window takes from a report when it opens it: the header and its
// teams line, the crests the team keys name, and the closing line-ups.
class TestReportParts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_program;

private slots:
    void cutting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("items"); // cuts|home|away|stadium|homeKey|awayKey

        QTest::newRow("two blanks before the home key keep one") << "Rio  (R) vs. Sol (S) en Mayor" << "5|Rio |Sol|Mayor|R|S";
        QTest::newRow(") en inside the stadium") << "Rio (R) vs. Sol (S) en Sede (N) en Valle" << "5|Rio|Sol|Sede (N) en Valle|R|S";
        QTest::newRow("no ) en: the stadium from position 5") << "Atletico (R) vs. Sol (S)" << "5|Atletico|Sol|tico |R|S";
        QTest::newRow(") en before vs. bounds the stadium") << "Rio (R) en Casa vs. Sol (S) al" << "5|Rio|Sol|Casa vs.|R|S";
        QTest::newRow("no ( at all") << "Rio vs. Sol en Mayor" << "0|||||";
        QTest::newRow("no ) at all") << "Atletico (R vs. Sol (S en Mayor" << "3|Atletico|Sol|tico (R vs. S||";
        QTest::newRow("away key without )") << "Atletico (R) vs. Sol (S en Mayor" << "4|Atletico|Sol|tico (R) vs. |R|";
    }

    void cutting()
    {
        QFETCH(QString, line);
        QTEST(items(cutTeamsLine(line)), "items");
    }

    void reading_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("printed"); // how many of the first lines are printed
        QTest::addColumn<ReportFault>("fault");
        QTest::addColumn<QString>("teams");

        const QString teams = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)";
        const QString cut = "5|Atletico Rio|Club Sierra|Estadio Mayor (Valle)|ARIO|CSIE";
        QTest::newRow("lines before Comentarios, empty ones too")
            << QStringList{"Liga Zinto", "", teams, "---- Comentarios ----", "Min  1: Saque"} << 3 << ReportFault::None << cut;
        QTest::newRow("only the first teams line is cut")
            << QStringList{teams, "Resumen: uno vs. otro"} << 2 << ReportFault::None << cut;
        // Comentarios is tested first: its line ends the header even holding "vs.".
        QTest::newRow("VS. and Vs. are no teams line") << QStringList{"R (A) VS. S (B) en X", "R (A) Vs. S (B) en X",
            "Comentarios: A (X) vs. B (Y) en Z"} << 2 << ReportFault::NoTeamsLine << "0|||||";
        QTest::newRow("empty report") << QStringList{} << 0 << ReportFault::Empty << "0|||||";
        QTest::newRow("failed cut ends at once, unprinted, keeping what was cut")
            << QStringList{"Uno", "Rio (R) vs. Sierra", "Comentarios"} << 1 << ReportFault::TeamsLineUncut << "1|Rio||||";
        QTest::newRow("no text: the reader's refusal")
            << QStringList{u"PNG\x1a"_qs + QChar(0)} << 0 << ReportFault::NotText << "0|||||";
    }

    void reading()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, printed);
        TextFileReader reader;
        reader.openBytes(lines.join("\r\n").toLatin1());
        QStringList shown;
        const HeaderResult result = readHeader(reader, [&shown](const QString &line) { shown << line; });
        QCOMPARE(shown, lines.mid(0, printed));
        QTEST(result.fault, "fault");
        QTEST(items(result.teams), "teams");
        QVERIFY(!reader.isOpen());
    }

    void capture_data()
    {
        QTest::addColumn<QStringList>("lines"); // from the closing heading on
        QTest::addColumn<int>("count"); // lines captured, each a row without its first three characters
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("fin");

        // The closing section as the simulator lays it out, with n players a side.
        const auto closing = [](int n) {
            const QStringList side = QStringList{"   Equipo", "   ------", "   Nombre"} + QStringList(n, " 1 Jugador  Ctro 90");
            return QStringList{"   Alineaciones finales"} << side << "" << side << "" << "   Resumen del partido";
        };
        const QStringList section = closing(11);
        QTest::newRow("eleven players a side: 32 rows") << section + QStringList{"Bonus Local: 0"} << 32 << 15 << 30;
        QTest::newRow("summary heading as the 52nd line") << closing(21) << 51 << 25 << 0;
        QTest::newRow("heading without summary heading") << section.mid(0, 31) + QStringList{"", "Bonus"} << 33 << 15 << 0;
        QTest::newRow("blanks are no separator") << section.mid(0, 15) + QStringList{"   "} + section.mid(16) << 32 << 30 << 30;
        QTest::newRow("the first heading counts, short lines stored empty") << QStringList{"==>Alineaciones finales", "ab",
            "   Alineaciones finales", "abcd", "", "   Resumen del par"} << 6 << 4 << 4;
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
        QTEST(int(state.Inicio), "inicio");
        QTEST(int(state.Fin), "fin");
        for (int row = 0; row < MatchState::LineupRows; ++row)
            QCOMPARE(state.Alineaciones_Finales[row], row < count ? lines.at(row).mid(3) : u"fila anterior"_qs);
    }

    // A crest's GIF, and the sharper picture drawn where it shows larger: an
    // SVG before a PNG, each in any letter case.
    void crests_data()
    {
        QVERIFY(QDir(m_program.path()).mkdir("escudos"));
        // FUERA.gif lies beside the crest folder, which no key may reach.
        for (const char *name : {"escudos/ARIO.gif", "escudos/csie.gif", "escudos/Csie.gif", "escudos/CSIE.gif", "FUERA.gif",
                                 "FUERA.svg", "escudos/ARIO.png", "escudos/csie.png", "escudos/CSIE.svg"})
            QVERIFY(QFile(m_program.filePath(name)).open(QIODevice::WriteOnly));
        // Reading a pipe as a picture would wait for a writer for ever.
        QCOMPARE(mkfifo(qPrintable(m_program.filePath("tuberia")), 0600), 0);
        for (const char *name : {"escudos/PIPA.gif", "escudos/PIPA.svg"})
            QVERIFY(QFile::link(m_program.filePath("tuberia"), m_program.filePath(name)));

        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("sharp");
        QTest::newRow("exact name before names in another case; a drawing before a PNG")
            << "Csie" << m_program.filePath("escudos/Csie.gif") << m_program.filePath("escudos/CSIE.svg");
        QTest::newRow("name in another letter case; a PNG") << "ario" << m_program.filePath("escudos/ARIO.gif")
                                                             << m_program.filePath("escudos/ARIO.png");
        QTest::newRow("a path out of the folder") << "../FUERA" << QString() << QString();
        QTest::newRow("a link to a pipe is no crest") << "PIPA" << QString() << QString();
    }

    void crests()
    {
        QFETCH(QString, key);
        QTEST(crestFile(m_program.path(), key), "found");
        QTEST(sharpCrestFile(m_program.path(), key), "sharp");
    }
};

QTEST_GUILESS_MAIN(TestReportParts)
#include "tst_reportparts.moc"
