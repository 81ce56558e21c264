#include "report/reportheader.h"
#include "report/reportreader.h"

#include <QTest>

using Status = HeaderResult::Status;

namespace {

const QString Teams = u"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)"_qs;

QByteArray report(const QStringList &lines)
{
    return lines.join(u"\r\n").toLatin1() + "\r\n";
}

} // namespace

class TestReportHeader : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void unopenedReport();
};

void TestReportHeader::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("teamsLineFound");
    QTest::addColumn<TeamsLine>("teams");

    const TeamsLine cutTeams = cutTeamsLine(Teams);

    QStringList header;
    for (int i = 1; i <= 12; ++i)
        header << (i == 4 ? Teams : QStringLiteral("Cabecera %1").arg(i));
    QTest::newRow("twelve header lines before Comentarios")
        << report(header + QStringList{u"---- Comentarios ----"_qs, u"Min  1: Saque"_qs, u"Cabecera 13"_qs})
        << header << Status::Read << true << cutTeams;

    QTest::newRow("empty lines of the header are printed")
        << report({u""_qs, Teams, u""_qs, u"Comentarios"_qs})
        << QStringList{u""_qs, Teams, u""_qs} << Status::Read << true << cutTeams;

    QTest::newRow("VS. and Vs. are no teams line")
        << report({u"Rio (A) VS. Sierra (B) en X"_qs, u"Rio (A) Vs. Sierra (B) en X"_qs, u"Comentarios"_qs})
        << QStringList{u"Rio (A) VS. Sierra (B) en X"_qs, u"Rio (A) Vs. Sierra (B) en X"_qs}
        << Status::Read << false << TeamsLine{};

    QTest::newRow("vs. inside a word marks the teams line")
        << report({u"Rio (A) Elvs. Sierra (B) en X"_qs, u"Comentarios"_qs})
        << QStringList{u"Rio (A) Elvs. Sierra (B) en X"_qs} << Status::Read << true
        << TeamsLine{5, u"Rio"_qs, u"Sierra"_qs, u"X"_qs, u"A"_qs, u"B"_qs};

    QTest::newRow("only the first teams line is cut")
        << report({Teams, u"Resumen: uno vs. otro"_qs, u"Comentarios"_qs})
        << QStringList{Teams, u"Resumen: uno vs. otro"_qs} << Status::Read << true << cutTeams;

    QTest::newRow("without Comentarios the whole report is header")
        << report({u"Uno"_qs, Teams, u"Min  1: Saque"_qs, u"Resultado final: 1 -- 0"_qs})
        << QStringList{u"Uno"_qs, Teams, u"Min  1: Saque"_qs, u"Resultado final: 1 -- 0"_qs}
        << Status::Read << true << cutTeams;

    QTest::newRow("without teams line")
        << report({u"Uno"_qs, u"Dos"_qs, u"Comentarios"_qs})
        << QStringList{u"Uno"_qs, u"Dos"_qs} << Status::Read << false << TeamsLine{};

    QTest::newRow("Comentarios as the first line")
        << report({u"Comentarios"_qs, Teams}) << QStringList{} << Status::Read << false << TeamsLine{};

    QTest::newRow("a line with Comentarios and vs. ends the header")
        << report({u"Uno"_qs, u"Comentarios: A (X) vs. B (Y) en Z"_qs})
        << QStringList{u"Uno"_qs} << Status::Read << false << TeamsLine{};

    QTest::newRow("empty report") << QByteArray() << QStringList{} << Status::EmptyReport << false << TeamsLine{};

    QTest::newRow("failed cut ends at once, unprinted")
        << report({u"Uno"_qs, u"Atletico Rio (ARIO) vs. Club Sierra"_qs, u"Dos"_qs, u"Comentarios"_qs})
        << QStringList{u"Uno"_qs} << Status::TeamsLineUncut << true
        << TeamsLine{1, u"Atletico Rio"_qs, {}, {}, {}, {}};

    QTest::newRow("failed cut keeps what was cut before")
        << report({u"Atletico Rio) (ARIO vs. Club Sierra (CSIE) en Mayor"_qs, u"Comentarios"_qs})
        << QStringList{} << Status::TeamsLineUncut << true
        << TeamsLine{3, u"Atletico Rio)"_qs, u"Club Sierra"_qs, u"Mayor"_qs, {}, {}};
}

void TestReportHeader::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, printed);
    QFETCH(Status, status);
    QFETCH(bool, teamsLineFound);
    QFETCH(TeamsLine, teams);

    ReportReader reader;
    QVERIFY(reader.openBytes(bytes));
    QStringList lines;
    const HeaderResult result = readHeader(reader, [&lines](const QString &line) { lines << line; });

    QCOMPARE(lines, printed);
    QCOMPARE(result.status, status);
    QCOMPARE(result.ok(), status == Status::Read);
    QCOMPARE(result.teamsLineFound, teamsLineFound);
    QVERIFY(result.teams == teams);
    QVERIFY(!reader.isOpen());
}

void TestReportHeader::unopenedReport()
{
    ReportReader reader;
    QVERIFY(!reader.open(u"/no/existe/partido.txt"_qs));
    int printed = 0;
    const HeaderResult result = readHeader(reader, [&printed](const QString &) { ++printed; });
    QCOMPARE(result.status, Status::EmptyReport);
    QCOMPARE(printed, 0);
}

QTEST_GUILESS_MAIN(TestReportHeader)
#include "tst_reportheader.moc"
