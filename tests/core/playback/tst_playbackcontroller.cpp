#include "playback/playbackcontroller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PlaybackState)
Q_DECLARE_METATYPE(SkipTarget)

static const QByteArray Report = "LIGA DE PRUEBA\r\n"
                                 "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\n"
                                 "Comentarios\r\n"
                                 "Min 12: Gol de Tomas Ruiz. 1 -- 0\r\n"
                                 "\r\n"
                                 "Marcador al descanso: Atletico Rio 1 - Club Sierra 0\r\n"
                                 "Min 46: Sigue el partido.\r\n"
                                 "\r\n"
                                 "Resultado final: Atletico Rio 1 - Club Sierra 0\r\n";

namespace {

// A report of random narration: minute and continuation lines, goals either
// way with their running score, blocks ended by empty or short lines, and a
// half-time and a full-time line each there or not.
QByteArray generatedReport(quint32 seed)
{
    QRandomGenerator random(seed);
    int goals[2] = {0, 0};
    const auto score = [&] { return QByteArray::number(goals[0]) + " -- " + QByteArray::number(goals[1]) + "\r\n"; };
    QByteArray text = "LIGA\r\nRio (RIO) vs. Sierra (SIE) en Estadio\r\nComentarios\r\n";
    bool halfTime = random.bounded(4) != 0;
    for (int minute = 1; minute <= 90; minute += 1 + random.bounded(6)) {
        if (std::exchange(halfTime, halfTime && minute <= 45) && minute > 45)
            text += "\r\nMarcador al descanso: " + score();
        const int kind = random.bounded(6); // 0 and 1: a goal of either side
        text += "Min " + QByteArray::number(minute).rightJustified(2, ' ') + ": ";
        text += kind < 2 ? (++goals[kind], (kind ? "Gol de Luis Sol. " : "Gol de Tomas Ruiz. ") + score()) : "Juego.\r\n";
        text += QByteArray(random.bounded(3) ? "" : "        Luis Sol es amonestado.\r\n") + (random.bounded(2) ? "" : "\r\n");
    }
    if (random.bounded(4) != 0)
        text += "\r\nResultado final: " + score();
    return text + "Alineaciones finales\r\nRio\r\n-\r\n-\r\n01 Tomas Ruiz x\r\n\r\nSierra\r\n-\r\n-\r\n01 Luis Sol x\r\n\r\n";
}

// What a view shows after the changes it was given one after the other: the
// state (shown again only when it changed), the display prepared, the period,
// the narration size, the narration, the clock and the list entries.
void show(QStringList &shown, const PlaybackChange &change)
{
    if (change.stateChanged)
        shown[0] = QString::number(int(change.state));
    if (change.prepareDisplay)
        shown[1] = QStringLiteral("prepared");
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

    // o: a report, u: one without its end, x: one that cannot be opened, h:
    // a goal and a red card
    QTemporaryDir m_dir;

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // Runs a script, answering what its last step changed: o, u and x open
    // those reports, s starts, p pauses, . ticks once, t ticks until the
    // state changes or the clock stops.
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
            else if (step == u'.')
                last = match.tick();
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
        write(m_dir.filePath("h"), "LIGA\r\nRio (RIO) vs. Sierra (SIE) en Estadio\r\nComentarios\r\n"
                                   "Min  1: Juego.\r\nMin 12: Gol de Tomas Ruiz. 1 -- 0\r\nMin 13: Juego.\r\n"
                                   "Min 20: Tarjeta roja para Luis Sol.\r\nMin 21: Juego.\r\n\r\n"
                                   "Resultado final: 1 -- 0\r\n"
                                   "Alineaciones finales\r\nRio\r\n-\r\n-\r\n01 Tomas Ruiz x\r\n\r\n"
                                   "Sierra\r\n-\r\n-\r\n01 Luis Sol x\r\n\r\n");
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
        QTest::newRow("start or pause after full time does nothing") << "oststsp" << S::Finished << false << false << false;
        QTest::newRow("report ends before full time") << "ust" << S::Finished << false << false << false;
        QTest::newRow("opened while running keeps the clock") << "oso" << S::Ready << true << false << false;
        QTest::newRow("then start prepares the display again") << "osos" << S::Running << true << true << true;
        QTest::newRow("half time before the first start") << "osot" << S::HalfTime << false << false << false;
        QTest::newRow("whose continue is a first start") << "osots" << S::Running << true << true << true;
        QTest::newRow("opened while paused") << "ospo" << S::Ready << false << false << false;
        QTest::newRow("failed opening when ready") << "ox" << S::NoMatch << false << false << false;
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

        QStringList reports;
        for (const QFileInfo &sample : QDir(TEZMARO_SOURCE_DIR "/ejemplos").entryInfoList({"*.txt"}))
            reports << sample.filePath();
        for (quint32 seed = 1; seed <= 24; ++seed) {
            reports << m_dir.filePath(QStringLiteral("generado%1").arg(seed));
            write(reports.last(), generatedReport(seed));
        }
        const std::pair<const char *, const char *> states[] = {
            {"ready", ""}, {"running", "s......."}, {"paused", "s.......p"}, {"half time", "st"}, {"second half", "sts......."}};
        const std::pair<const char *, SkipTarget> targets[] = {
            {"next goal", SkipTarget::Goal}, {"half time", SkipTarget::HalfTime}, {"full time", SkipTarget::FullTime}};
        for (const QString &report : reports) {
            for (const auto &[state, script] : states) {
                for (const auto &[target, skip] : targets)
                    QTest::addRow("%s, %s, to the %s", qPrintable(QFileInfo(report).fileName()), state, target)
                        << report << QString::fromLatin1(script) << skip;
            }
        }
    }

