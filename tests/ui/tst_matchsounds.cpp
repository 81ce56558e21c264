#include "formfixture.h"
#include "matchsounds.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTextToSpeech>

Q_DECLARE_METATYPE(Cue)

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");

// What the sinks were asked, in order.
struct Heard
{
    QList<Cue> cues;
    QList<Notice> notices;
    QStringList said;
    QStringList queued;
    QString unavailable;
};

struct Recorder : SoundSink, NoticeSink, SpeechSink
{
    std::shared_ptr<Heard> heard;
    explicit Recorder(std::shared_ptr<Heard> h) : heard(std::move(h)) {}
    void play(Cue cue) override { heard->cues << cue; }
    void notify(const Notice &notice) override { heard->notices << notice; }
    QString unavailable() override { return heard->unavailable; }
    void say(const QString &text) override { heard->said << text; }
    void queue(const QString &text) override { heard->queued << text; }
};

std::shared_ptr<Heard> record(Form1 &window)
{
    auto heard = std::make_shared<Heard>();
    window.sounds()->setSinks({std::make_unique<Recorder>(heard), std::make_unique<Recorder>(heard),
                               std::make_unique<Recorder>(heard)});
    return heard;
}

// Plays what is open to its end, continuing at half time.
void playAll(Form1 &window)
{
    window.Comenzar_Click();
    playToStop(window);
    window.Comenzar_Click();
    playToStop(window);
}

} // namespace

// The replay's sound in the window: what the sinks hear of a whole match or
// round with the window in sight or not, the three entries of "&Opciones", and
// a machine without sound, speech or notification service. Which cue each
// tick makes is the announcer's test.
class TestMatchSounds : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { QFile::remove(preferencesPath()); }
    void heard_data();
    void heard();
    void entries();
    void withoutSystem();
};

void TestMatchSounds::heard_data()
{
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<bool>("inSight");
    QTest::addColumn<int>("notices");
    QTest::addColumn<int>("queued");

    const QStringList round{Samples + "arenales-penascal.txt", Samples + "puerto_alcazar-vallehondo.txt",
                            Samples + "santa_olaya-torrealba.txt"};
    // Peñascal's match: five goals, a red card and the result.
    QTest::newRow("a match, the window in sight") << round.mid(0, 1) << true << 0 << 0;
    QTest::newRow("a match, the window out of sight") << round.mid(0, 1) << false << 7 << 0;
    QTest::newRow("a round, the window out of sight") << round << false << 7 << 4;
}

void TestMatchSounds::heard()
{
    QFETCH(QStringList, reports);
    QFETCH(bool, inSight);
    QFETCH(int, notices);
    QFETCH(int, queued);
    Form1 window(m_dir.path());
    Preferences preferences = window.preferencias();
    preferences.myTeam = QStringLiteral("DPEN");
    preferences.readAloud = true;
    window.setPreferences(preferences);
    const auto heard = record(window);
    if (inSight)
        window.show();
    window.openReports(reports);
    playAll(window);

    QCOMPARE(heard->cues.first(), Cue::KickOff);
    QCOMPARE(heard->cues.count(Cue::HalfTime), 1);
    QCOMPARE(heard->cues.last(), Cue::FullTime);
    QCOMPARE(heard->cues.count(Cue::GoalAgainst), 3);
    QCOMPARE(heard->notices.size(), notices);
    QCOMPARE(heard->said.first(), QStringLiteral("¡Arranca el derbi en La Caracola!"));
    QCOMPARE(heard->said.last(), QStringLiteral("Resultado final: Racing Club Arenales 3 - Deportivo Peñascal 2"));
    QCOMPARE(heard->queued.size(), queued);
}

void TestMatchSounds::entries()
{
    Form1 window(m_dir.path());
    const auto heard = record(window);
    auto *opciones = window.findChild<QMenu *>(QStringLiteral("Opciones"));
    auto *sonido = window.findChild<QAction *>(QStringLiteral("Sonido"));
    auto *vozAlta = window.findChild<QAction *>(QStringLiteral("Voz_Alta"));
    auto *miEquipo = window.findChild<QMenu *>(QStringLiteral("Mi_Equipo"));

    // Sound on, reading off, until the user says otherwise; both kept.
    QVERIFY(sonido->isChecked() && !vozAlta->isChecked());
    sonido->trigger();
    QCOMPARE(readPreferences(preferencesPath()).sound, false);
    heard->unavailable = QStringLiteral("No hay voz");
    emit opciones->aboutToShow();
    QVERIFY(!vozAlta->isEnabled());
    QCOMPARE(vozAlta->toolTip(), QStringLiteral("No hay voz"));
    heard->unavailable.clear();
    emit opciones->aboutToShow();
    vozAlta->trigger();
    QCOMPARE(readPreferences(preferencesPath()).readAloud, true);

    // The team is chosen from the open report's and kept by its key.
    window.openReport(Samples + "arenales-penascal.txt");
    emit miEquipo->aboutToShow();
    QStringList captions;
    for (QAction *team : miEquipo->actions())
        captions << team->text();
    QCOMPARE(captions, QStringList({"Ninguno", "Racing Club Arenales", "Deportivo Peñascal"}));
    miEquipo->actions().at(1)->trigger();
    QCOMPARE(readPreferences(preferencesPath()).myTeam, QStringLiteral("RCAR"));
    // Another report still shows the choice, until another is made.
    window.openReport(Samples + "santa_olaya-torrealba.txt");
    emit miEquipo->aboutToShow();
    QCOMPARE(miEquipo->actions().last()->text(), QStringLiteral("Elegido antes: RCAR"));
    QVERIFY(miEquipo->actions().last()->isChecked());
    miEquipo->actions().first()->trigger();
    QCOMPARE(window.preferencias().myTeam, QString());
}

// Where the system has no sound output, no speech engine and no notification
// service (as on a build machine), everything turned on changes nothing: the
// match plays to its end without a message or a warning.
void TestMatchSounds::withoutSystem()
{
    // The offscreen platform's own warning aside.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)")));
    Form1 window(m_dir.path());
    Notices notices(window);
    Preferences preferences = window.preferencias();
    preferences.sound = true;
    preferences.readAloud = true;
    preferences.myTeam = QStringLiteral("RCAR");
    window.setPreferences(preferences);
    window.openReports({Samples + "arenales-penascal.txt", Samples + "santa_olaya-torrealba.txt"});
    playAll(window);
    QCOMPARE(window.partido().state(), PlaybackState::Finished);
    QVERIFY(notices.texts.isEmpty());
    if (QTextToSpeech::availableEngines().isEmpty()) {
        emit window.findChild<QMenu *>(QStringLiteral("Opciones"))->aboutToShow();
        QVERIFY(!window.findChild<QAction *>(QStringLiteral("Voz_Alta"))->isEnabled());
    }
}

QTEST_MAIN(TestMatchSounds)
#include "tst_matchsounds.moc"
