#include "round/roundcontroller.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)

namespace {

const QStringList Home{"Juan Pérez", "Luis Gil", "Diego Sanz", "Tomás Ruiz"};
const QStringList Away{"Mario Vega", "Pablo Ortega", "Iván Molina", "Raúl Soto"};

QString minuteLine(int minute, const QString &text)
{
    return QStringLiteral("Min. %1: ").arg(minute, 2) + text;
}

// A report as the simulator writes it around the given narration blocks:
// header, the half-time line before the first block past the minute half
// (none for 0), the full-time line (if asked), the line-ups of the names above.
QByteArray report(const QString &name, const QList<QStringList> &blocks, int half = 45, bool fullTime = true)
{
    QStringList lines{"LIGA DE PRUEBA", name + " (L) vs. Visitante " + name + " (V) en Estadio Mayor", "Comentarios", ""};
    bool halfDone = half == 0;
    for (const QStringList &block : blocks) {
        if (!halfDone && block.first().mid(5, 2).toInt() > half) {
            lines << "Marcador al descanso: " + name << QString();
            halfDone = true;
        }
        lines << block << QString();
    }
    if (fullTime)
        lines << "Resultado final: " + name << QString();
    lines << "Alineaciones finales";
    for (const QStringList *team : {&Home, &Away}) {
        lines << "   Equipo" << "Nº Jugador" << "-- --------";
        for (const QString &player : *team)
            lines << "01 " + player.leftJustified(21) + "DEL";
        lines << QString();
    }
    lines << "Resumen del partido";
    return QStringEncoder("windows-1252")(lines.join("\r\n") + "\r\n");
}

struct Shape
{
    quint32 seed = 1;
    int half = 45;
    bool fullTime = true;
    int lastMinute = 90;
};

// A match of random blocks, some minutes with several: goals both ways,
// bookings, sendings-off, substitutions.
QByteArray generated(const Shape &shape)
{
    QRandomGenerator random(shape.seed);
    QList<QStringList> blocks;
    int score[2] = {0, 0};
    for (int minute = 1; minute <= shape.lastMinute; minute += int(random.bounded(3))) {
        const int side = int(random.bounded(2));
        const QStringList &team = side ? Away : Home;
        const QString who = team.at(int(random.bounded(4)));
        switch (random.bounded(9)) {
        case 0:
            ++score[side];
            blocks << QStringList{minuteLine(minute, who + " dispara..."),
                                  QStringLiteral("        ¡GOL! %1 -- %2").arg(score[0]).arg(score[1])};
            break;
        case 1: blocks << QStringList{minuteLine(minute, who + " es amonestado.")}; break;
        case 2: blocks << QStringList{minuteLine(minute, who + " es expulsado con roja directa.")}; break;
        case 3: blocks << QStringList{minuteLine(minute, "Cambio: " + team.at(0) + " sale por " + team.at(3) + ".")}; break;
        default: blocks << QStringList{minuteLine(minute, "Juego en el centro del campo."), "        Nada más."};
        }
    }
    return report(QStringLiteral("Local %1").arg(shape.seed), blocks, shape.half, shape.fullTime);
}

// What must end alike, in a round or alone.
auto finalOf(const PlaybackController &match)
{
    return std::tuple(match.lists(), match.match().Home, match.match().Away, match.clock(), match.narration());
}

auto alone(const QString &path)
{
    PlaybackController match;
    match.open(path);
    match.start();
    for (int i = 0; i < 100000 && match.reportOpen(); ++i) {
        match.tick();
        if (match.state() == PlaybackState::HalfTime)
            match.start();
    }
    return finalOf(match);
}

} // namespace

