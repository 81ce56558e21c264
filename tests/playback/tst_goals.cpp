#include "lineups.h"

#include "playback/goals.h"
#include "playback/matchstate.h"
#include "playback/recentlines.h"

#include <QTest>

using Lineups::player;
using Lineups::players;

class TestGoals : public QObject
{
    Q_OBJECT

private slots:
    void buscarGol_data();
    void buscarGol();
};

void TestGoals::buscarGol_data()
{
    QTest::addColumn<QStringList>("homeRows");
    QTest::addColumn<QStringList>("awayRows");
    QTest::addColumn<bool>("inicioZero");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("away");
    QTest::addColumn<QStringList>("earlier"); // narration before the line, oldest first
    QTest::addColumn<QString>("line");
    QTest::addColumn<GoalSide>("side");
    QTest::addColumn<QString>("scorer"); // empty: no entry
    QTest::addColumn<int>("homeAfter");
    QTest::addColumn<int>("awayAfter");

    const QStringList home = players(Lineups::homeNames);
    const QStringList away = players(Lineups::awayNames);
    const QStringList none;

    QTest::newRow("first home goal") << home << away << false << 0 << 0 << none
        << "Min  23: Tomás Ruiz marca. 1 -- 0" << GoalSide::Home << "Tomás Ruiz(Gol,23)" << 1 << 0;
    QTest::newRow("away goal after a home goal") << home << away << false << 1 << 0 << none
        << "Min  23: Marco Díaz empata. 1 -- 1" << GoalSide::Away << "Marco Díaz(Gol,23)" << 1 << 1;
    QTest::newRow("both markers count as home only") << home << away << false << 0 << 0 << none
        << "Min  23: del 0 -- 0 al 1 -- 0, Luis Gil" << GoalSide::Home << "Luis Gil(Gol,23)" << 1 << 0;
    QTest::newRow("repeated score is an away goal") << home << away << false << 1 << 1 << none
        << "Min  23: Seguimos 1 -- 1" << GoalSide::Away << "" << 1 << 2;
    QTest::newRow("no marker") << home << away << false << 1 << 0 << none
        << "Min  23: Tomás Ruiz 2 - 0" << GoalSide::None << "" << 1 << 0;
    QTest::newRow("scorer two lines back") << home << away << false << 0 << 0
        << QStringList{"Min  22: Juan Perez se escapa", "        y dispara"}
        << "        ¡Gol! 1 -- 0" << GoalSide::Home << "Juan Perez(Gol,23)" << 1 << 0;
    QTest::newRow("current line wins over older") << home << away << false << 0 << 0
        << QStringList{"Min  22: Tomás Ruiz la pierde"}
        << "Min  23: Juan Perez marca 1 -- 0" << GoalSide::Home << "Juan Perez(Gol,23)" << 1 << 0;
    QTest::newRow("two players: first in the block") << home << away << false << 0 << 0 << none
        << "Min  23: Pelayo Soto para Luis Gil, 1 -- 0" << GoalSide::Home << "Luis Gil(Gol,23)" << 1 << 0;
    QTest::newRow("single-word name") << QStringList{player("Pelayo")} << away << false << 0 << 0 << none
        << "Min  23: Pelayo! 1 -- 0" << GoalSide::Home << "Pelayo(Gol,23)" << 1 << 0;
    QTest::newRow("0 at position 48 never listed")
        << QStringList{player("Tomás Ruiz", QLatin1Char('0')), player("Luis Gil")} << away << false << 0 << 0 << none
        << "Min  23: Tomás Ruiz marca 1 -- 0" << GoalSide::Home << "" << 1 << 0;
    QTest::newRow("row marked 0 skipped for the next")
        << QStringList{player("Tomás Ruiz", QLatin1Char('0')), player("Luis Gil")} << away << false << 0 << 0 << none
        << "Min  23: Tomás Ruiz y Luis Gil 1 -- 0" << GoalSide::Home << "Luis Gil(Gol,23)" << 1 << 0;
    QTest::newRow("unsplittable row before the scorer")
        << QStringList{player("Tomás Ruiz"), QStringLiteral("Zubizarreta"), player("Luis Gil")} << away << false
        << 0 << 0 << none << "Min  23: Luis Gil marca 1 -- 0" << GoalSide::Home << "" << 1 << 0;
    QTest::newRow("scorer before the unsplittable row")
        << QStringList{player("Tomás Ruiz"), QStringLiteral("Zubizarreta"), player("Luis Gil")} << away << false
        << 0 << 0 << none << "Min  23: Tomás Ruiz marca 1 -- 0" << GoalSide::Home << "Tomás Ruiz(Gol,23)" << 1 << 0;
    QTest::newRow("unsplittable row stops older lines")
        << QStringList{player("Tomás Ruiz"), QStringLiteral("Luis Gil")} << away << false << 0 << 0
        << QStringList{"Min  22: Tomás Ruiz dispara"} << "        ¡Gol! 1 -- 0" << GoalSide::Home << "" << 1 << 0;
    QTest::newRow("away goal ignores home players") << home << away << false << 1 << 0 << none
        << "Min  23: Tomás Ruiz en propia puerta, 1 -- 1" << GoalSide::Away << "" << 1 << 1;
    QTest::newRow("home goal ignores away players") << home << away << false << 0 << 0 << none
        << "Min  23: Marco Díaz la toca, 1 -- 0" << GoalSide::Home << "" << 1 << 0;
    QTest::newRow("Inicio 0: home goal counted unnamed") << home << away << true << 0 << 0 << none
        << "Min  23: Tomás Ruiz marca 1 -- 0" << GoalSide::Home << "" << 1 << 0;
    QTest::newRow("Inicio 0: away block runs from row 4")
        << QStringList{player("Tomás Ruiz"), player("Luis Gil")} << away << true << 1 << 0 << none
        << "Min  23: Luis Gil empata 1 -- 1" << GoalSide::Away << "Luis Gil(Gol,23)" << 1 << 1;
    QTest::newRow("home count stops at 32767") << home << away << false << 32767 << 0 << none
        << "Min  23: Tomás Ruiz 32768 -- 0" << GoalSide::Home << "Tomás Ruiz(Gol,23)" << 32767 << 0;
    QTest::newRow("away count stops at 32767") << home << away << false << 2 << 32767 << none
        << "Min  23: 2 -- 32768" << GoalSide::Away << "" << 2 << 32767;
}

