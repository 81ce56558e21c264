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

// Shown by QCOMPARE when two cuts differ.
char *toString(const TeamsLine &t)
{
    return QTest::toString(QStringLiteral("cuts %1 [%2] [%3] [%4] [%5] [%6]")
                               .arg(t.cuts).arg(t.home, t.away, t.stadium, t.homeKey, t.awayKey));
}

namespace {

QByteArray bytes(const QStringList &lines)
{
    return lines.isEmpty() ? QByteArray() : lines.join("\r\n").toLatin1() + "\r\n";
}

// The closing section as the simulator lays it out, with `count` players a side.
QStringList closingSection(int count)
{
    QStringList lines{"   Alineaciones finales", "   Atletico Rio", "   ------------", "   Nombre     Pos  Min"};
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 Local%1     Ctro  90").arg(i, 2);
    lines << "" << "   Club Sierra" << "   -----------" << "   Nombre     Pos  Min";
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 Visita%1    Ctro  90").arg(i, 2);
    return lines << "" << "   Resumen del partido";
}

const QStringList Narration{"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor", "Comentarios",
                            "Min  1: Saque inicial.", "", "Resultado final: 0 -- 0", ""};
const QStringList Summary{"   Posesión 50% - 50%", "", "Bonus Local: 0"};

} // namespace

// What the window takes from a report when it opens it: the header and its
// teams line, the crests the team keys name, and the closing line-ups.
class TestReportParts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program = m_dir.filePath("programa");

