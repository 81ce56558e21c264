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
};

void TestReportHeader::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("teamsLineFound");
    QTest::addColumn<TeamsLine>("teams");

    const TeamsLine cutTeams = cutTeamsLine(Teams);

    QTest::newRow("lines before Comentarios, empty ones too")
        << report({u"Liga Zinto"_qs, u""_qs, Teams, u"---- Comentarios ----"_qs, u"Min  1: Saque"_qs})
        << QStringList{u"Liga Zinto"_qs, u""_qs, Teams} << Status::Read << true << cutTeams;
    QTest::newRow("only the first teams line is cut")
        << report({Teams, u"Resumen: uno vs. otro"_qs, u"Comentarios"_qs})
        << QStringList{Teams, u"Resumen: uno vs. otro"_qs} << Status::Read << true << cutTeams;
    // Comentarios is tested first: its line ends the header even holding "vs.".
    QTest::newRow("VS. and Vs. are no teams line")
        << report({u"Rio (A) VS. Sierra (B) en X"_qs, u"Rio (A) Vs. Sierra (B) en X"_qs, u"Comentarios: A (X) vs. B (Y) en Z"_qs})
        << QStringList{u"Rio (A) VS. Sierra (B) en X"_qs, u"Rio (A) Vs. Sierra (B) en X"_qs}
        << Status::Read << false << TeamsLine{};
    QTest::newRow("without Comentarios the whole report is header")
        << report({Teams, u"Min  1: Saque"_qs}) << QStringList{Teams, u"Min  1: Saque"_qs} << Status::Read << true
        << cutTeams;
    QTest::newRow("empty report") << QByteArray() << QStringList{} << Status::EmptyReport << false << TeamsLine{};
    QTest::newRow("failed cut ends at once, unprinted, keeping what was cut")
        << report({u"Uno"_qs, u"Atletico Rio (ARIO) vs. Club Sierra"_qs, u"Dos"_qs, u"Comentarios"_qs})
        << QStringList{u"Uno"_qs} << Status::TeamsLineUncut << true
        << TeamsLine{1, u"Atletico Rio"_qs, {}, {}, {}, {}};
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
    QCOMPARE(result.teamsLineFound, teamsLineFound);
    QVERIFY(result.teams == teams);
    QVERIFY(!reader.isOpen());
}

QTEST_GUILESS_MAIN(TestReportHeader)
#include "tst_reportheader.moc"
