#include "round/roundcontroller.h"

#include "../support/reports.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)

using namespace reports;

namespace {

// What must end alike, in a round or alone.
auto finalOf(const PlaybackController &m) { return std::tuple(m.lists(), m.match().Home, m.match().Away, m.clock(), m.narration()); }

} // namespace

class TestRoundController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_written = 0;

    QStringList write(const QList<QByteArray> &reports)
    {
        QStringList paths;
        for (const QByteArray &bytes : reports)
            paths << written(m_dir.filePath(QStringLiteral("r%1.txt").arg(m_written++)), bytes);
        return paths;
    }

    // Plays a round as a user would: starts and continues whenever the
    // followed match stops, follows another as `how` says. Checks on the way
    // that the rows said to change are exactly those that did, and counts the
    // goals read in the followed match and in all.
    void play(RoundController &round, const QString &how, int *seen = nullptr, int *all = nullptr)
    {
        QRandomGenerator random(11);
        const auto rows = [&round] {
            QList<RoundRow> rows;
            for (int i = 0; i < round.rowCount(); ++i)
                rows << round.row(i);
            return rows;
        };
        QList<RoundRow> before = rows();
        bool switchedAtHalfTime = false;
        for (int step = 0; step < 200000 && !round.finished(); ++step) {
            const PlaybackController &f = round.followed();
            RoundChange change;
            bool byUser = true;
            if (f.state() == PlaybackState::Finished) {
                for (int i = 0; i < round.rowCount() && round.followed().state() == PlaybackState::Finished; ++i)
                    change = round.match(i) && round.match(i)->state() != PlaybackState::Finished ? round.follow(i) : change;
            } else if (f.state() == PlaybackState::HalfTime && how == u"half" && !switchedAtHalfTime) {
                change = round.follow((round.followedRow() + 1) % round.rowCount());
                switchedAtHalfTime = true;
            } else if (f.state() != PlaybackState::Running) {
                change = round.start();
                switchedAtHalfTime = false;
            } else if (how == u"random" && random.bounded(30) == 0) {
                change = round.follow(int(random.bounded(round.rowCount())));
            } else {
                byUser = false;
                change = round.tick();
                if (seen && !change.switched && (change.followed.homeScored || change.followed.awayScored))
                    ++*seen;
            }
            // Only the carrusel switches by itself, and says why; the goal's
            // ground is followed from the start of the goal's block.
            QCOMPARE(change.switched && !byUser, bool(change.banner));
            QVERIFY(!change.banner || (round.carrusel() && round.followed().narration().isEmpty()));
            const QList<RoundRow> after = rows();
            QList<int> changed;
            for (int i = 0; i < after.size(); ++i) {
                if (after.at(i) != before.at(i))
                    changed << i;
                if (all)
                    *all += after.at(i).homeGoals + after.at(i).awayGoals - before.at(i).homeGoals - before.at(i).awayGoals;
            }
            QCOMPARE(change.rows, changed);
            before = after;
        }
        QVERIFY(round.finished());
    }

