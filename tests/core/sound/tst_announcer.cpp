#include "sound/announcer.h"

#include "playback/playbackcontroller.h"

#include <QTest>

Q_DECLARE_METATYPE(Cue)

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");

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

// One of the parts of everything announced, in order.
template<typename T>
QList<T> gathered(const QList<Announcement> &heard, QList<T> Announcement::*part)
{
    QList<T> all;
    for (const Announcement &a : heard)
        all += a.*part;
    return all;
}

} // namespace

class TestAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    // What a match played to its end sounds and notices. Santa Olaya -
    // Torrealba: 0-1, half time, 1-1, a home red card, 1-2, 1-3. Notices come
    // only for the user's team with the window out of sight, sound or not.
    void match_data()
    {
        QTest::addColumn<QString>("team");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QList<Cue>>("cues");
        QTest::addColumn<QStringList>("notices"); // summary | body

        const QStringList all{"Gol de Manuel Abascal (12') | Atlético Santa Olaya 0 - 1 Club Deportivo Torrealba",
                              "Gol de Bruno Carvajal (52') | Atlético Santa Olaya 1 - 1 Club Deportivo Torrealba",
                              "Roja: Rodrigo Pizarro (67') | Atlético Santa Olaya 1 - 1 Club Deportivo Torrealba",
                              "Gol de Manuel Abascal (72') | Atlético Santa Olaya 1 - 2 Club Deportivo Torrealba",
                              "Gol de Benito Garcés (88') | Atlético Santa Olaya 1 - 3 Club Deportivo Torrealba",
                              "Resultado final | Atlético Santa Olaya 1 - 3 Club Deportivo Torrealba"};
        using enum Cue;
        QTest::newRow("no team of the user's, out of sight") << QString() << true << true
            << QList<Cue>{KickOff, Goal, HalfTime, KickOff, Goal, RedCard, Goal, Goal, FullTime} << QStringList();
        QTest::newRow("the home team is the user's, in sight") << "ASOL" << true << false
            << QList<Cue>{KickOff, GoalAgainst, HalfTime, KickOff, Goal, RedCard, GoalAgainst, GoalAgainst, FullTime} << QStringList();
        QTest::newRow("the away team is the user's, out of sight") << "CDTA" << true << true
            << QList<Cue>{KickOff, Goal, HalfTime, KickOff, GoalAgainst, RedCard, Goal, Goal, FullTime} << all;
        QTest::newRow("sound off") << "CDTA" << false << true << QList<Cue>{} << all;
    }

    void match()
    {
        QFETCH(QString, team);
        QFETCH(bool, sound);
        QFETCH(bool, hidden);
        const QList<Announcement> heard = played("santa_olaya-torrealba.txt", {.sound = sound, .myTeam = team, .unknown = {}}, hidden);
        QTEST(gathered(heard, &Announcement::cues), "cues");
        QStringList notices;
        for (const Notice &notice : gathered(heard, &Announcement::notices))
            notices << notice.summary + " | " + notice.body;
        QTEST(notices, "notices");
    }

    void readAloud()
    {
        const QList<Announcement> heard
            = played("puerto_alcazar-vallehondo.txt", {.sound = false, .readAloud = true, .myTeam = {}, .unknown = {}}, false);
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
        for (const Announcement &a : played("puerto_alcazar-vallehondo.txt", {}, false))
            QVERIFY(!a.say && a.then.isEmpty());
    }

    void round_data()
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

    void round()
    {
        QFETCH(QString, team);
        Announcer announcer;
        announcer.setPreferences({.readAloud = true, .myTeam = team, .unknown = {}});
        RoundController round;
        QVERIFY(!round.open({Samples + "arenales-penascal.txt", Samples + "puerto_alcazar-vallehondo.txt",
                             Samples + "santa_olaya-torrealba.txt"}));
        QList<Announcement> heard;
        auto hear = [&](const RoundChange &change) {
            heard << announcer.matchChanged(change.followed, round.followed(), true);
            heard << announcer.roundChanged(change, round, true);
        };
        hear({.followed = round.followed().wholeView(), .banner = {}, .rows = {}});
        hear(round.start());
        for (int i = 0; i < 5000 && !round.finished(); ++i)
            hear(round.followed().state() == PlaybackState::HalfTime ? round.start() : round.tick());

        QTEST(gathered(heard, &Announcement::cues), "expected");
        QTEST(int(gathered(heard, &Announcement::notices).size()), "notices");
        // The classified results after the last line, home team first.
        QCOMPARE(heard.last().then, QStringList({"Resultados de la jornada.", "Racing Club Arenales 3, Deportivo Peñascal 2.",
                                                 "Real Club Puerto Alcázar 2, Unión Deportiva Vallehondo 1.",
                                                 "Atlético Santa Olaya 1, Club Deportivo Torrealba 3."}));
    }
};

QTEST_GUILESS_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
