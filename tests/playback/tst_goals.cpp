#include "lineups.h"

#include "playback/goals.h"
#include "playback/matchstate.h"

#include <QTest>

using Lineups::player;

namespace {

struct Score
{
    int home;
    int away;
};

const QStringList Home = Lineups::players(Lineups::homeNames);

// One row: before the line the score is `before`; it ends as `after`, with
// the scorer listed (empty: none). The minute is 23; the away rows are the
// standard ones.
void row(const char *name, Score before, const QString &line, GoalSide side, const QString &scorer, Score after,
         const QStringList &homeRows = Home, const QStringList &earlier = {}, bool inicioZero = false)
{
    QTest::newRow(name) << homeRows << inicioZero << before.home << before.away << earlier << line << side << scorer
                        << after.home << after.away;
}

} // namespace

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
    QTest::addColumn<bool>("inicioZero");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("away");
    QTest::addColumn<QStringList>("earlier");
    QTest::addColumn<QString>("line");
    QTest::addColumn<GoalSide>("side");
    QTest::addColumn<QString>("scorer");
    QTest::addColumn<int>("homeAfter");
    QTest::addColumn<int>("awayAfter");

    const auto H = GoalSide::Home;
    const auto A = GoalSide::Away;
    const QStringList zeroMarked{player("Tomás Ruiz", u'0'), player("Luis Gil")};
    const QStringList unsplittable{player("Tomás Ruiz"), QStringLiteral("Zubizarreta"), player("Luis Gil")};

    row("first home goal", {0, 0}, "Min  23: Tomás Ruiz marca. 1 -- 0", H, "Tomás Ruiz(Gol,23)", {1, 0});
    row("away goal after a home goal", {1, 0}, "Min  23: Marco Díaz empata. 1 -- 1", A, "Marco Díaz(Gol,23)", {1, 1});
    row("both markers count as home only", {0, 0}, "Min  23: del 0 -- 0 al 1 -- 0, Luis Gil", H, "Luis Gil(Gol,23)",
        {1, 0});
    row("repeated score is an away goal", {1, 1}, "Min  23: Seguimos 1 -- 1", A, "", {1, 2});
    row("no marker", {1, 0}, "Min  23: Tomás Ruiz 2 - 0", GoalSide::None, "", {1, 0});
    row("scorer two lines back", {0, 0}, "        ¡Gol! 1 -- 0", H, "Juan Perez(Gol,23)", {1, 0}, Home,
        {"Min  22: Juan Perez se escapa", "        y dispara"});
    row("current line wins over older", {0, 0}, "Min  23: Juan Perez marca 1 -- 0", H, "Juan Perez(Gol,23)", {1, 0},
        Home, {"Min  22: Tomás Ruiz la pierde"});
    row("two players: first in the block", {0, 0}, "Min  23: Pelayo Soto para Luis Gil, 1 -- 0", H, "Luis Gil(Gol,23)",
        {1, 0});
    row("single-word name", {0, 0}, "Min  23: Pelayo! 1 -- 0", H, "Pelayo(Gol,23)", {1, 0}, {player("Pelayo")});
    row("0 at position 48 never listed, the next row is", {0, 0}, "Min  23: Tomás Ruiz y Luis Gil 1 -- 0", H,
        "Luis Gil(Gol,23)", {1, 0}, zeroMarked);
    row("unsplittable row before the scorer", {0, 0}, "Min  23: Luis Gil marca 1 -- 0", H, "", {1, 0}, unsplittable);
    row("unsplittable row stops older lines", {0, 0}, "        ¡Gol! 1 -- 0", H, "", {1, 0},
        {player("Tomás Ruiz"), QStringLiteral("Luis Gil")}, {"Min  22: Tomás Ruiz dispara"});
    row("away goal ignores home players", {1, 0}, "Min  23: Tomás Ruiz en propia puerta, 1 -- 1", A, "", {1, 1});
    row("Inicio 0: away block only, from row 4", {1, 0}, "Min  23: Luis Gil empata 1 -- 1", A, "Luis Gil(Gol,23)",
        {1, 1}, {player("Tomás Ruiz"), player("Luis Gil")}, {}, true);
    row("home count stops at 32767", {32767, 0}, "Min  23: Tomás Ruiz 32768 -- 0", H, "Tomás Ruiz(Gol,23)", {32767, 0});
}

void TestGoals::buscarGol()
{
    QFETCH(QStringList, homeRows);
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
    Lineups::fill(state, homeRows, Lineups::players(Lineups::awayNames));
    if (inicioZero)
        state.Inicio = 0;
    state.Home = qint16(home);
    state.Away = qint16(away);
    state.rebuildMarkers();
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
