#include "formfixture.h"
#include "jornada.h"
#include "playback/playbackcontroller.h"

#include <QClipboard>
#include <QLabel>
#include <QTemporaryDir>
#include <QVariantAnimation>

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");
const QString Sample = Samples + "arenales-penascal.txt";
const QString Golden = QStringLiteral(TEZMARO_SOURCE_DIR "/tests/core/summary/data/");
// Milliseconds into a flash, where the score is at its brightest.
constexpr int MidFlash = 350;

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The summary copied, "Pausa en los goles" and the score's flash, given
// through the menu entries of the main window.
class TestSharing : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<Notices> m_notices;

    void restart()
    {
        m_window = std::make_unique<Form1>(m_dir->path());
        m_notices = std::make_unique<Notices>(*m_window);
    }
    template<typename T> T *part(const QString &name) { return m_window->findChild<T *>(name); }
    void command(const char *entry) { part<QAction>(entry)->trigger(); }
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo"), path);
        command("Abrir_Encuentro");
    }
    QTimer *timer() { return part<QTimer>("Timer1"); }
    // Ticks until the score changes or the timer stops.
    void tickToGoal()
    {
        const QString before = part<QLabel>("Label2")->text() + part<QLabel>("Label3")->text();
        for (int i = 0; i < 10000 && timer()->isActive()
                        && part<QLabel>("Label2")->text() + part<QLabel>("Label3")->text() == before;
             ++i)
            m_window->Timer1_Timer();
    }
    QVariantAnimation *flash(const char *label) { return part<QVariantAnimation>(QLatin1String(label) + "_Destello"); }
    QColor colour(const char *label) { return part<QLabel>(label)->palette().color(QPalette::WindowText); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_dir->filePath("config").toUtf8());
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
        restart();
    }
    void cleanup()
    {
        QCOMPARE(m_notices->texts, QStringList());
        qunsetenv("TEZMARO_SIN_ANIMACIONES");
    }

    // Both entries copy the match as it stands; before any opening they are off.
    void copied_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("golden");

        QTest::newRow("nothing opened") << "" << "Copiar_Resumen" << "";
        QTest::newRow("opened") << "o" << "Copiar_Resumen" << "arenales-listo.txt";
        QTest::newRow("half time, forum") << "ost" << "Copiar_Resumen_BBCode" << "arenales-descanso.bbcode";
        QTest::newRow("full time, plain") << "ostst" << "Copiar_Resumen" << "arenales-final.txt";
        QTest::newRow("a failed opening after a match") << "ostx" << "Copiar_Resumen_BBCode" << "";
    }
    void copied()
    {
        QFETCH(QString, steps);
        QFETCH(QString, entry);
        QFETCH(QString, golden);
        for (QChar step : steps) {
            if (step == u'o')
                open(Sample);
            else if (step == u'x')
                writeFile(m_dir->filePath("roto.txt"), "LIGA\r\nSin parentesis vs. Otro en ninguna parte\r\n"), open(m_dir->filePath("roto.txt"));
            else if (step == u's')
                command("Comenzar");
            else
                playToStop(*m_window);
        }
        m_notices->texts.clear();
        QGuiApplication::clipboard()->setText("antes");
        QCOMPARE(part<QAction>(entry)->isEnabled(), !golden.isEmpty());
        m_window->metaObject()->invokeMethod(m_window.get(), qPrintable(entry + "_Click"));
        QCOMPARE(QGuiApplication::clipboard()->text(), golden.isEmpty() ? "antes" : fileText(Golden + golden));
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
    // on, the goal's line holds the timer at speed 5, in a single match and
    // in a round.
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
        QVERIFY(part<QAction>("Pausa_Goles")->isChecked());
        QVERIFY(m_window->preferencias().pauseOnGoals);
        QVERIFY(!fileText(m_dir->filePath("TPZ.INI")).contains("ausa"));

        command("Velocidad5");
        if (round)
            m_window->openReports({Sample, Samples + "santa_olaya-torrealba.txt"});
        else
            open(Sample);
        command("Comenzar");
        tickToGoal();
        QCOMPARE(timer()->interval(), PlaybackController::HoldPeriod);
        m_window->Timer1_Timer();
        QCOMPARE(timer()->interval(), 100);
        command("Pausa_Goles");
        tickToGoal();
        QCOMPARE(timer()->interval(), 100);
    }

    // A goal flashes its side's score once; whatever ends the flash early
    // leaves the score's own colour; nothing flashes where the desktop asks
    // for reduced animation.
    void flash_data()
    {
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<QString>("end");

        QTest::newRow("runs its course") << false << "";
        QTest::newRow("a skip") << false << "Ir_Final";
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
        const QColor rest = colour("Label2");
        open(Sample);
        command("Comenzar");
        tickToGoal();
        QCOMPARE(part<QLabel>("Label2")->text(), "1");
        QCOMPARE(flash("Label2")->state() == QAbstractAnimation::Running, !reduced);
        QCOMPARE(flash("Label3")->state(), QAbstractAnimation::Stopped);
        if (reduced)
            return;
        flash("Label2")->setCurrentTime(MidFlash);
        QVERIFY(colour("Label2") != rest);
        if (end.isEmpty())
            flash("Label2")->setCurrentTime(flash("Label2")->duration());
        else if (end == u"Abrir_Encuentro")
            open(Sample);
        else
            command(qPrintable(end));
        QCOMPARE(flash("Label2")->state(), QAbstractAnimation::Stopped);
        QCOMPARE(colour("Label2"), rest);
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