private slots:
    void cutting_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<TeamsLine>("expected");

        QTest::newRow("the usual layout")
            << "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "Estadio Mayor (Valle)", "ARIO", "CSIE"};
        QTest::newRow("two blanks before the home key keep one")
            << "Atletico Rio  (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"
            << TeamsLine{5, "Atletico Rio ", "Club Sierra", "Estadio Mayor (Valle)", "ARIO", "CSIE"};
        QTest::newRow("stadium containing ) en stays whole")
            << "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio (Norte) en Valle"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "Estadio (Norte) en Valle", "ARIO", "CSIE"};
        QTest::newRow("no ) en: the stadium is cut from position 5") << "Atletico Rio (ARIO) vs. Club Sierra (CSIE)"
            << TeamsLine{5, "Atletico Rio", "Club Sierra", "tico Rio (ARIO) ", "ARIO", "CSIE"};
        QTest::newRow(") en before vs. bounds the stadium") << "Rio (ARIO) en Casa vs. Sierra (CSIE) al fondo"
            << TeamsLine{5, "Rio", "Sierra", "Casa vs. Sierra (CSI", "ARIO", "CSIE"};

        QTest::newRow("no ( at all") << "Atletico Rio vs. Club Sierra en Mayor" << TeamsLine{};
        QTest::newRow("away part without (")
            << "Atletico Rio (ARIO) vs. Club Sierra" << TeamsLine{1, "Atletico Rio", {}, {}, {}, {}};
        QTest::newRow("no ) at all") << "Atletico Rio (ARIO vs. Club Sierra (CSIE en Mayor"
                                     << TeamsLine{3, "Atletico Rio", "Club Sierra", "tico Rio (ARIO vs. Club ", {}, {}};
        QTest::newRow("away key without )") << "Atletico Rio (ARIO) vs. Club Sierra (CSIE en Mayor"
            << TeamsLine{4, "Atletico Rio", "Club Sierra", "tico Rio (ARIO) vs. Club", "ARIO", {}};
    }

    void cutting()
    {
        QFETCH(QString, line);
        QFETCH(TeamsLine, expected);

        QCOMPARE(cutTeamsLine(line), expected);
    }

    void reading_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("printed"); // how many of the first lines are printed
        QTest::addColumn<ReportFault>("fault");
        QTest::addColumn<TeamsLine>("teams");

        const QString teams = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)";
        const TeamsLine cut = cutTeamsLine(teams);
        const auto None = ReportFault::None;

        QTest::newRow("lines before Comentarios, empty ones too")
            << QStringList{"Liga Zinto", "", teams, "---- Comentarios ----", "Min  1: Saque"} << 3 << None << cut;
        QTest::newRow("only the first teams line is cut")
            << QStringList{teams, "Resumen: uno vs. otro", "Comentarios"} << 2 << None << cut;
        // Comentarios is tested first: its line ends the header even holding "vs.".
        QTest::newRow("VS. and Vs. are no teams line")
            << QStringList{"Rio (A) VS. Sierra (B) en X", "Rio (A) Vs. Sierra (B) en X", "Comentarios: A (X) vs. B (Y) en Z"}
            << 2 << ReportFault::NoTeamsLine << TeamsLine{};
        QTest::newRow("without Comentarios the whole report is header")
            << QStringList{teams, "Min  1: Saque"} << 2 << None << cut;
        QTest::newRow("empty report") << QStringList{} << 0 << ReportFault::Empty << TeamsLine{};
        QTest::newRow("failed cut ends at once, unprinted, keeping what was cut")
            << QStringList{"Uno", "Atletico Rio (ARIO) vs. Club Sierra", "Dos", "Comentarios"} << 1
            << ReportFault::TeamsLineUncut << TeamsLine{1, "Atletico Rio", {}, {}, {}, {}};
        QTest::newRow("NUL near the start: refused by the reader, nothing printed")
            << QStringList{"PNG", QStringLiteral("\x1a") + QChar(0) + teams} << 0 << ReportFault::NotText << TeamsLine{};
    }

    void reading()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, printed);
        QFETCH(ReportFault, fault);
        QFETCH(TeamsLine, teams);

        TextFileReader reader;
        reader.openBytes(bytes(lines));
        QStringList shown;
        const HeaderResult result = readHeader(reader, [&shown](const QString &line) { shown << line; });

        QCOMPARE(shown, lines.mid(0, printed));
        QCOMPARE(result.fault, fault);
        QCOMPARE(result.teams, teams);
        QVERIFY(!reader.isOpen());
    }

    void capture_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("first"); // the captured lines, each a row without its first three characters
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("fin");

        const QStringList section = closingSection(11);
        QTest::newRow("eleven players a side: 32 rows") << Narration + section + Summary << 6 << 32 << 15 << 30;
        QTest::newRow("summary heading as the 52nd line") << Narration + closingSection(21) << 6 << 51 << 25 << 0;
        QTest::newRow("heading without summary heading") << Narration + section.mid(0, 31) + Summary << 6 << 34 << 15 << 0;
        QStringList blanks = section;
        blanks[15] = "      ";
        QTest::newRow("a line of blanks is no separator") << Narration + blanks + Summary << 6 << 32 << 30 << 30;
        QTest::newRow("from the first heading on, short lines stored empty")
            << QStringList{"   Resumen del partido", "==>Alineaciones finales", "ab", "   Alineaciones finales", "abcd", "",
                           "   Resumen del par"}
            << 1 << 6 << 4 << 4;
    }

    void capture()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, inicio);
        QFETCH(int, fin);

        // Rows past the capture keep what a longer, earlier report left there.
        MatchState state;
        QStringList expected;
        for (int row = 0; row < MatchState::LineupRows; ++row) {
            state.Alineaciones_Finales[row] = QStringLiteral("fila anterior %1").arg(row);
            expected << (row < count ? lines.at(first + row).mid(3) : state.Alineaciones_Finales[row]);
        }
        state.Inicio = 99;
        state.Fin = 99;

        TextFileReader reader;
        QVERIFY(reader.openBytes(bytes(lines)));
        captureLineups(reader, state);

        QCOMPARE(state.Inicio, inicio);
        QCOMPARE(state.Fin, fin);
        QCOMPARE(QStringList(state.Alineaciones_Finales.begin(), state.Alineaciones_Finales.end()), expected);
        QVERIFY(!reader.isOpen());
    }

    void crests_data()
    {
        // A picture beside the crest folder, which no key may reach.
        QVERIFY(QDir().mkpath(m_program + "/escudos/CARPETA.gif"));
        for (const char *name : {"escudos/ARIO.gif", "escudos/csie.gif", "escudos/Csie.gif", "escudos/CSIE.gif", "FUERA.gif"})
            QVERIFY(QFile(m_program + '/' + name).open(QIODevice::WriteOnly));
        // Reading a pipe as a picture would wait for a writer for ever.
        QCOMPARE(mkfifo(qPrintable(m_program + "/tuberia"), 0600), 0);
        QVERIFY(QFile::link(m_program + "/tuberia", m_program + "/escudos/PIPA.gif"));

        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("found"); // relative to the program folder; empty for none

        QTest::newRow("exact name") << "ARIO" << "escudos/ARIO.gif";
        QTest::newRow("exact name before names in another case") << "Csie" << "escudos/Csie.gif";
        QTest::newRow("name in another letter case") << "ario" << "escudos/ARIO.gif";
        QTest::newRow("slash") << "../FUERA" << QString();
        QTest::newRow("backslash") << "..\\FUERA" << QString();
        QTest::newRow("NUL in the key") << (QStringLiteral("ARIO") + QChar(0) + "x") << QString();
        QTest::newRow("a folder is no crest") << "CARPETA" << QString();
        QTest::newRow("a link to a pipe is no crest") << "PIPA" << QString();
        QTest::newRow("nor in another letter case") << "pipa" << QString();
    }

    void crests()
    {
        QFETCH(QString, key);
        QFETCH(QString, found);
        QCOMPARE(crestFile(m_program, key), found.isEmpty() ? QString() : m_program + '/' + found);
        QCOMPARE(crestFile(m_dir.filePath("sin-escudos"), key), QString());
    }
};

QTEST_GUILESS_MAIN(TestReportParts)
#include "tst_reportparts.moc"
