#include "sound/announcer.h"

#include "playback/playbackcontroller.h"

#include <QTest>

Q_DECLARE_METATYPE(Cue)

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");

Preferences listener(const QString &team, bool sound = true, bool readAloud = false)
{
    Preferences p;
    p.myTeam = team;
    p.sound = sound;
    p.readAloud = readAloud;
    return p;
}

// Everything announced while a match is played from its start to its end, as
// the window's timer would play it, continuing once at half time.
QList<Announcement> played(const QString &report, const Preferences &preferences, bool hidden)
{
    Announcer announcer;
    announcer.setPreferences(preferences);
    PlaybackController match;
    match.open(Samples + report);
    QList<Announcement> heard;
    heard << announcer.matchChanged(match.start(), match, hidden);
    for (int i = 0; i < 5000 && match.state() != PlaybackState::Finished; ++i) {
        const PlaybackChange change = match.state() == PlaybackState::HalfTime ? match.start() : match.tick();
        heard << announcer.matchChanged(change, match, hidden);
    }
    return heard;
}

QList<Cue> cuesOf(const QList<Announcement> &heard)
{
    QList<Cue> cues;
    for (const Announcement &a : heard)
        cues += a.cues;
    return cues;
}

QList<Notice> noticesOf(const QList<Announcement> &heard)
{
    QList<Notice> notices;
    for (const Announcement &a : heard)
        notices += a.notices;
    return notices;
}

} // namespace

namespace QTest {
template<>
char *toString(const Notice &notice)
{
    return qstrdup(qPrintable(notice.summary + QStringLiteral(" | ") + notice.body));
}
} // namespace QTest

class TestAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    void matchCues_data();
    void matchCues();
    void notices_data();
    void notices();
    void readAloud();
    void round_data();
    void round();
};

void TestAnnouncer::matchCues_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QList<Cue>>("expected");

    // Arenales - Peñascal: 1-0, 1-1, half time, 2-1, 2-2, a red card, 3-2.
    using enum Cue;
    QTest::newRow("no team of the user's") << QString() << true
        << QList<Cue>{KickOff, Goal, Goal, HalfTime, KickOff, Goal, Goal, RedCard, Goal, FullTime};
    QTest::newRow("the home team is the user's") << "RCAR" << true
        << QList<Cue>{KickOff, Goal, GoalAgainst, HalfTime, KickOff, Goal, GoalAgainst, RedCard, Goal, FullTime};
    QTest::newRow("the away team is the user's") << "DPEN" << true
        << QList<Cue>{KickOff, GoalAgainst, Goal, HalfTime, KickOff, GoalAgainst, Goal, RedCard, GoalAgainst, FullTime};
    QTest::newRow("sound off") << "RCAR" << false << QList<Cue>{};
}

void TestAnnouncer::matchCues()
{
    QFETCH(QString, team);
    QFETCH(bool, sound);
    QFETCH(QList<Cue>, expected);
    QCOMPARE(cuesOf(played(QStringLiteral("arenales-penascal.txt"), listener(team, sound), false)), expected);
}

void TestAnnouncer::notices_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QList<Notice>>("expected");

    // Santa Olaya - Torrealba: 0-1, half time, 1-1, a home red card, 1-2, 1-3.
    const QList<Notice> all{
        {"Gol de Manuel Abascal (12')", "Atlético Santa Olaya 0 - 1 Club Deportivo Torrealba"},
        {"Gol de Bruno Carvajal (52')", "Atlético Santa Olaya 1 - 1 Club Deportivo Torrealba"},
        {"Roja: Rodrigo Pizarro (67')", "Atlético Santa Olaya 1 - 1 Club Deportivo Torrealba"},
        {"Gol de Manuel Abascal (72')", "Atlético Santa Olaya 1 - 2 Club Deportivo Torrealba"},
        {"Gol de Benito Garcés (88')", "Atlético Santa Olaya 1 - 3 Club Deportivo Torrealba"},
        {"Resultado final", "Atlético Santa Olaya 1 - 3 Club Deportivo Torrealba"},
    };
    QTest::newRow("the user's team, the window out of sight") << "CDTA" << true << all;
    QTest::newRow("the user's team, the window in sight") << "CDTA" << false << QList<Notice>{};
    QTest::newRow("no team of the user's, the window out of sight") << QString() << true << QList<Notice>{};
}

