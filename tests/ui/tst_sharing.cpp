#include "formfixture.h"
#include "jornada.h"
#include "playback/playbackcontroller.h"

#include <QClipboard>
#include <QVariantAnimation>


// The summary copied, "Pausa en los goles" and the score's flash, given
// through the menu entries of the main window. What a summary says is the
// summary's test, the periods of a pause the controller's.
class TestSharing : public FormFixture
{
    Q_OBJECT

    // Ticks until the score changes or the timer stops.
    void tickToGoal()
    {
        const auto goals = [this] { return text("Label2") + text("Label3"); };
        for (const QString before = goals(); part<QTimer>("Timer1")->isActive() && goals() == before;)
            m_window->Timer1_Timer();
    }
    QVariantAnimation *destello() { return part<QVariantAnimation>("Label2_Destello"); }
    QColor colour() { return part<QLabel>("Label2")->palette().color(QPalette::WindowText); }

private slots:
    void init() { newFolder(); }
    void cleanup() { qunsetenv("TEZMARO_SIN_ANIMACIONES"); QCOMPARE(takeNotices(), QStringList()); }

    // Before any opening the entries are off and copy nothing; then they
    // copy the match as it stands.
    void copied()
    {
        QGuiApplication::clipboard()->setText("antes");
        QVERIFY(!part<QAction>("Copiar_Resumen")->isEnabled() && !part<QAction>("Copiar_Resumen_BBCode")->isEnabled());
        QMetaObject::invokeMethod(m_window.get(), "Copiar_Resumen_Click");
        QCOMPARE(QGuiApplication::clipboard()->text(), "antes");
        open(Sample);
        command("Comenzar");
        playToStop(*m_window);
        command("Copiar_Resumen_BBCode");
        QCOMPARE(QGuiApplication::clipboard()->text(), fileText(TEZMARO_SOURCE_DIR "/tests/core/summary/data/arenales-descanso.bbcode"));
    }

    // In a round, the match the main window follows is the one copied.
    void roundCopiesTheFollowedMatch()
    {
        m_window->openReports({Sample, Round[2]});
        emit m_window->findChild<Jornada *>()->followAsked(1);
        command("Copiar_Resumen");
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Atlético Santa Olaya 0 - 0 Club Deportivo Torrealba"));
    }

    // Off by default; kept beside the other preferences, never in TPZ.INI;
    // on, the goal's line holds the timer, off again it does not. How long
    // is the controller's test.
    void pauseOnGoals()
    {
        QVERIFY(!part<QAction>("Pausa_Goles")->isChecked());
        command("Pausa_Goles");
        restart();
        QVERIFY(part<QAction>("Pausa_Goles")->isChecked() && m_window->preferencias().pauseOnGoals);
        QVERIFY(!fileText(file("TPZ.INI")).contains("ausa"));
        command("Velocidad5");
        open(Sample);
        command("Comenzar");
        tickToGoal();
        QCOMPARE(part<QTimer>("Timer1")->interval(), PlaybackController::HoldPeriod);
        command("Pausa_Goles");
        m_window->Timer1_Timer();
        tickToGoal();
        QCOMPARE(part<QTimer>("Timer1")->interval(), 100);
    }

    // A goal flashes its side's score once; whatever ends the flash early
    // leaves the score's own colour; nothing flashes where the desktop asks
    // for reduced animation.
    void flash_data()
    {
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<bool>("reopened");

        QTest::newRow("runs its course") << false << false;
        QTest::newRow("another opening") << false << true;
        QTest::newRow("reduced animation") << true << false;
    }
    void flash()
    {
        QFETCH(bool, reduced);
        QFETCH(bool, reopened);
        if (reduced) {
            qputenv("TEZMARO_SIN_ANIMACIONES", "1");
            restart();
        }
        const QColor rest = colour();
        open(Sample);
        command("Comenzar");
        tickToGoal();
        QCOMPARE(destello()->state() == QAbstractAnimation::Running, !reduced);
        QCOMPARE(part<QVariantAnimation>("Label3_Destello")->state(), QAbstractAnimation::Stopped);
        if (reduced)
            return;
        destello()->setCurrentTime(350); // at its brightest
        QVERIFY(colour() != rest);
        reopened ? open(Sample) : destello()->setCurrentTime(destello()->duration());
        QCOMPARE(destello()->state(), QAbstractAnimation::Stopped);
        QCOMPARE(colour(), rest);
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
