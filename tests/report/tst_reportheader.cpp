#include "report/reportheader.h"
#include "report/reportreader.h"

#include <QTest>

using Status = HeaderResult::Status;

class TestReportHeader : public QObject
{
    Q_OBJECT

private slots:
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
        QVERIFY(result.teams == teams);
        QVERIFY(!reader.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestReportHeader)
#include "tst_reportheader.moc"
