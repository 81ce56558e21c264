#include "playback/playbackcontroller.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)

static const QByteArray Report = "LIGA DE PRUEBA\r\n"
                                 "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\n"
                                 "Comentarios\r\n"
                                 "Min 12: Gol de Tomas Ruiz. 1 -- 0\r\n"
                                 "\r\n"
                                 "Marcador al descanso: Atletico Rio 1 - Club Sierra 0\r\n"
                                 "Min 46: Sigue el partido.\r\n"
                                 "\r\n"
                                 "Resultado final: Atletico Rio 1 - Club Sierra 0\r\n";

// One match driven without a window: the commands, the ticks and the state
// table they move through.
class TestPlaybackController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // o: a report, u: one without its end, x: one that cannot be opened

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // Runs a script, answering what its last step changed: o, u and x open
    // those reports, s starts, p pauses, t ticks until the state changes or
    // the clock stops.
    PlaybackChange run(PlaybackController &match, const QString &script)
    {
        PlaybackChange last;
        for (QChar step : script) {
            last = {};
            const PlaybackState from = match.state();
            if (step == u's')
                last = match.start();
            else if (step == u'p')
                last = match.pause();
            else if (step == u't')
                for (int i = 0; i < 1000 && match.clockRunning() && match.state() == from; ++i)
                    match.tick();
            else
                match.open(m_dir.filePath(step));
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        write(m_dir.filePath("o"), Report);
        write(m_dir.filePath("u"), Report.left(Report.indexOf("Marcador")));
        write(m_dir.filePath("x"), "LIGA\r\nSin parentesis vs. Otro equipo en ninguna parte\r\n");
    }

    // Every command in every state.
    void commandsFollowTheStateTable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<PlaybackState>("state");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<bool>("continueTip");
        QTest::addColumn<bool>("prepared");

        using S = PlaybackState;
        QTest::newRow("commands and a failed opening before any opening") << "sptx" << S::NoMatch << false << false << false;
        QTest::newRow("opened twice; pause before a start does nothing") << "oop" << S::Ready << false << false << false;
        QTest::newRow("first start prepares the display") << "os" << S::Running << true << true << true;
        QTest::newRow("paused; pausing again does nothing") << "ospp" << S::Paused << false << true << false;
        QTest::newRow("continued does not prepare again, nor a start while running")
            << "ospss" << S::Running << true << true << false;
        QTest::newRow("half time; pausing there does nothing") << "ostp" << S::HalfTime << false << true << false;
        QTest::newRow("continued after half time") << "osts" << S::Running << true << true << false;
        QTest::newRow("full time") << "ostst" << S::Finished << false << false << false;
        QTest::newRow("start or pause after full time does nothing") << "oststsp" << S::Finished << false << false << false;
        QTest::newRow("report ends before full time") << "ust" << S::Finished << false << false << false;
        QTest::newRow("opened while running keeps the clock") << "oso" << S::Ready << true << false << false;
        QTest::newRow("then start prepares the display again") << "osos" << S::Running << true << true << true;
        QTest::newRow("half time before the first start") << "osot" << S::HalfTime << false << false << false;
        QTest::newRow("whose continue is a first start") << "osots" << S::Running << true << true << true;
        QTest::newRow("opened while paused") << "ospo" << S::Ready << false << false << false;
        QTest::newRow("opened at half time") << "osto" << S::Ready << false << false << false;
        QTest::newRow("opened after full time") << "oststo" << S::Ready << false << false << false;
        QTest::newRow("failed opening when ready") << "ox" << S::NoMatch << false << false << false;
        QTest::newRow("failed opening stops a running clock") << "osx" << S::NoMatch << false << false << false;
        QTest::newRow("failed opening when paused") << "ospx" << S::NoMatch << false << false << false;
        QTest::newRow("failed opening at half time") << "ostx" << S::NoMatch << false << false << false;
        QTest::newRow("failed opening after full time") << "oststx" << S::NoMatch << false << false << false;
    }

    void commandsFollowTheStateTable()
    {
        QFETCH(QString, script);
        QFETCH(PlaybackState, state);
        PlaybackController match;
        const PlaybackChange last = run(match, script);
        QCOMPARE(match.state(), state);
        QTEST(match.clockRunning(), "clock");
        QTEST(match.view().continueTip, "continueTip");
        QTEST(last.prepareDisplay, "prepared");
        // Only a match ready, running, paused or at half time has its report
        // open, and can be started unless it runs.
        const bool open = state != PlaybackState::NoMatch && state != PlaybackState::Finished;
        QCOMPARE(match.reportOpen(), open);
        QCOMPARE(match.view().start, open && state != PlaybackState::Running);
        QCOMPARE(match.view().pause, state == PlaybackState::Running);
        QCOMPARE(match.view().statistics, state == PlaybackState::Finished);
    }

    // The replay as a view sees it: the clock, the narration, the score and
    // the lists, and the periods the timer is given.
    void replayShowsTheMatch()
    {
        PlaybackController match;
        QStringList printed;
        QVERIFY(match.open(m_dir.filePath("o"), [&](const QString &line) { printed << line; }).ok());
        QCOMPARE(printed, (QStringList{"", "", "", "", "", "LIGA DE PRUEBA",
                                       "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor"}));
        QCOMPARE(match.pickSpeed(3), std::nullopt);
        QCOMPARE(match.start().period, 1);
        QCOMPARE(match.pickSpeed(5), 100);

        QList<int> periods; // each narration line paces the next
        bool homeScored = false;
        while (match.clockRunning()) {
            const PlaybackChange change = match.tick();
            if (change.period)
                periods << *change.period;
            homeScored = homeScored || change.homeScored;
        }
        QCOMPARE(match.state(), PlaybackState::HalfTime);
        QCOMPARE(periods, (QList<int>{100, 100}));
        QVERIFY(homeScored);
        QCOMPARE(match.match().Home, 1);
        QCOMPARE(match.clock(), QStringLiteral("45"));
        QCOMPARE(match.narration(), QStringLiteral("Marcador al descanso: Atletico Rio 1 - Club Sierra 0"));

        match.start();
        PlaybackChange change;
        while (match.clockRunning())
            change = match.tick();
        QCOMPARE(change.size, NarrationSize::Enlarged);
        QCOMPARE(change.clock, QStringLiteral("90"));
        QCOMPARE(match.startFlag(), QStringLiteral("0"));

        // Opening another report starts afresh; one without a teams line
        // keeps the names of the one before.
        write(m_dir.filePath("compra.txt"), "Leche\r\nPan\r\n");
        QVERIFY(match.open(m_dir.filePath("compra.txt")).ok());
        QCOMPARE(match.state(), PlaybackState::Ready);
        QCOMPARE(match.match().Home, 0);
        QCOMPARE(match.narration(), QString());
        QCOMPARE(match.clock(), QStringLiteral("0"));
        QCOMPARE(match.teams().home, QStringLiteral("Atletico Rio"));
        QCOMPARE(match.teams().awayKey, QStringLiteral("CSIE"));
        // A teams line cut only in part changes only what was cut.
        write(m_dir.filePath("medio.txt"), "Casa Nueva (CN) vs. Fuera sin clave\r\n");
        QVERIFY(!match.open(m_dir.filePath("medio.txt")).ok());
        QCOMPARE(match.teams().home + '|' + match.teams().away, QStringLiteral("Casa Nueva|Club Sierra"));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackController)
#include "tst_playbackcontroller.moc"
