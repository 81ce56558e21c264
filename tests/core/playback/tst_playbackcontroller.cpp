#include "playback/playbackcontroller.h"

#include "../support/reports.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)
Q_DECLARE_METATYPE(SkipTarget)

// A goal and a red card before half time.
static const QByteArray Report = "LIGA\r\nRio (RIO) vs. Sierra (SIE) en Estadio\r\nComentarios\r\n"
                                 "Min  1: Juego.\r\nMin 12: Gol de Tomas Ruiz. 1 -- 0\r\nMin 13: Juego.\r\n"
                                 "Min 20: Tarjeta roja para Luis Sol.\r\nMin 21: Juego.\r\n\r\n"
                                 "Marcador al descanso: 1 -- 0\r\nMin 46: Sigue el partido.\r\n\r\nResultado final: 1 -- 0\r\n"
                                 "Alineaciones finales\r\nRio\r\n-\r\n-\r\n01 Tomas Ruiz x\r\n\r\nSierra\r\n-\r\n-\r\n01 Luis Sol x\r\n\r\n";

namespace {

// What a view shows after the changes it was given one after the other: the
// state (shown again only when it changed), the display prepared, the period,
// the narration size, the narration, the clock and the list entries.
void show(QStringList &shown, const PlaybackChange &change)
{
    shown[0] = change.stateChanged ? QString::number(int(change.state)) : shown[0];
    shown[1] = change.prepareDisplay ? QStringLiteral("prepared") : shown[1];
    shown[2] = change.period ? QString::number(*change.period) : shown[2];
    shown[3] = change.size != NarrationSize::Unchanged ? QString::number(int(change.size)) : shown[3];
    shown[4] = change.narration.value_or(shown[4]);
    shown[5] = change.clock.value_or(shown[5]);
    for (const ListEntry &entry : change.entries)
        shown[6] += QString::number(entry.list) + entry.text;
}

// Plays as the user would with the buttons and the timer: start or continue
// whenever the match stands, a tick at a time while it runs, until the score
// changes, the half-time stop comes or the match is over.
void playTo(PlaybackController &match, SkipTarget target, QStringList &shown)
{
    const int goals = match.match().Home + match.match().Away;
    while (match.state() != PlaybackState::Finished) {
        show(shown, match.state() == PlaybackState::Running ? match.tick() : match.start());
        if (target == SkipTarget::Goal ? match.match().Home + match.match().Away > goals
                                       : target == SkipTarget::HalfTime && match.state() == PlaybackState::HalfTime)
            return;
    }
}

} // namespace

// One match driven without a window: the commands, the ticks and the state
// table they move through.
class TestPlaybackController : public QObject
{
    Q_OBJECT

    // o: a report, u: one without its end, x: one that cannot be opened
    QTemporaryDir m_dir;