private slots:
    // Whatever match is followed and whenever the user switches, every match
    // ends exactly as its replay alone. (The shipped samples in a round are
    // the chronicle's test.)
    void everyMatchEndsAsAlone_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"first", "last", "half", "random", "carrusel"})
            QTest::newRow(how) << QString(how);
    }

    void everyMatchEndsAsAlone()
    {
        QFETCH(QString, how);
        const QStringList paths = write({generated({1}), generated({2}), generated({3}), generated({4}), generated({5}),
                                         generated({6}), generated({7, 0}), generated({8, 45, true, 70}),
                                         generated({9, 45, false}), generated({10, 0, true, 30})});
        RoundController round;
        QCOMPARE(round.open(paths), std::nullopt);
        if (how == u"last")
            QVERIFY(round.follow(round.rowCount() - 1).switched);
        round.setCarrusel(how == u"carrusel");
        int seen = 0, all = 0;
        play(round, how, &seen, &all);
        // Following the goals, every goal is read in the followed match.
        QCOMPARE(seen == all, how == u"carrusel");
        for (int i = 0; i < paths.size(); ++i) {
            PlaybackController alone;
            playReport(alone, paths.at(i));
            QVERIFY2(finalOf(*round.match(i)) == finalOf(alone), qPrintable(paths.at(i)));
        }
    }

    // Where another match stands when the followed one stops at half time
    // or full time, or has passed a minute.
    void halfAndFullTime_data()
    {
        QTest::addColumn<QByteArrayList>("reports"); // the followed match and another
        QTest::addColumn<int>("untilMinute");
        QTest::addColumn<PlaybackState>("state");
        QTest::addColumn<QString>("clock"); // empty: at the followed match's minute at most

        const QByteArray normal = generated({21});
        using S = PlaybackState;
        QTest::newRow("the other stops at its own half time") << QByteArrayList{normal, generated({22})} << 99 << S::HalfTime << "45";
        QTest::newRow("the other has no half-time line: it stops where it is")
            << QByteArrayList{normal, generated({23, 0})} << 99 << S::Paused << "";
        QTest::newRow("the other reaches its half time earlier and waits")
            << QByteArrayList{normal, generated({29, 30})} << 40 << S::HalfTime << "45";
        QTest::newRow("the followed ends early: the other runs to its end")
            << QByteArrayList{generated({25, 0, true, 60}), normal} << 99 << S::Finished << "90";
        QTest::newRow("the followed has no half-time line: the other does not wait at its own")
            << QByteArrayList{generated({28, 0}), normal} << 80 << S::Running << "";
    }

    void halfAndFullTime()
    {
        QFETCH(QByteArrayList, reports);
        QFETCH(int, untilMinute);
        QFETCH(QString, clock);
        RoundController round;
        round.open(write(reports));
        round.start();
        const PlaybackController &f = round.followed();
        bool paused = false;
        for (int i = 0; i < 10000 && f.clockRunning() && f.match().Minuto < untilMinute; ++i) {
            // A pause, a look at the other match, stopped too, and back
            // change nothing.
            if (f.match().Minuto >= 35 && !std::exchange(paused, true)) {
                round.pause();
                round.follow(1);
                QVERIFY(!round.followed().clockRunning());
                round.follow(0);
                round.start();
            }
            round.tick();
        }
        QTEST(round.match(1)->state(), "state");
        QVERIFY2(clock.isEmpty() ? round.match(1)->clock().toInt() <= f.match().Minuto : round.match(1)->clock() == clock,
                 qPrintable(round.match(1)->clock()));
    }

    // (The limit of 40 reports is the round window's test.)
    void opening_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("followed");

        // Why a report cannot be opened is the report reader's test.
        QTest::newRow("a report that cannot be opened is a row; the first match is followed")
            << QStringList{"falta.txt", "a.txt", "b.txt"} << QStringList{"No se pudo abrir: falta.txt", "Local a", "Local b"} << 1;
        QTest::newRow("the same file twice is one row")
            << QStringList{"a.txt", "otra/../a.txt", "b.txt", "a.txt"} << QStringList{"Local a", "Local b"} << 0;
    }

    void opening()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, rows);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("otra"));
        QStringList paths;
        for (const QString &name : names) {
            paths << dir.filePath(name);
            if (name != u"falta.txt")
                writeFile(paths.last(), report("Local " + QFileInfo(name).baseName(), {}));
        }
        RoundController round;
        QCOMPARE(round.open(paths), std::nullopt);
        QCOMPARE(round.rowCount(), rows.size());
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(round.row(i).failure.isEmpty() ? round.row(i).home : round.row(i).failure, rows.at(i));
        QTEST(round.followedRow(), "followed");
        // The matches play; the reports that failed stay as they are.
        play(round, "first");
        for (int i = 0; i < round.rowCount(); ++i)
            QCOMPARE(round.row(i).minute, round.match(i) ? QStringLiteral("90") : QString());
    }

    // The latest event of each row, and the results copied at the end, home
    // scorers first: goals both ways; away goals only, one scorer not found;
    // a goal without a scorer names the team; no event at all.
    void eventsAndResults()
    {
        const auto blocks = [](const QStringList &lines) {
            QList<QStringList> blocks;
            for (const QString &line : lines)
                blocks << QStringList{minuteLine(line.section(u' ', 0, 0).toInt(), line.section(u' ', 1))};
            return blocks;
        };
        RoundController round;
        round.open(write({report("Local w", blocks({"12 Juan Pérez marca. 1 -- 0", "41 Pablo Ortega empata. 1 -- 1",
                                                    "67 Luis Gil: 2 -- 1"})),
                          report("Local x", blocks({"30 Gol visitante. 0 -- 1", "50 Mario Vega: 0 -- 2",
                                                    "52 Cambio: Luis Gil sale por Tomás Ruiz."})),
                          report("Local y", blocks({"9 Gol. 1 -- 0"})), report("Local z", {})}));
        play(round, "first");
        QCOMPARE(QStringList({round.row(0).event, round.row(1).event, round.row(2).event, round.row(3).event}),
                 QStringList({"Gol de Luis Gil (67')", "Cambio: Luis Gil por Tomás Ruiz (52')", "Gol de Local y (9')", ""}));
        QCOMPARE(round.resultsText(), "Local w 2 - 1 Visitante Local w (Pérez 12', Gil 67'; Ortega 41')\n"
                                      "Local x 0 - 2 Visitante Local x (-; ? 30', Vega 50')\n"
                                      "Local y 1 - 0 Visitante Local y (? 9'; -)\nLocal z 0 - 0 Visitante Local z\n");
    }
};

QTEST_GUILESS_MAIN(TestRoundController)
#include "tst_roundcontroller.moc"