void TestAnnouncer::notices()
{
    QFETCH(QString, team);
    QFETCH(bool, hidden);
    QFETCH(QList<Notice>, expected);
    const QList<Notice> notices = noticesOf(played(QStringLiteral("santa_olaya-torrealba.txt"), listener(team), hidden));
    QCOMPARE(notices, expected);
}

void TestAnnouncer::readAloud()
{
    const QList<Announcement> heard = played(QStringLiteral("puerto_alcazar-vallehondo.txt"), listener({}, false, true), false);
    QStringList said;
    for (const Announcement &a : heard) {
        if (a.say)
            said << *a.say;
    }
    QCOMPARE(said.first(), QStringLiteral("¡Comienza el partido en el Estadio del Malecón!"));
    QVERIFY(said.contains(QStringLiteral("¡¡¡GOOOL de Hugo Lamas!!! Puerto Alcázar 2, 1 Vallehondo")));
    QVERIFY(said.contains(QStringLiteral("Marcador al descanso: Real Club Puerto Alcázar 1 - Unión Deportiva Vallehondo 0")));
    QCOMPARE(said.last(), QStringLiteral("Resultado final: Real Club Puerto Alcázar 2 - Unión Deportiva Vallehondo 1"));
    // Off, nothing is read.
    for (const Announcement &a : played(QStringLiteral("puerto_alcazar-vallehondo.txt"), listener({}), false))
        QVERIFY(!a.say && a.then.isEmpty());
}

void TestAnnouncer::round_data()
{
    QTest::addColumn<QString>("team");
    QTest::addColumn<QList<Cue>>("expected");
    QTest::addColumn<int>("notices");

    // Arenales - Peñascal followed; Santa Olaya - Torrealba scores at 12, 52,
    // 72 and 88, Puerto Alcázar - Vallehondo at 23, 58 and 84.
    using enum Cue;
    QTest::newRow("no team of the user's") << QString()
        << QList<Cue>{KickOff, Goal, GoalElsewhere, Goal, GoalElsewhere, HalfTime, KickOff, Goal, GoalElsewhere, Goal,
                      GoalElsewhere, RedCard, GoalElsewhere, GoalElsewhere, Goal, GoalElsewhere, FullTime}
        << 0;
    QTest::newRow("the user's team on another ground") << "CDTA"
        << QList<Cue>{KickOff, Goal, Goal, Goal, GoalElsewhere, HalfTime, KickOff, Goal, GoalAgainst, Goal,
                      GoalElsewhere, RedCard, Goal, GoalElsewhere, Goal, Goal, FullTime}
        << 6;
    QTest::newRow("the user's team followed") << "DPEN"
        << QList<Cue>{KickOff, GoalAgainst, GoalElsewhere, Goal, GoalElsewhere, HalfTime, KickOff, GoalAgainst,
                      GoalElsewhere, Goal, GoalElsewhere, RedCard, GoalElsewhere, GoalElsewhere, GoalAgainst,
                      GoalElsewhere, FullTime}
        << 7;
}

void TestAnnouncer::round()
{
    QFETCH(QString, team);
    QFETCH(QList<Cue>, expected);
    QFETCH(int, notices);
    Announcer announcer;
    announcer.setPreferences(listener(team, true, true));
    RoundController round;
    QVERIFY(!round.open({Samples + "arenales-penascal.txt", Samples + "puerto_alcazar-vallehondo.txt",
                         Samples + "santa_olaya-torrealba.txt"}));
    QList<Announcement> heard;
    auto hear = [&](const RoundChange &change) {
        heard << announcer.matchChanged(change.followed, round.followed(), true);
        heard << announcer.roundChanged(change, round, true);
    };
    RoundChange opened;
    opened.followed = round.followed().wholeView();
    hear(opened);
    hear(round.start());
    for (int i = 0; i < 5000 && !round.finished(); ++i)
        hear(round.followed().state() == PlaybackState::HalfTime ? round.start() : round.tick());

    QCOMPARE(cuesOf(heard), expected);
    QCOMPARE(noticesOf(heard).size(), notices);
    // The classified results after the last line, home team first.
    QCOMPARE(heard.last().then, QStringList({"Resultados de la jornada.", "Racing Club Arenales 3, Deportivo Peñascal 2.",
                                             "Real Club Puerto Alcázar 2, Unión Deportiva Vallehondo 1.",
                                             "Atlético Santa Olaya 1, Club Deportivo Torrealba 3."}));
}

QTEST_GUILESS_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
