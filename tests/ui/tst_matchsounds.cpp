#include "formfixture.h"
#include "matchsounds.h"

#include <QFileInfo>
#include <QMenu>
#include <QTextToSpeech>

Q_DECLARE_METATYPE(Cue)

namespace {


// What the sinks were asked, in order.
struct Heard
{
    QList<Cue> cues;
    QList<Notice> notices;
    QStringList said, queued;
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

} // namespace

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

    // Peñascal's match: five goals, a red card and the result; the round's
    // classified results are queued after the last line.
    void heard_data()
    {
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("inSight");
        QTest::addColumn<int>("notices");
        QTest::addColumn<int>("queued");

        QTest::newRow("a match, the window in sight") << Round.mid(0, 1) << true << 0 << 0;
        QTest::newRow("a round, the window out of sight") << Round << false << 7 << 4;
    }
    void heard()
    {
        QFETCH(QStringList, reports);
        prefer(QStringLiteral("DPEN"));
        const auto heard = record();
        QFETCH(bool, inSight);
        if (inSight)
            m_window->show();
        m_window->openReports(reports);
        playAll();
        QCOMPARE(heard->cues.first(), Cue::KickOff);
        QCOMPARE(heard->cues.count(Cue::GoalAgainst), 3);
        QCOMPARE(heard->cues.last(), Cue::FullTime);
        QTEST(int(heard->notices.size()), "notices");
        QCOMPARE(heard->said.last(), QStringLiteral("Resultado final: Racing Club Arenales 3 - Deportivo Peñascal 2"));
        QTEST(int(heard->queued.size()), "queued");
    }

    // Sound on, reading off, until the user says otherwise; everything kept.
    void entries()
    {
        const auto heard = record();
        auto *sonido = part<QAction>("Sonido");
        auto *vozAlta = part<QAction>("Voz_Alta");
        auto *miEquipo = part<QMenu>("Mi_Equipo");
        QVERIFY(sonido->isChecked() && !vozAlta->isChecked());
        sonido->trigger();
        QCOMPARE(readPreferences(preferencesPath()).sound, false);
        heard->unavailable = QStringLiteral("No hay voz");
        emit part<QMenu>("Opciones")->aboutToShow();
        QVERIFY(!vozAlta->isEnabled() && vozAlta->toolTip() == heard->unavailable);
        heard->unavailable.clear();
        emit part<QMenu>("Opciones")->aboutToShow();
        vozAlta->trigger();
        QCOMPARE(readPreferences(preferencesPath()).readAloud, true);

        // The team is chosen from the open report's, kept by its key and still
        // shown with another report.
        m_window->openReport(Samples + "arenales-penascal.txt");
        emit miEquipo->aboutToShow();
        QCOMPARE(miEquipo->actions().at(1)->text(), QStringLiteral("Racing Club Arenales"));
        miEquipo->actions().at(1)->trigger();
        QCOMPARE(readPreferences(preferencesPath()).myTeam, QStringLiteral("RCAR"));
        m_window->openReport(Samples + "santa_olaya-torrealba.txt");
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
        m_window->openReports({Samples + "arenales-penascal.txt", Samples + "santa_olaya-torrealba.txt"});
        playAll();
        QCOMPARE(m_window->partido().state(), PlaybackState::Finished);
        // Without a speech engine, or with one whose service is not there,
        // nothing could read: the entry says why instead.
        if (QTextToSpeech::availableEngines().isEmpty() || !QFileInfo::exists("/usr/bin/speech-dispatcher")) {
            emit part<QMenu>("Opciones")->aboutToShow();
            QVERIFY(!part<QAction>("Voz_Alta")->isEnabled());
            QVERIFY(part<QAction>("Voz_Alta")->toolTip().contains(u"speech-dispatcher"));
        }
    }
};

QTEST_MAIN(TestMatchSounds)
#include "tst_matchsounds.moc"
