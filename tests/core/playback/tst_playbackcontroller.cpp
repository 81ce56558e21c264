#include "playback/playbackcontroller.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)

namespace {

const QByteArray Report = "LIGA DE PRUEBA\r\n"
                          "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\n"
                          "Comentarios\r\n"
                          "Min  1: Empieza el partido.\r\n"
                          "Min 12: Gol de Tomas Ruiz. 1 -- 0\r\n"
                          "\r\n"
                          "Marcador al descanso: Atletico Rio 1 - Club Sierra 0\r\n"
                          "Min 46: Sigue el partido.\r\n"
                          "\r\n"
                          "Resultado final: Atletico Rio 1 - Club Sierra 0\r\n";

} // namespace

// One match driven without a window: the commands, the ticks and the state
// table they move through.
class TestPlaybackController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_good;
    QString m_unfinished;
    QString m_bad;

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // Ticks until the state changes or the clock stops.
    static void tickToStop(PlaybackController &match)
    {
        const PlaybackState from = match.state();
        for (int i = 0; i < 1000 && match.clockRunning() && match.state() == from; ++i)
            match.tick();
    }

    // Runs a script, answering what its last step changed: o opens the report, u an unfinished one, x one that
    // cannot be opened, s starts, p pauses, t ticks to the next stop.
    PlaybackChange run(PlaybackController &match, const QString &script)
    {
        PlaybackChange last;
        for (QChar step : script) {
            last = {};
            switch (step.unicode()) {
            case 'o': match.open(m_good); break;
            case 'u': match.open(m_unfinished); break;
            case 'x': match.open(m_bad); break;
            case 's': last = match.start(); break;
            case 'p': last = match.pause(); break;
            case 't': tickToStop(match); break;
            }
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_good = m_dir.filePath(QStringLiteral("partido.txt"));
        m_unfinished = m_dir.filePath(QStringLiteral("sin_final.txt"));
        m_bad = m_dir.filePath(QStringLiteral("roto.txt"));
        write(m_good, Report);
        write(m_unfinished, Report.left(Report.indexOf("Marcador")));
        write(m_bad, "LIGA\r\nSin parentesis vs. Otro equipo en ninguna parte\r\n");
    }

    void commandsFollowTheStateTable_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<PlaybackState>("state");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("prepared");

        using S = PlaybackState;
        const QString start = QStringLiteral("Comenzar Partida");
        const QString cont = QStringLiteral("Continuar Partida");
        QTest::newRow("start-up") << "" << S::NoMatch << false << start << false;
        QTest::newRow("commands before any opening do nothing") << "sp" << S::NoMatch << false << start << false;
        QTest::newRow("opened") << "o" << S::Ready << false << start << false;
        QTest::newRow("pause before a start does nothing") << "op" << S::Ready << false << start << false;
        QTest::newRow("first start prepares the display") << "os" << S::Running << true << cont << true;
        QTest::newRow("paused") << "osp" << S::Paused << false << cont << false;
        QTest::newRow("continued does not prepare again") << "osps" << S::Running << true << cont << false;
        QTest::newRow("half time") << "ost" << S::HalfTime << false << cont << false;
        QTest::newRow("continued after half time") << "osts" << S::Running << true << cont << false;
        QTest::newRow("full time") << "ostst" << S::Finished << false << start << false;
        QTest::newRow("start after full time does nothing") << "oststs" << S::Finished << false << start << false;
        QTest::newRow("report ends before full time") << "ust" << S::Finished << false << start << false;
        QTest::newRow("opened while running keeps the clock") << "oso" << S::Ready << true << start << false;
        QTest::newRow("then start prepares the display again") << "osos" << S::Running << true << cont << true;
        QTest::newRow("half time before the first start") << "osot" << S::HalfTime << false << start << false;
        QTest::newRow("whose continue is a first start") << "osots" << S::Running << true << cont << true;
        QTest::newRow("opened while paused") << "ospo" << S::Ready << false << start << false;
        QTest::newRow("opened at half time") << "osto" << S::Ready << false << start << false;
        QTest::newRow("opened after full time") << "oststo" << S::Ready << false << start << false;
        QTest::newRow("failed opening") << "x" << S::NoMatch << false << start << false;
        QTest::newRow("failed opening when ready") << "ox" << S::NoMatch << false << start << false;
        QTest::newRow("failed opening stops a running clock") << "osx" << S::NoMatch << false << start << false;
        QTest::newRow("failed opening when paused") << "ospx" << S::NoMatch << false << start << false;
        QTest::newRow("failed opening at half time") << "ostx" << S::NoMatch << false << start << false;
        QTest::newRow("failed opening after full time") << "oststx" << S::NoMatch << false << start << false;
        QTest::newRow("opening after a failed one") << "xo" << S::Ready << false << start << false;
    }

    void commandsFollowTheStateTable()
    {
        QFETCH(QString, script);
        QFETCH(PlaybackState, state);
        PlaybackController match;
        const PlaybackChange last = run(match, script);
        QCOMPARE(match.state(), state);
        QTEST(match.clockRunning(), "clock");
        QTEST(match.view().startToolTip(), "tip");
        QTEST(last.prepareDisplay, "prepared");
        // Only a match ready, running, paused or at half time has its report open.
        const bool open = state == PlaybackState::Ready || state == PlaybackState::Running
            || state == PlaybackState::Paused || state == PlaybackState::HalfTime;
        QCOMPARE(match.reportOpen(), open);
        // Commands are possible exactly as the table says.
        const StateView view = match.view();
        QCOMPARE(view.start, state == PlaybackState::Ready || state == PlaybackState::Paused
                                 || state == PlaybackState::HalfTime);
        QCOMPARE(view.pause, state == PlaybackState::Running);
        QCOMPARE(view.statistics, state == PlaybackState::Finished);
    }

    // The replay as a view sees it: the clock, the narration, the score and
    // the lists, and the periods the timer is given.
    void replayShowsTheMatch()
    {
        PlaybackController match;
        QStringList printed;
        const HeaderResult header = match.open(m_good, [&](const QString &line) { printed << line; });
        QVERIFY(header.ok());
        QCOMPARE(printed, (QStringList{"", "", "", "", "", "LIGA DE PRUEBA",
                                       "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor"}));
        QCOMPARE(match.teams().stadium, QStringLiteral("Estadio Mayor"));
        QCOMPARE(match.pickSpeed(3), std::nullopt);
        QCOMPARE(match.start().period, 1);
        QCOMPARE(match.pickSpeed(5), 100);

        QList<int> periods;
        bool homeScored = false;
        while (match.clockRunning()) {
            const PlaybackChange change = match.tick();
            if (change.period)
                periods << *change.period;
            homeScored = homeScored || change.homeScored;
        }
        QCOMPARE(match.state(), PlaybackState::HalfTime);
        QCOMPARE(periods, (QList<int>{100, 100, 100}));
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

        // Opening again starts the match afresh.
        match.open(m_good);
        QCOMPARE(match.match().Home, 0);
        QCOMPARE(match.narration(), QString());
        QCOMPARE(match.clock(), QStringLiteral("0"));
    }

    // A report without a teams line keeps the names of the one before.
    void teamsSurviveAReportWithoutThem()
    {
        const QString list = m_dir.filePath(QStringLiteral("compra.txt"));
        write(list, "Leche\r\nPan\r\n");
        PlaybackController match;
        match.open(m_good);
        QVERIFY(match.open(list).ok());
        QCOMPARE(match.teams().home, QStringLiteral("Atletico Rio"));
        QCOMPARE(match.teams().awayKey, QStringLiteral("CSIE"));
        QCOMPARE(match.state(), PlaybackState::Ready);
    }
};

QTEST_GUILESS_MAIN(TestPlaybackController)
#include "tst_playbackcontroller.moc"
