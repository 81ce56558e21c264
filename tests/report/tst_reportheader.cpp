#include "report/reportheader.h"
#include "report/reportreader.h"

#include <QTest>

using Status = HeaderResult::Status;

// Shown by QCOMPARE when two cuts differ.
char *toString(const TeamsLine &t)
{
    return QTest::toString(QStringLiteral("cuts %1 [%2] [%3] [%4] [%5] [%6]")
                               .arg(t.cuts).arg(t.home, t.away, t.stadium, t.homeKey, t.awayKey));
}

// The header of a report and the teams line cut from it.
class TestReportHeader : public QObject
{
    Q_OBJECT

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
        QTest::newRow("away part without (") << "Atletico Rio (ARIO) vs. Club Sierra" << TeamsLine{1, "Atletico Rio"};
        QTest::newRow("no ) at all") << "Atletico Rio (ARIO vs. Club Sierra (CSIE en Mayor"
                                     << TeamsLine{3, "Atletico Rio", "Club Sierra", "tico Rio (ARIO vs. Club "};
        QTest::newRow("away key without )") << "Atletico Rio (ARIO) vs. Club Sierra (CSIE en Mayor"
                                            << TeamsLine{4, "Atletico Rio", "Club Sierra", "tico Rio (ARIO) vs. Club", "ARIO"};
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
        QTest::addColumn<Status>("status");
        QTest::addColumn<bool>("teamsLineFound");
        QTest::addColumn<TeamsLine>("teams");

        const QString teams = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)";
        const TeamsLine cut = cutTeamsLine(teams);
        const auto Read = Status::Read;

        QTest::newRow("lines before Comentarios, empty ones too")
            << QStringList{"Liga Zinto", "", teams, "---- Comentarios ----", "Min  1: Saque"} << 3 << Read << true << cut;
        QTest::newRow("only the first teams line is cut")
            << QStringList{teams, "Resumen: uno vs. otro", "Comentarios"} << 2 << Read << true << cut;
        // Comentarios is tested first: its line ends the header even holding "vs.".
        QTest::newRow("VS. and Vs. are no teams line")
            << QStringList{"Rio (A) VS. Sierra (B) en X", "Rio (A) Vs. Sierra (B) en X", "Comentarios: A (X) vs. B (Y) en Z"}
            << 2 << Read << false << TeamsLine{};
        QTest::newRow("without Comentarios the whole report is header")
            << QStringList{teams, "Min  1: Saque"} << 2 << Read << true << cut;
        QTest::newRow("empty report") << QStringList{} << 0 << Status::EmptyReport << false << TeamsLine{};
        QTest::newRow("failed cut ends at once, unprinted, keeping what was cut")
            << QStringList{"Uno", "Atletico Rio (ARIO) vs. Club Sierra", "Dos", "Comentarios"} << 1
            << Status::TeamsLineUncut << true << TeamsLine{1, "Atletico Rio"};
    }

    void reading()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, printed);
        QFETCH(Status, status);
        QFETCH(bool, teamsLineFound);
        QFETCH(TeamsLine, teams);

        ReportReader reader;
        QVERIFY(reader.openBytes(lines.isEmpty() ? QByteArray() : lines.join("\r\n").toLatin1() + "\r\n"));
        QStringList shown;
        const HeaderResult result = readHeader(reader, [&shown](const QString &line) { shown << line; });

        QCOMPARE(shown, lines.mid(0, printed));
        QCOMPARE(result.status, status);
        QCOMPARE(result.teamsLineFound, teamsLineFound);
        QCOMPARE(result.teams, teams);
        QVERIFY(!reader.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestReportHeader)
#include "tst_reportheader.moc"
