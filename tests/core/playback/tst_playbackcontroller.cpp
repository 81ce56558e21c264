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
// way with their running score, blocks ended by empty lines or by lines too
// short to show, and a half-time and a full-time line each there or not.
QByteArray generatedReport(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray text = "LIGA\r\nRio (RIO) vs. Sierra (SIE) en Estadio\r\nComentarios\r\n";
    bool halfTime = random.bounded(4) != 0;
    int home = 0;
    int away = 0;
    for (int minute = 1; minute <= 90; minute += 1 + random.bounded(6)) {
        if (halfTime && minute > 45) {
            text += "\r\nMarcador al descanso: Rio " + QByteArray::number(home) + " - Sierra " + QByteArray::number(away) + "\r\n";
            minute = 46;
            halfTime = false;
        }
        const QByteArray min = "Min " + QByteArray::number(minute).rightJustified(2, ' ') + ": ";
        const int kind = random.bounded(6);
        if (kind < 2)
            (kind == 0 ? home : away)++;
        text += min + (kind == 0 ? "Gol de Tomas Ruiz. " : kind == 1 ? "Gol de Luis Sol. " : "Juego. ")
                + (kind < 2 ? QByteArray::number(home) + " -- " + QByteArray::number(away) : QByteArray()) + "\r\n";
        if (random.bounded(3) == 0)
            text += "        Luis Sol es amonestado.\r\n";
        if (random.bounded(2) == 0)
            text += random.bounded(3) == 0 ? "corto\r\n" : "\r\n";
    }
    if (random.bounded(4) != 0)
        text += "\r\nResultado final: Rio " + QByteArray::number(home) + " - Sierra " + QByteArray::number(away) + "\r\n";
    return text + "Alineaciones finales\r\nRio\r\n-\r\n-\r\n01 Tomas Ruiz x\r\n\r\nSierra\r\n-\r\n-\r\n01 Luis Sol x\r\n\r\n";
}

// What a view shows of a match, from the changes it is given one after the
// other: anything a change leaves empty stays as it was.
struct Shown
{
    std::optional<PlaybackState> state; // the commands are shown again only when it changes
    bool prepared = false;
    std::optional<int> period;
    NarrationSize size = NarrationSize::Unchanged;
    QString narration;
    QString clock;
    QList<ListEntry> entries;

    void show(const PlaybackChange &change)
    {
        state = change.stateChanged ? change.state : state;
        prepared = prepared || change.prepareDisplay;
        period = change.period ? change.period : period;
        size = change.size != NarrationSize::Unchanged ? change.size : size;
        narration = change.narration.value_or(narration);
        clock = change.clock.value_or(clock);
        entries += change.entries;
    }
    friend bool operator==(const Shown &a, const Shown &b)
    {
        return std::tie(a.state, a.prepared, a.period, a.size, a.narration, a.clock, a.entries)
               == std::tie(b.state, b.prepared, b.period, b.size, b.narration, b.clock, b.entries);
    }
};

char *toString(const Shown &shown)
{
    return QTest::toString(QStringLiteral("state %1, prepared %2, period %3, size %4, clock %5, narration \"%6\", %7 entries")
                               .arg(shown.state ? int(*shown.state) : -1).arg(shown.prepared).arg(shown.period.value_or(-1))
                               .arg(int(shown.size)).arg(shown.clock, shown.narration).arg(shown.entries.size()));
}

// Plays as the user would with the buttons and the timer: start or continue
// whenever the match stands, a tick at a time while it runs, until the score
// changes, the half-time stop comes or the match is over.
void playTo(PlaybackController &match, SkipTarget target, Shown &shown)
{
    const int goals = match.match().Home + match.match().Away;
    while (match.state() != PlaybackState::Finished) {
        shown.show(match.state() == PlaybackState::Running ? match.tick() : match.start());
        if (target == SkipTarget::Goal && match.match().Home + match.match().Away > goals)
            return;
        if (target == SkipTarget::HalfTime && match.state() == PlaybackState::HalfTime)
            return;
    }
}

} // namespace

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

    // A skip leaves the match as playing there would have, whatever state it
    // starts from, the shipped reports and generated ones alike: what a view
    // shows, the match state with the recent lines, the commands, and where
    // the report is read (what follows is the same to the end).
    void skipEqualsPlayingThere_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("script");
        QTest::addColumn<SkipTarget>("target");

        QStringList reports = QDir(TEZMARO_SOURCE_DIR "/ejemplos").entryList({"*.txt"});
        for (QString &name : reports)
            name.prepend(TEZMARO_SOURCE_DIR "/ejemplos/");
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
        Shown afterSkip;
        Shown afterPlay;
        afterSkip.show(skipped.skip(target));
        playTo(played, target, afterPlay);

        QCOMPARE(skipped.state(), played.state());
        QCOMPARE(afterSkip, afterPlay);
        QCOMPARE(skipped.match(), played.match());
        QCOMPARE(skipped.lists(), played.lists());
        QCOMPARE(skipped.narration() + '|' + skipped.clock(), played.narration() + '|' + played.clock());
        QCOMPARE(skipped.view(), played.view());
        QCOMPARE(skipped.clockRunning(), played.clockRunning());
        // It stops only where its target is, or where the match ends.
        const PlaybackState stop = target == SkipTarget::Goal ? PlaybackState::Running
                                   : target == SkipTarget::HalfTime ? PlaybackState::HalfTime : PlaybackState::Finished;
        QVERIFY(skipped.state() == stop || skipped.state() == PlaybackState::Finished);
        for (int i = 0; i < 100000 && played.state() != PlaybackState::Finished; ++i) {
            const bool running = played.state() == PlaybackState::Running;
            QCOMPARE(running ? skipped.tick() : skipped.start(), running ? played.tick() : played.start());
        }
        QCOMPARE(skipped.state(), PlaybackState::Finished);
    }

    // Where a skip can be given: while a report is open for playback.
    void skipWithoutAMatchChangesNothing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("nothing opened") << "";
        QTest::newRow("failed opening") << "x";
        QTest::newRow("finished") << "ostst";
    }

    void skipWithoutAMatchChangesNothing()
    {
        QFETCH(QString, script);
        PlaybackController match;
        run(match, script);
        PlaybackChange unchanged;
        unchanged.state = match.state();
        for (SkipTarget target : {SkipTarget::Goal, SkipTarget::HalfTime, SkipTarget::FullTime})
            QCOMPARE(match.skip(target), unchanged);
        QCOMPARE(match.view().skip, false);
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
