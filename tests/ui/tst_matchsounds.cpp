#include "formfixture.h"
#include "matchsounds.h"

#include <QFileInfo>
#include <QMenu>
#include <QTextToSpeech>


// What the sinks were asked, in order.
struct Heard { QList<Cue> cues; QList<Notice> notices; QStringList said, queued; QString unavailable; };

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

// The replay's sound in the window: that the announcer's cues, notices and
// lines reach the sinks, the three entries of "&Opciones", and a machine
// without sound, speech or notification service. Which cue each tick makes is
// the announcer's test.
class TestMatchSounds : public FormFixture
{
    Q_OBJECT

    std::shared_ptr<Heard> record()
    {
        auto heard = std::make_shared<Heard>();
        m_window->sounds()->setSinks({std::make_unique<Recorder>(heard), std::make_unique<Recorder>(heard),
                                      std::make_unique<Recorder>(heard)});
        return heard;
    }
    // Plays what is open to its end, continuing at half time.
    void playAll()
    {
        for (int half = 0; half < 2; ++half) {
            m_window->Comenzar_Click();
            playToStop(*m_window);
        }
    }
    void prefer(const QString &team)
    {
        Preferences preferences = m_window->preferencias();
        preferences.myTeam = team;
        preferences.readAloud = true;
        m_window->setPreferences(preferences);
    }

private slots:
    void init() { newFolder(); }
    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // A round out of sight, Peñascal's followed: its five goals, a red card
    // and the result reach the sinks, the goals also as notices with the
    // round's other two, and the round's classified results are queued after
    // the last line.
    void heard()
    {
        prefer(QStringLiteral("DPEN"));
        const auto heard = record();
        m_window->openReports(Round);
        playAll();
        QCOMPARE(heard->cues.count(Cue::GoalAgainst), 3);
        QCOMPARE(heard->notices.size(), 7);
        QCOMPARE(heard->said.last(), QStringLiteral("Resultado final: Racing Club Arenales 3 - Deportivo Peñascal 2"));
        QCOMPARE(heard->queued.size(), 4);
    }

    // Sound on, reading off, until the user says otherwise; everything kept.
    // Where nothing could read, the entry is off and says why.
    void entries()
    {
        const auto heard = record();
        auto *vozAlta = part<QAction>("Voz_Alta");
        auto *miEquipo = part<QMenu>("Mi_Equipo");
        QVERIFY(part<QAction>("Sonido")->isChecked() && !vozAlta->isChecked());
        command("Sonido");
        QCOMPARE(readPreferences(preferencesPath()).sound, false);
        emit part<QMenu>("Opciones")->aboutToShow();
        vozAlta->trigger();
        QCOMPARE(readPreferences(preferencesPath()).readAloud, true);
        heard->unavailable = QStringLiteral("No hay voz");
        emit part<QMenu>("Opciones")->aboutToShow();
        QVERIFY(!vozAlta->isEnabled() && vozAlta->toolTip() == heard->unavailable);

        // The team is chosen from the open report's, kept by its key and still
        // shown with another report.
        m_window->openReport(Round[0]);
        emit miEquipo->aboutToShow();
        QCOMPARE(miEquipo->actions().at(1)->text(), QStringLiteral("Racing Club Arenales"));
        miEquipo->actions().at(1)->trigger();
        QCOMPARE(readPreferences(preferencesPath()).myTeam, QStringLiteral("RCAR"));
        m_window->openReport(Round[2]);
        emit miEquipo->aboutToShow();
        QVERIFY(miEquipo->actions().last()->text() == u"Elegido antes: RCAR" && miEquipo->actions().last()->isChecked());
    }

    // Where the system has no sound output, no speech engine and no
    // notification service (as on a build machine), everything turned on
    // changes nothing: the round plays to its end without a message or a
    // warning (the offscreen platform's own aside).
    void withoutSystem()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints)")));
        prefer(QStringLiteral("RCAR"));
        m_window->openReports({Round[0], Round[2]});
        playAll();
        QCOMPARE(m_window->partido().state(), PlaybackState::Finished);
        // No engine, or one whose service is not there: the entry says why.
        if (QTextToSpeech::availableEngines().isEmpty() || !QFileInfo::exists("/usr/bin/speech-dispatcher")) {
            emit part<QMenu>("Opciones")->aboutToShow();
            QVERIFY(!part<QAction>("Voz_Alta")->isEnabled() && part<QAction>("Voz_Alta")->toolTip().contains(u"speech-dispatcher"));
        }
    }
};

QTEST_MAIN(TestMatchSounds)
#include "tst_matchsounds.moc"