    // Runs a script, answering what its last step changed and keeping in
    // `held` the last period the timer was given: o, u and x open those
    // reports, s starts, p pauses, . ticks once, t ticks until the state
    // changes or the clock stops, g skips to the next goal, 4 picks speed 4.
    PlaybackChange run(PlaybackController &match, const QString &script, int *held = nullptr)
    {
        PlaybackChange last;
        for (QChar step : script) {
            last = {};
            const PlaybackState from = match.state();
            if (step == u's')
                last = match.start();
            else if (step == u'p')
                last = match.pause();
            else if (step == u'.')
                last = match.tick();
            else if (step == u'g')
                last = match.skip(SkipTarget::Goal);
            else if (step == u'4')
                last.period = match.pickSpeed(4);
            else if (step == u't')
                for (int i = 0; i < 1000 && match.clockRunning() && match.state() == from; ++i)
                    match.tick();
            else
                match.open(m_dir.filePath(step));
            if (held)
                *held = last.period.value_or(*held);
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(reports::writeFile(m_dir.filePath("o"), Report));
        QVERIFY(reports::writeFile(m_dir.filePath("u"), Report.left(Report.indexOf("Marcador"))));
        QVERIFY(reports::writeFile(m_dir.filePath("x"), "LIGA\r\nSin parentesis vs. Otro equipo en ninguna parte\r\n"));
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
        QTest::newRow("continued, then started while running: not prepared again") << "ospss" << S::Running << true << true << false;
        QTest::newRow("half time; pausing there does nothing") << "ostp" << S::HalfTime << false << true << false;
        QTest::newRow("start or pause after full time does nothing") << "oststsp" << S::Finished << false << false << false;
        QTest::newRow("report ends before full time") << "ust" << S::Finished << false << false << false;
        QTest::newRow("opened while running keeps the clock") << "oso" << S::Ready << true << false << false;
        QTest::newRow("then start prepares the display again") << "osos" << S::Running << true << true << true;
        QTest::newRow("half time before the first start") << "osot" << S::HalfTime << false << false << false;
        QTest::newRow("whose continue is a first start") << "osots" << S::Running << true << true << true;
        QTest::newRow("failed opening stops a running clock") << "osx" << S::NoMatch << false << false << false;
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

    // A skip leaves the match as playing there would have, whatever state it
    // starts from, the shipped reports and generated ones alike: what a view
    // shows, the match state with the recent lines, the commands, and where
    // the report is read (what follows is the same to the end).
    void skipEqualsPlayingThere_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("script");
        QTest::addColumn<SkipTarget>("target");

        QStringList files;
        for (const QFileInfo &sample : QDir(TEZMARO_SOURCE_DIR "/ejemplos").entryInfoList({"*.txt"}))
            files << sample.filePath();
        // Some without a half-time line, some without a full-time line.
        for (quint32 seed = 1; seed <= 24; ++seed)
            files << reports::written(m_dir.filePath(QStringLiteral("generado%1").arg(seed)),
                                      reports::generated({seed, seed % 4 ? 45 : 0, seed % 3 != 0}));
        const std::pair<const char *, const char *> states[] = {
            {"ready", ""}, {"running", "s......."}, {"paused", "s.......p"}, {"half time", "st"}, {"second half", "sts......."}};
        const std::pair<const char *, SkipTarget> targets[] = {
            {"next goal", SkipTarget::Goal}, {"half time", SkipTarget::HalfTime}, {"full time", SkipTarget::FullTime}};
        for (const QString &report : files) {
            for (const auto &[state, script] : states)
                for (const auto &[target, skip] : targets)
                    QTest::addRow("%s, %s, to the %s", qPrintable(QFileInfo(report).fileName()), state, target)
                        << report << QString::fromLatin1(script) << skip;
        }
    }

    void skipEqualsPlayingThere()
    {
        QFETCH(QString, report);
        QFETCH(QString, script);
        QFETCH(SkipTarget, target);
        PlaybackController skipped, played;
        for (PlaybackController *match : {&skipped, &played}) {
            QVERIFY(match->open(report).ok());
            run(*match, script);
        }
        QStringList afterSkip(7), afterPlay(7);
        show(afterSkip, skipped.skip(target));
        playTo(played, target, afterPlay);

        QCOMPARE(afterSkip, afterPlay);
        QCOMPARE(skipped.match(), played.match()); // the score, the minute and the recent lines
        QVERIFY(skipped.state() == played.state() && skipped.view() == played.view()
                && skipped.clockRunning() == played.clockRunning() && skipped.lists() == played.lists());
        for (int i = 0; i < 100000 && played.state() != PlaybackState::Finished; ++i) {
            const bool running = played.state() == PlaybackState::Running;
            QCOMPARE(running ? skipped.tick() : skipped.start(), running ? played.tick() : played.start());
        }
        QCOMPARE(skipped.state(), PlaybackState::Finished);
    }

    // Another report opened starts afresh; one without a teams line keeps
    // the names of the one before, one cut only in part changes only what was
    // cut. (The window's test compares a whole replay.)
    void openingAnother()
    {
        PlaybackController match;
        match.open(m_dir.filePath("o"));
        reports::playUntil(match, PlaybackState::HalfTime);
        QVERIFY(reports::writeFile(m_dir.filePath("compra.txt"), "Leche\r\nPan\r\n"));
        QVERIFY(match.open(m_dir.filePath("compra.txt")).ok());
        QCOMPARE(match.clock() + QString::number(match.match().Home) + match.narration() + '|' + match.teams().home + match.teams().awayKey,
                 "00|RioSIE");
        QVERIFY(reports::writeFile(m_dir.filePath("medio.txt"), "Casa Nueva (CN) vs. Fuera sin clave\r\n"));
        QVERIFY(!match.open(m_dir.filePath("medio.txt")).ok());
        QCOMPARE(match.teams().home + '|' + match.teams().away, QStringLiteral("Casa Nueva|Sierra"));
    }

    // The period the timer is left at, with "Pausa en los goles" off and on:
    // a goal and a red card held, unless the speed is slower already. What
    // ends a hold before its tick: a skip does not wait, a speed picked
    // applies its own period, a continue starts afresh.
    void pauseOnGoals_data()
    {
        QTest::addColumn<bool>("pause");
        QTest::addColumn<qint16>("speed");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("period");

        // Ticks 1 to 3 read the header; the goal is the 5th, the red card the 7th.
        QTest::newRow("off: the goal") << false << qint16(5) << "s....." << 100;
        QTest::newRow("on: the goal held") << true << qint16(5) << "s....." << 3000;
        QTest::newRow("on: the line after it") << true << qint16(5) << "s......" << 100;
        QTest::newRow("on: the red card held") << true << qint16(5) << "s......." << 3000;
        QTest::newRow("on: the block's end") << true << qint16(5) << "s........." << 100;
        QTest::newRow("on, speed 1 is slower already") << true << qint16(1) << "s....." << 5000;
        QTest::newRow("on: skip to the goal") << true << qint16(5) << "g" << 100;
        QTest::newRow("on: speed picked during the hold") << true << qint16(5) << "s.....4" << 500;
        QTest::newRow("on: paused and continued") << true << qint16(5) << "s.....ps" << 1;
    }

    void pauseOnGoals()
    {
        QFETCH(bool, pause);
        QFETCH(qint16, speed);
        QFETCH(QString, script);
        PlaybackController match;
        match.setPauseOnGoals(pause);
        match.pickSpeed(speed);
        int held = 0;
        run(match, "o" + script, &held);
        QTEST(held, "period");
    }
};

QTEST_GUILESS_MAIN(TestPlaybackController)
#include "tst_playbackcontroller.moc"
