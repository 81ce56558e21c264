#include "formfixture.h"
#include "shell/picturebox.h"

#include <QEventLoop>
#include <QListWidget>
#include <QRadioButton>

namespace {

// A shipped report: goals both ways, cards, a sending-off and substitutions.
const QString Sample = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/arenales-penascal.txt");

} // namespace

class TestPlayback : public FormFixture
{
    Q_OBJECT

    // Ticks until the timer stops, as many as the report has lines at most.
    void playToStop()
    {
        for (int i = 0; i < 100000 && timer()->isActive(); ++i)
            m_window->Timer1_Timer();
        QVERIFY(!timer()->isActive());
    }
    QTimer *timer() { return part<QTimer>("Timer1"); }
    QRadioButton *option(int speed) { return part<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(speed))); }
    QStringList items(const char *list)
    {
        QStringList result;
        for (int i = 0; i < part<QListWidget>(list)->count(); ++i)
            result << part<QListWidget>(list)->item(i)->text();
        return result;
    }

private slots:
    void init() { fresh(); }

    void commands_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("startTip");

        const QString first = QStringLiteral("Comenzar Partida");
        const QString next = QStringLiteral("Continuar Partida");
        QTest::newRow("no match") << QStringList() << "---" << false << first;
        QTest::newRow("ready") << QStringList{"open"} << "B--" << false << first;
        QTest::newRow("running") << QStringList{"open", "start"} << "-C-" << true << next;
        QTest::newRow("paused") << QStringList{"open", "start", "pause"} << "B--" << false << next;
        QTest::newRow("half time") << QStringList{"open", "start", "play"} << "B--" << false << next;
        QTest::newRow("finished") << QStringList{"open", "start", "play", "start", "play"} << "--D" << false << first;
        QTest::newRow("opened again after full time")
            << QStringList{"open", "start", "play", "start", "play", "open"} << "B--" << false << first;
        QTest::newRow("cancelled opening while running")
            << QStringList{"open", "start", "cancel"} << "-C-" << true << next;
    }

    void commands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, buttons);
        QFETCH(bool, running);
        QFETCH(QString, startTip);

        for (const QString &step : steps) {
            if (step == u"open" || step == u"cancel")
                open(step == u"open" ? Sample : QString());
            else if (step == u"play")
                playToStop();
            else
                click(step == u"start" ? 2 : 3);
        }
        QCOMPARE(playbackButtons(), buttons);
        QCOMPARE(timer()->isActive(), running);
        QCOMPARE(button(2)->toolTip(), startTip);
    }

    // Speed 2 paces narration lines at 3 s but starts at 2 s when picked while playing.
    void speeds()
    {
        option(2)->click();
        open(Sample);
        click(2);
        // The header lines are dropped at once; the first minute line sets the pace.
        for (int i = 0; i < 20 && text("Texto_Narracion").isEmpty(); ++i) {
            QCOMPARE(timer()->interval(), 1);
            m_window->Timer1_Timer();
        }
        QCOMPARE(timer()->interval(), 3000);

        option(1)->click();
        option(2)->click();
        QCOMPARE(timer()->interval(), 2000);
        QVERIFY(timer()->isActive());
        m_window->Timer1_Timer();
        QCOMPARE(timer()->interval(), 3000);

        // Paused: the pick waits for the next narration line after continuing.
        click(3);
        option(3)->click();
        QCOMPARE(timer()->interval(), 3000);
        click(2);
        QCOMPARE(timer()->interval(), 1);
        m_window->Timer1_Timer();
        QCOMPARE(timer()->interval(), 1000);
    }

    void wholeMatch()
    {
        auto *area = part<PictureBox>("Cuadro_Principal");
        const auto narrationSize = [this] { return part<QLabel>("Texto_Narracion")->font().pointSizeF(); };
        part<CommonDialog>("Archivo")->FontSize = 16;
        open(Sample);
        QVERIFY(!area->text().isEmpty());
        QCOMPARE(narrationSize(), 12.0);

        // The first start clears the header and shows the match; the half-time line stands out.
        click(2);
        QCOMPARE(area->text(), QString());
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9",
                                 "Label10", "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1"})
            QVERIFY2(part<QWidget>(name)->isVisibleTo(m_window.get()), name);
        QCOMPARE(narrationSize(), 16.0);
        playToStop();
        QVERIFY(text("Texto_Narracion").startsWith(QStringLiteral("Marcador al descanso:")));
        QCOMPARE(narrationSize(), 20.0);
        QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("45 1-1"));

        // Continuing does not prepare the display again.
        area->print(QStringLiteral("marca"));
        part<QLabel>("Label9")->hide();
        click(2);
        QCOMPARE(area->text(), QStringLiteral("marca"));
        QVERIFY(part<QLabel>("Label9")->isHidden());
        QCOMPARE(narrationSize(), 16.0);

        playToStop();
        QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("90 3-2"));
        QCOMPARE(items("List3"), (QStringList{"Lorenzo Bravo(Gol,8)", "Sebastián Roldán(Gol,49)", "Saúl Olivares(Gol,87)"}));
        QCOMPARE(items("List4"), (QStringList{"Ernesto Valcárcel(Gol,22)", "Quique Santana(Gol,57)"}));
        QCOMPARE(items("List1"), (QStringList{"Jorge Valdivia(Amarilla,22)", "Cristóbal Nieva(Amarilla,38)",
                                              "Eugenio Campos<=>Maximiliano Rueda(62)", "Amadeo Fuster<=>Saúl Olivares(70)",
                                              "Fabián Soler<=>Rafa Villena(76)", "Saúl Olivares(Amarilla,89)"}));
        QCOMPARE(items("List2"), (QStringList{"Celestino Bueno(Amarilla,15)", "Roque Miralles<=>Efrén Tovar(60)",
                                              "Leonel Cifuentes(Amarilla,65)", "Jonás Etxeberria(Roja,71)",
                                              "Quique Santana<=>Nazario Pons(73)", "Benjamín Ayala<=>Octavio Lara(80)"}));
        QVERIFY(!m_window->reportOpen());
    }

    void reportEndingEarly()
    {
        const QString path = m_dir->filePath(QStringLiteral("corto.txt"));
        writeFile(path, "Rio (ARIO) vs. Sierra (CSIE) en Mayor\r\nComentarios\r\nMin. 33: Se va la luz.\r\n");
        open(path);
        click(2);
        playToStop();
        QCOMPARE(text("Label1"), QStringLiteral("33"));
        QCOMPARE(playbackButtons(), QStringLiteral("--D"));
        QVERIFY(!m_window->reportOpen());
        QCOMPARE(button(2)->toolTip(), QStringLiteral("Comenzar Partida"));
    }

    void openingWhileRunning()
    {
        open(Sample);
        click(2);
        for (int i = 0; i < 40; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(text("Label2"), QStringLiteral("1"));

        const QString other = m_dir->filePath(QStringLiteral("otro.txt"));
        writeFile(other, "Uno (UNO) vs. Dos (DOS) en Campo\r\nComentarios\r\nMin  5: Otro partido.\r\n");
        open(other);
        // The clock keeps running and reads the new report from its first line;
        // the new match shows only after the next start.
        QVERIFY(timer()->isActive());
        QCOMPARE(playbackButtons(), QStringLiteral("B--"));
        QVERIFY(part<QLabel>("Label1")->isHidden());
        QCOMPARE(text("Label2"), QStringLiteral("0"));
        for (int i = 0; i < 3; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(text("Texto_Narracion"), QStringLiteral("Otro partido."));
    }

    void speedOptionsReachableOverToolbar()
    {
        // The speed selector lies over the toolbar row: a click there reaches the option.
        QWidget *client = m_window->centralWidget();
        for (int speed = 5; speed >= 1; --speed) {
            QCOMPARE(client->childAt(option(speed)->mapTo(client, option(speed)->rect().center())), option(speed));
            option(speed)->click();
            QCOMPARE(m_window->Intervalo, speed);
        }
    }

    void exitWhilePlaying()
    {
        open(Sample);
        click(2);
        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { click(6); });
        // The exit command ends the event loop the program runs in.
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!timer()->isActive());
        QVERIFY(!m_window->reportOpen());
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
