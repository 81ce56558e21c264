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

// Before the line the score is `before`; it ends as `after`, with the scorer
// listed (empty: none). The minute is 23; the away rows are the standard ones.
struct Goal
{
    Score before;
    QString line;
    GoalSide side;
    QString scorer;
    Score after;
    QStringList homeRows = Lineups::players(Lineups::homeNames);
    QStringList earlier = {};
    bool inicioZero = false;
};

} // namespace

Q_DECLARE_METATYPE(Goal)

class TestGoals : public QObject
{
    Q_OBJECT

private slots:
    void buscarGol_data()
    {
        QTest::addColumn<Goal>("goal");

        const auto H = GoalSide::Home;
        const auto A = GoalSide::Away;
        const QStringList home = Lineups::players(Lineups::homeNames);
        const QStringList zeroMarked{player("Tomás Ruiz", u'0'), player("Luis Gil")};
        const QStringList unsplittable{player("Tomás Ruiz"), "Zubizarreta", player("Luis Gil")};

        QTest::newRow("first home goal") << Goal{{0, 0}, "Min  23: Tomás Ruiz marca. 1 -- 0", H, "Tomás Ruiz(Gol,23)", {1, 0}};
        QTest::newRow("away goal after a home goal")
            << Goal{{1, 0}, "Min  23: Marco Díaz empata. 1 -- 1", A, "Marco Díaz(Gol,23)", {1, 1}};
        QTest::newRow("both markers count as home only")
            << Goal{{0, 0}, "Min  23: del 0 -- 0 al 1 -- 0, Luis Gil", H, "Luis Gil(Gol,23)", {1, 0}};
        QTest::newRow("repeated score is an away goal") << Goal{{1, 1}, "Min  23: Seguimos 1 -- 1", A, "", {1, 2}};
        QTest::newRow("scorer two lines back") << Goal{{0, 0}, "        ¡Gol! 1 -- 0", H, "Juan Perez(Gol,23)", {1, 0}, home,
                                                       {"Min  22: Juan Perez se escapa", "        y dispara"}};
        QTest::newRow("two players: first in the block")
            << Goal{{0, 0}, "Min  23: Pelayo Soto para Luis Gil, 1 -- 0", H, "Luis Gil(Gol,23)", {1, 0}};
        QTest::newRow("single-word name")
            << Goal{{0, 0}, "Min  23: Pelayo! 1 -- 0", H, "Pelayo(Gol,23)", {1, 0}, {player("Pelayo")}};
        QTest::newRow("0 at position 48 never listed, the next row is")
            << Goal{{0, 0}, "Min  23: Tomás Ruiz y Luis Gil 1 -- 0", H, "Luis Gil(Gol,23)", {1, 0}, zeroMarked};
        QTest::newRow("unsplittable row before the scorer")
            << Goal{{0, 0}, "Min  23: Luis Gil marca 1 -- 0", H, "", {1, 0}, unsplittable};
        QTest::newRow("unsplittable row stops older lines") << Goal{{0, 0}, "        ¡Gol! 1 -- 0", H, "", {1, 0},
            {player("Tomás Ruiz"), "Luis Gil"}, {"Min  22: Tomás Ruiz dispara"}};
        QTest::newRow("Inicio 0: away block only, from row 4") << Goal{{1, 0}, "Min  23: Luis Gil empata 1 -- 1", A,
            "Luis Gil(Gol,23)", {1, 1}, {player("Tomás Ruiz"), player("Luis Gil")}, {}, true};
        QTest::newRow("home count stops at 32767")
            << Goal{{32767, 0}, "Min  23: Tomás Ruiz 32768 -- 0", H, "Tomás Ruiz(Gol,23)", {32767, 0}};
    }

    void buscarGol()
    {
        QFETCH(Goal, goal);

        MatchState state;
        Lineups::fill(state, goal.homeRows, Lineups::players(Lineups::awayNames));
        if (goal.inicioZero)
            state.Inicio = 0;
        state.Home = qint16(goal.before.home);
        state.Away = qint16(goal.before.away);
        state.rebuildMarkers();
        state.Minuto = 23;
        Lineups::reveal(state, goal.earlier + QStringList{goal.line});

        const GoalResult result = BUSCAR_GOL(state, goal.line);

        QCOMPARE(result.side, goal.side);
        QCOMPARE(result.scorer.has_value(), !goal.scorer.isEmpty());
        if (result.scorer)
            QCOMPARE(*result.scorer, (ListEntry{goal.side == GoalSide::Home ? 3 : 4, goal.scorer}));
        QCOMPARE(int(state.Home), goal.after.home);
        QCOMPARE(int(state.Away), goal.after.away);
        // The markers follow the home count only.
        QCOMPARE(state.Marc, QString::number(goal.after.home + 1) + " --");
        QCOMPARE(state.Marc2, QString::number(goal.after.home) + " --");
    }
};

QTEST_GUILESS_MAIN(TestGoals)
#include "tst_goals.moc"