class TestRoundController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_written = 0;

    QStringList write(const QList<QByteArray> &reports)
    {
        QStringList paths;
        for (const QByteArray &bytes : reports) {
            QFile file(m_dir.filePath(QStringLiteral("r%1.txt").arg(m_written++)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write a report");
            paths << file.fileName();
        }
        return paths;
    }

    // Plays a round as a user would: starts and continues whenever the
    // followed match stops, follows another as `how` says. Checks on the way
    // that the rows said to change are exactly those that did, and counts the
    // goals read in the followed match and in all.
    void play(RoundController &round, const QString &how, int *seen = nullptr, int *all = nullptr)
    {
        QRandomGenerator random(11);
        const auto rowsOf = [&] {
            QList<RoundRow> rows;
            for (int i = 0; i < round.rowCount(); ++i)
                rows << round.row(i);
            return rows;
        };
        QList<RoundRow> before = rowsOf();
        bool switchedAtHalfTime = false;
        for (int step = 0; step < 200000 && !round.finished(); ++step) {
            const PlaybackController &f = round.followed();
            RoundChange change;
            bool byUser = true;
            if (f.state() == PlaybackState::Finished) {
                for (int i = 0; i < round.rowCount() && round.followed().state() == PlaybackState::Finished; ++i) {
                    if (round.match(i) && round.match(i)->state() != PlaybackState::Finished)
                        change = round.follow(i);
                }
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
            // Once the followed match reads a minute, no other match is past
            // it; the carrusel keeps one a few lines behind, before a goal.
            const bool minuteRead = change.followed.clock && f.state() == PlaybackState::Running;
            for (int i = 0; i < round.rowCount() && minuteRead && !round.carrusel() && !change.switched; ++i) {
                if (round.match(i) && round.match(i)->state() == PlaybackState::Running)
                    QVERIFY(round.match(i)->match().Minuto <= f.match().Minuto);
            }
            const QList<RoundRow> after = rowsOf();
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
    // ends exactly as its replay alone.
    void everyMatchEndsAsAlone_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("how");

        QStringList samples;
        for (const QString &name : QDir(TEZMARO_SOURCE_DIR "/ejemplos").entryList({"*.txt"}))
            samples << TEZMARO_SOURCE_DIR "/ejemplos/" + name;
        QList<QByteArray> shapes;
        for (quint32 seed = 1; seed <= 6; ++seed)
            shapes << generated({seed});
        shapes << generated({7, 0}) << generated({8, 45, true, 70}) << generated({9, 45, false})
               << generated({10, 0, true, 30});
        const QStringList made = write(shapes);
        for (const auto &[round, paths] : {std::pair{"samples", samples}, std::pair{"generated", made}}) {
            for (const char *how : {"first", "last", "half", "random", "carrusel"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(round, how))) << paths << QString(how);
        }
    }

    void everyMatchEndsAsAlone()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, how);
        RoundController round;
        QCOMPARE(round.open(paths), std::nullopt);
        if (how == u"last")
            QVERIFY(round.follow(round.rowCount() - 1).switched);
        round.setCarrusel(how == u"carrusel");
        int seen = 0;
        int all = 0;
        play(round, how, &seen, &all);
        // Following the goals, every goal is read in the followed match.
        QCOMPARE(seen == all, how == u"carrusel");
        for (int i = 0; i < paths.size(); ++i)
            QVERIFY2(finalOf(*round.match(i)) == alone(paths.at(i)), qPrintable(paths.at(i)));
    }

    // Where another match stands when the followed one stops at half time
    // or full time, or has passed a minute.
    void halfAndFullTime_data()
    {
        QTest::addColumn<QByteArray>("followed");
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<int>("untilMinute");
        QTest::addColumn<PlaybackState>("state");
        QTest::addColumn<QString>("clock");

        const QByteArray normal = generated({21});
        using S = PlaybackState;
        QTest::newRow("the other stops at its own half time") << normal << generated({22}) << 99 << S::HalfTime << "45";
        // No clock: at the followed match's minute at most.
        QTest::newRow("the other has no half-time line: it stops where it is")
            << normal << generated({23, 0}) << 99 << S::Paused << "";
        QTest::newRow("the other reaches its half time earlier and waits")
            << normal << generated({29, 30}) << 40 << S::HalfTime << "45";
        QTest::newRow("the followed ends early: the other runs to its end")
            << generated({25, 0, true, 60}) << normal << 99 << S::Finished << "90";
        QTest::newRow("the followed has no half-time line: the other does not wait at its own")
            << generated({28, 0}) << normal << 80 << S::Running << "";
    }

    void halfAndFullTime()
    {
        QFETCH(QByteArray, followed);
        QFETCH(QByteArray, other);
        QFETCH(int, untilMinute);
        RoundController round;
        round.open(write({followed, other}));
        round.start();
        const PlaybackController &f = round.followed();
        bool paused = false;
        for (int i = 0; i < 10000 && f.clockRunning() && f.match().Minuto < untilMinute; ++i) {
            // A pause, a look at the other match, stopped too, and back
            // change nothing.
            if (!paused && f.match().Minuto >= 35) {
                paused = true;
                round.pause();
                round.follow(1);
                QVERIFY(!round.followed().clockRunning());
                round.follow(0);
                round.start();
            }
            round.tick();
        }
        QFETCH(QString, clock);
        QTEST(round.match(1)->state(), "state");
        if (clock.isEmpty())
            QVERIFY(round.match(1)->clock().toInt() <= f.match().Minuto);
        else
            QCOMPARE(round.match(1)->clock(), clock);
    }

    void opening_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("followed");
        QTest::addColumn<bool>("refused");

        // Why a report cannot be opened is the report reader's test.
        QTest::newRow("a report that cannot be opened is a row; the first match is followed")
            << QStringList{"falta.txt", "a.txt", "b.txt"} << QStringList{"No se pudo abrir: falta.txt", "Local a", "Local b"}
            << 1 << false;
        QTest::newRow("the same file twice is one row")
            << QStringList{"a.txt", "otra/../a.txt", "b.txt", "a.txt"} << QStringList{"Local a", "Local b"} << 0 << false;
        QStringList forty;
        for (int i = 0; i < RoundController::MaxReports; ++i)
            forty << QStringLiteral("p%1.txt").arg(i);
        QTest::newRow("40 reports") << forty << QStringList() << 0 << false;
        QTest::newRow("41 reports are refused, the round before stays")
            << forty + QStringList{"p40.txt"} << QStringList{"Local a"} << 0 << true;
    }

    void opening()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, rows);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("otra"));
        QStringList paths;
        for (const QString &name : names + QStringList{"a.txt"}) {
            QFile file(dir.filePath(name));
            paths << file.fileName();
            if (name != u"falta.txt" && file.open(QIODevice::WriteOnly))
                file.write(report("Local " + QFileInfo(name).baseName(), {}));
        }
        paths.removeLast();

        RoundController round;
        round.open({dir.filePath("a.txt")});
        const std::optional<QString> refusal = round.open(paths);
        QCOMPARE(refusal.has_value(), refused);
        if (refused)
            QVERIFY(refusal->contains(u"40"));
        QCOMPARE(round.rowCount(), rows.isEmpty() ? names.size() : rows.size());
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(round.row(i).failure.isEmpty() ? round.row(i).home : round.row(i).failure, rows.at(i));
        QTEST(round.followedRow(), "followed");
        // The matches play; the reports that failed stay as they are.
        play(round, "first");
        for (int i = 0; i < round.rowCount(); ++i)
            QCOMPARE(round.row(i).minute, round.match(i) ? QStringLiteral("90") : QString());
    }

    // The latest event of a row and the results copied at the end.
    void eventsAndResults_data()
    {
        QTest::addColumn<QStringList>("narration"); // one block per line: minute, blank, text
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("result");

        QTest::newRow("goals both ways")
            << QStringList{"12 Juan Pérez marca. 1 -- 0", "41 Pablo Ortega empata. 1 -- 1", "67 Luis Gil: 2 -- 1"}
            << "Gol de Luis Gil (67')" << "Local x 2 - 1 Visitante Local x (Pérez 12', Gil 67'; Ortega 41')";
        QTest::newRow("no goals") << QStringList{"78 Diego Sanz es expulsado del campo."} << "Roja: Diego Sanz (78')"
                                  << "Local x 0 - 0 Visitante Local x";
        QTest::newRow("away goals only, one scorer not found")
            << QStringList{"30 Gol visitante. 0 -- 1", "50 Mario Vega: 0 -- 2", "52 Cambio: Luis Gil sale por Tomás Ruiz."}
            << "Cambio: Luis Gil por Tomás Ruiz (52')" << "Local x 0 - 2 Visitante Local x (-; ? 30', Vega 50')";
        QTest::newRow("a goal without a scorer names the team")
            << QStringList{"9 Gol. 1 -- 0"} << "Gol de Local x (9')" << "Local x 1 - 0 Visitante Local x (? 9'; -)";
    }

    void eventsAndResults()
    {
        QFETCH(QStringList, narration);
        QList<QStringList> blocks;
        for (const QString &block : narration)
            blocks << QStringList{minuteLine(block.section(u' ', 0, 0).toInt(), block.section(u' ', 1))};
        RoundController round;
        round.open(write({report("Local x", blocks), report("Local y", {})}));
        play(round, "first");
        QTEST(round.row(0).event, "event");
        QFETCH(QString, result);
        QCOMPARE(round.resultsText(), result + "\nLocal y 0 - 0 Visitante Local y\n");
    }
};

QTEST_GUILESS_MAIN(TestRoundController)
#include "tst_roundcontroller.moc"