    void skipEqualsPlayingThere()
    {
        QFETCH(QString, report);
        QFETCH(QString, script);
        QFETCH(SkipTarget, target);
        PlaybackController skipped;
        PlaybackController played;
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

    // The periods the timer is given: a speed picked before the start is
    // only noted, then each narration line paces the next; the last line is
    // enlarged. Another report opened starts afresh; one without a teams line
    // keeps the names of the one before, one cut only in part changes only
    // what was cut. (The window's test compares a whole replay.)
    void replayShowsTheMatch()
    {
        PlaybackController match;
        QVERIFY(match.open(m_dir.filePath("o")).ok());
        QCOMPARE(match.pickSpeed(3), std::nullopt);
        QCOMPARE(match.start().period, 1);
        QCOMPARE(match.pickSpeed(5), 100);
        QList<int> periods;
        while (match.clockRunning()) {
            if (const std::optional<int> period = match.tick().period)
                periods << *period;
        }
        QCOMPARE(periods, (QList<int>{100, 100}));
        match.start();
        PlaybackChange change;
        while (match.clockRunning())
            change = match.tick();
        QCOMPARE(change.size, NarrationSize::Enlarged);

        write(m_dir.filePath("compra.txt"), "Leche\r\nPan\r\n");
        QVERIFY(match.open(m_dir.filePath("compra.txt")).ok());
        QCOMPARE(QStringLiteral("%1 %2 %3|%4 %5").arg(match.clock()).arg(match.match().Home).arg(match.narration(), match.teams().home,
                                                                                                  match.teams().awayKey),
                 "0 0 |Atletico Rio CSIE");
        write(m_dir.filePath("medio.txt"), "Casa Nueva (CN) vs. Fuera sin clave\r\n");
        QVERIFY(!match.open(m_dir.filePath("medio.txt")).ok());
        QCOMPARE(match.teams().home + '|' + match.teams().away, QStringLiteral("Casa Nueva|Club Sierra"));
    }

    // The period each tick leaves the timer at, with "Pausa en los goles" off
    // and on (a goal and a red card held, unless the speed is slower already).
    void pauseOnGoalsPeriods_data()
    {
        QTest::addColumn<qint16>("speed");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<QList<int>>("periods");

        //                                           Min 1, goal, Min 13, red, Min 21, block end, full time
        QTest::newRow("off") << qint16(5) << false << QList<int>{100, 100, 100, 100, 100, 100, 100};
        QTest::newRow("on, speed 1 is slower already") << qint16(1) << true << QList<int>{5000, 5000, 5000, 5000, 5000, 5000, 5000};
        QTest::newRow("on, speed 5") << qint16(5) << true << QList<int>{100, 3000, 100, 3000, 100, 100, 100};
    }
    void pauseOnGoalsPeriods()
    {
        QFETCH(qint16, speed);
        QFETCH(bool, pause);
        QFETCH(QList<int>, periods);

        PlaybackController match;
        match.setPauseOnGoals(pause);
        match.pickSpeed(speed);
        match.open(m_dir.filePath("h"));
        int held = match.start().period.value();
        QList<int> shown;
        while (match.state() == PlaybackState::Running) {
            const PlaybackChange change = match.tick();
            held = change.period.value_or(held);
            if (match.linesRead() > 3)
                shown << held;
        }
        QCOMPARE(shown, periods);
    }

    // What ends a pause on a goal before its tick: a skip does not wait, a
    // speed picked applies its own period, a continue starts afresh.
    void pauseOnGoalsEnds_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("period");

        QTest::newRow("skip to the goal") << "g" << 100;
        QTest::newRow("speed picked during the hold") << "s.....4" << 500;
        QTest::newRow("paused and continued") << "s.....ps" << 1;
    }
    void pauseOnGoalsEnds()
    {
        QFETCH(QString, script);
        PlaybackController match;
        match.setPauseOnGoals(true);
        match.pickSpeed(5);
        match.open(m_dir.filePath("h"));
        int held = 0;
        for (QChar step : script) {
            const std::optional<int> period = step == u's' ? match.start().period
                                              : step == u'p' ? match.pause().period
                                              : step == u'g' ? match.skip(SkipTarget::Goal).period
                                              : step == u'4' ? match.pickSpeed(4)
                                                             : match.tick().period;
            held = period.value_or(held);
        }
        QTEST(held, "period");
    }
};

QTEST_GUILESS_MAIN(TestPlaybackController)
#include "tst_playbackcontroller.moc"
