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
    void cleanup()
    {
        QCOMPARE(takeNotices(), QStringList());
        qunsetenv("TEZMARO_SIN_ANIMACIONES");
    }

    // Each entry copies the match as it stands; before any opening they are off.
    void copied_data()
    {
        QTest::addColumn<int>("stops");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("golden");

        QTest::newRow("nothing opened") << -1 << "Copiar_Resumen" << "";
        QTest::newRow("half time, forum") << 1 << "Copiar_Resumen_BBCode" << "arenales-descanso.bbcode";
        QTest::newRow("full time, plain") << 2 << "Copiar_Resumen" << "arenales-final.txt";
    }
    void copied()
    {
        QFETCH(int, stops);
        QFETCH(QString, entry);
        QFETCH(QString, golden);
        if (stops >= 0)
            open(Sample);
        for (int i = 0; i < stops; ++i) {
            command("Comenzar");
            playToStop(*m_window);
        }
        QGuiApplication::clipboard()->setText("antes");
        QCOMPARE(part<QAction>(entry)->isEnabled(), !golden.isEmpty());
        m_window->metaObject()->invokeMethod(m_window.get(), qPrintable(entry + "_Click"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 golden.isEmpty() ? "antes" : fileText(TEZMARO_SOURCE_DIR "/tests/core/summary/data/" + golden));
    }

    // In a round, the match the main window follows is the one copied.
    void roundCopiesTheFollowedMatch()
    {
        m_window->openReports({Sample, Samples + "santa_olaya-torrealba.txt"});
        emit m_window->findChild<Jornada *>()->followAsked(1);
        command("Copiar_Resumen");
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Atlético Santa Olaya 0 - 0 Club Deportivo Torrealba"));
    }

    // Off by default; kept beside the other preferences, never in TPZ.INI;
    // on, the goal's line holds the timer, in a single match and in a round.
    void pauseOnGoals_data()
    {
        QTest::addColumn<bool>("round");
        QTest::newRow("single match") << false;
        QTest::newRow("round") << true;
    }
    void pauseOnGoals()
    {
        QFETCH(bool, round);
        QVERIFY(!part<QAction>("Pausa_Goles")->isChecked());
        command("Pausa_Goles");
        restart();
        QVERIFY(part<QAction>("Pausa_Goles")->isChecked() && m_window->preferencias().pauseOnGoals);
        QVERIFY(!fileText(file("TPZ.INI")).contains("ausa"));
        command("Velocidad5");
        round ? m_window->openReports({Sample, Samples + "santa_olaya-torrealba.txt"}) : open(Sample);
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
        QTest::addColumn<QString>("end");

        QTest::newRow("runs its course") << false << "";
        QTest::newRow("another opening") << false << "Abrir_Encuentro";
        QTest::newRow("a colour chosen") << false << "Predeterminado";
        QTest::newRow("reduced animation") << true << "";
    }
    void flash()
    {
        QFETCH(bool, reduced);
        QFETCH(QString, end);
        if (reduced) {
            qputenv("TEZMARO_SIN_ANIMACIONES", "1");
            restart();
        }
        const QColor rest = colour();
        open(Sample);
        command("Comenzar");
        tickToGoal();
        QCOMPARE(text("Label2"), "1");
        QCOMPARE(destello()->state() == QAbstractAnimation::Running, !reduced);
        QCOMPARE(part<QVariantAnimation>("Label3_Destello")->state(), QAbstractAnimation::Stopped);
        if (reduced)
            return;
        destello()->setCurrentTime(350); // at its brightest
        QVERIFY(colour() != rest);
        if (end.isEmpty())
            destello()->setCurrentTime(destello()->duration());
        else
            end == u"Abrir_Encuentro" ? open(Sample) : command(qPrintable(end));
        QCOMPARE(destello()->state(), QAbstractAnimation::Stopped);
        QCOMPARE(colour(), rest);
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