void TestGoals::buscarGol()
{
    QFETCH(QStringList, homeRows);
    QFETCH(QStringList, awayRows);
    QFETCH(bool, inicioZero);
    QFETCH(int, home);
    QFETCH(int, away);
    QFETCH(QStringList, earlier);
    QFETCH(QString, line);
    QFETCH(GoalSide, side);
    QFETCH(QString, scorer);
    QFETCH(int, homeAfter);
    QFETCH(int, awayAfter);

    MatchState state;
    state.resetForOpening();
    Lineups::fill(state, homeRows, awayRows);
    if (inicioZero)
        state.Inicio = 0;
    state.Home = qint16(home);
    state.Away = qint16(away);
    state.Marc = QString::number(home + 1) + " --";
    state.Marc2 = QString::number(home) + " --";
    state.Minuto = 23;
    Lineups::reveal(state, earlier + QStringList{line});

    const GoalResult result = BUSCAR_GOL(state, line);

    QCOMPARE(result.side, side);
    QCOMPARE(result.scorer.has_value(), !scorer.isEmpty());
    if (result.scorer)
        QCOMPARE(*result.scorer, (ListEntry{side == GoalSide::Home ? 3 : 4, scorer}));
    QCOMPARE(int(state.Home), homeAfter);
    QCOMPARE(int(state.Away), awayAfter);
    // The markers follow the home count only.
    QCOMPARE(state.Marc, QString::number(homeAfter + 1) + " --");
    QCOMPARE(state.Marc2, QString::number(homeAfter) + " --");
}

QTEST_GUILESS_MAIN(TestGoals)
#include "tst_goals.moc"
