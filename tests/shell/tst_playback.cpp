#include "formfixture.h"
#include "shell/picturebox.h"

#include <QLabel>
#include <QListWidget>
#include <QEventLoop>
#include <QRadioButton>

namespace {

// A short match: header, a goal each, a booking, half time, full time and the
// final line-ups.
const QByteArray Match =
    "LIGA DE PRUEBA\r\n"
    "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\r\n"
    "Comentarios\r\n"
    "Min  1: Empieza el partido en el Estadio Mayor.\r\n"
    "\r\n"
    "Min. 12: Tomas Ruiz remata desde la frontal y marca. 1 -- 0\r\n"
    "\r\n"
    "Min. 30: Entrada dura de Luis Gil, que es amonestado.\r\n"
    "        El colegiado no duda.\r\n"
    "\r\n"
    "Marcador al descanso: Atletico Rio 1 - Club Sierra 0\r\n"
    "\r\n"
    "Min. 61: Luis Gil empata de cabeza. 1 -- 1\r\n"
    "\r\n"
    "Resultado final: Atletico Rio 1 - Club Sierra 1\r\n"
    "Alineaciones finales\r\n"
    "Atletico Rio\r\nJugador\r\n----\r\n"
    "01 Tomas Ruiz           POR  90\r\n"
    "\r\n"
    "Club Sierra\r\nJugador\r\n----\r\n"
    "01 Luis Gil             DEL  90\r\n"
    "\r\n"
    "Resumen del partido\r\n";

QStringList items(QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commands_data();
    void commands();
    void speeds_data();
    void speeds();
    void firstStartPreparesDisplay();
    void narrationFontSizes();
    void wholeMatch();
    void reportEndingEarly();
    void openingWhileRunning();
    void sampleReport();
    void speedOptionsReachableOverToolbar();
    void exitWhilePlaying();

private:
    void open(const QString &path);
    void click(int position) { toolbarButton(*m_window, position)->trigger(); }
    // Ticks until the timer stops, as many as the report has lines at most.
    void playToStop();
    template<typename T> T *part(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }
    QTimer *timer() { return part<QTimer>("Timer1"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    QString m_match;
};

void TestPlayback::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<Form1>(m_dir->path());
    m_match = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(m_match, Match);
}

void TestPlayback::open(const QString &path)
{
    answerNextOpen(part<CommonDialog>("Archivo"), path);
    click(1);
}

void TestPlayback::playToStop()
{
    for (int i = 0; i < 100000 && timer()->isActive(); ++i)
        m_window->Timer1_Timer();
    QVERIFY(!timer()->isActive());
}

void TestPlayback::commands_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("startTip");

    QTest::newRow("no match") << QStringList() << "---" << false << "Comenzar Partida";
    QTest::newRow("ready") << QStringList{"open"} << "B--" << false << "Comenzar Partida";
    QTest::newRow("running") << QStringList{"open", "start"} << "-C-" << true << "Continuar Partida";
    QTest::newRow("paused") << QStringList{"open", "start", "pause"} << "B--" << false << "Continuar Partida";
    QTest::newRow("continued") << QStringList{"open", "start", "pause", "start"} << "-C-" << true
                               << "Continuar Partida";
    QTest::newRow("half time") << QStringList{"open", "start", "play"} << "B--" << false << "Continuar Partida";
    QTest::newRow("finished") << QStringList{"open", "start", "play", "start", "play"} << "--D" << false
                              << "Comenzar Partida";
    QTest::newRow("opened again after full time")
        << QStringList{"open", "start", "play", "start", "play", "open"} << "B--" << false << "Comenzar Partida";
    QTest::newRow("cancelled opening while running") << QStringList{"open", "start", "cancel"} << "-C-" << true
                                                     << "Continuar Partida";
    QTest::newRow("cancelled opening after full time")
        << QStringList{"open", "start", "play", "start", "play", "cancel"} << "--D" << false << "Comenzar Partida";
    QTest::newRow("cancelled first opening") << QStringList{"cancel"} << "---" << false << "Comenzar Partida";
}

void TestPlayback::commands()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, buttons);
    QFETCH(bool, running);
    QFETCH(QString, startTip);

    for (const QString &step : steps) {
        if (step == u"open")
            open(m_match);
        else if (step == u"cancel")
            open(QString());
        else if (step == u"start")
            click(2);
        else if (step == u"pause")
            click(3);
        else if (step == u"play")
            playToStop();
    }
    QCOMPARE(playbackButtons(*m_window), buttons);
    QCOMPARE(timer()->isActive(), running);
    QCOMPARE(toolbarButton(*m_window, 2)->toolTip(), startTip);
    QVERIFY(toolbarButton(*m_window, 1)->isEnabled());
    QVERIFY(toolbarButton(*m_window, 6)->isEnabled());
}

void TestPlayback::speeds_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("atOnce");
    QTest::addColumn<int>("fromNextLine");

    QTest::newRow("speed 1") << 1 << 4000 << 5000;
    QTest::newRow("speed 2") << 2 << 2000 << 3000;
    QTest::newRow("speed 3") << 3 << 1000 << 1000;
    QTest::newRow("speed 4") << 4 << 500 << 500;
    QTest::newRow("speed 5") << 5 << 100 << 100;
}

void TestPlayback::speeds()
{
    QFETCH(int, option);
    QFETCH(int, atOnce);
    QFETCH(int, fromNextLine);

    auto *radio = part<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(option)));
    // Before any match: only the speed is noted.
    radio->click();
    QCOMPARE(m_window->Intervalo, option);
    QCOMPARE(timer()->interval(), 1);
    QVERIFY(!timer()->isActive());

    open(m_match);
    click(2);
    QCOMPARE(timer()->interval(), 1);
    for (int i = 0; i < 3; ++i)
        m_window->Timer1_Timer(); // header and "Comentarios", dropped at once
    QCOMPARE(timer()->interval(), 1);
    m_window->Timer1_Timer(); // the first minute line
    QCOMPARE(timer()->interval(), fromNextLine);

    part<QRadioButton>("Option1")->click();
    radio->click();
    QCOMPARE(timer()->interval(), atOnce);
    QVERIFY(timer()->isActive());
    m_window->Timer1_Timer();
    QCOMPARE(timer()->interval(), fromNextLine);

    // Paused: the pick waits for the next narration line after continuing.
    click(3);
    part<QRadioButton>("Option3")->click();
    QCOMPARE(timer()->interval(), fromNextLine);
    click(2);
    QCOMPARE(timer()->interval(), 1);
}

void TestPlayback::firstStartPreparesDisplay()
{
    open(m_match);
    auto *area = part<PictureBox>("Cuadro_Principal");
    QVERIFY(!area->text().isEmpty());
    click(2);
    QCOMPARE(area->text(), QString());
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9", "Label10",
                             "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1"})
        QVERIFY2(part<QWidget>(name)->isVisibleTo(m_window.get()), name);
    QVERIFY(part<QWidget>("Image3")->isHidden());

    // Continuing does not prepare the display again.
    click(3);
    area->print(QStringLiteral("marca"));
    part<QLabel>("Label9")->hide();
    click(2);
    QCOMPARE(area->text(), QStringLiteral("marca"));
    QVERIFY(part<QLabel>("Label9")->isHidden());
}

void TestPlayback::narrationFontSizes()
{
    auto *narration = part<QLabel>("Texto_Narracion");
    part<CommonDialog>("Archivo")->FontSize = 16;
    open(m_match);
    QCOMPARE(narration->font().pointSizeF(), 12.0);
    click(2);
    QCOMPARE(narration->font().pointSizeF(), 16.0);
    playToStop();
    QCOMPARE(narration->text(), QStringLiteral("Marcador al descanso: Atletico Rio 1 - Club Sierra 0"));
    QCOMPARE(narration->font().pointSizeF(), 20.0);
    click(2);
    QCOMPARE(narration->font().pointSizeF(), 16.0);
}

void TestPlayback::wholeMatch()
{
    open(m_match);
    click(2);
    playToStop();
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("45"));
    QCOMPARE(part<QLabel>("Label2")->text(), QStringLiteral("1"));
    QCOMPARE(items(part<QListWidget>("List3")), QStringList{"Tomas Ruiz(Gol,12)"});
    QCOMPARE(items(part<QListWidget>("List2")), QStringList{"Luis Gil(Amarilla,30)"});

    click(2);
    m_window->Timer1_Timer(); // the empty line after the half-time line
    QCOMPARE(part<QLabel>("Texto_Narracion")->text(), QString());
    m_window->Timer1_Timer();
    QCOMPARE(part<QLabel>("Texto_Narracion")->text(), QStringLiteral(" Luis Gil empata de cabeza. 1 -- 1"));
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("61"));
    playToStop();
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("90"));
    QCOMPARE(part<QLabel>("Label3")->text(), QStringLiteral("1"));
    QCOMPARE(items(part<QListWidget>("List4")), QStringList{"Luis Gil(Gol,61)"});
    QCOMPARE(items(part<QListWidget>("List1")), QStringList());
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(m_window->Bandera_Inicio, QStringLiteral("0"));
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("--D"));
}

void TestPlayback::reportEndingEarly()
{
    writeFile(m_match, "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio\r\nComentarios\r\n"
                       "Min. 33: Se va la luz en el estadio.\r\n");
    open(m_match);
    click(2);
    playToStop();
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("33"));
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("--D"));
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(toolbarButton(*m_window, 2)->toolTip(), QStringLiteral("Comenzar Partida"));
}

void TestPlayback::openingWhileRunning()
{
    open(m_match);
    click(2);
    for (int i = 0; i < 6; ++i)
        m_window->Timer1_Timer();
    QCOMPARE(part<QLabel>("Label2")->text(), QStringLiteral("1"));

    const QString other = m_dir->filePath(QStringLiteral("otro.txt"));
    writeFile(other, "Equipo Uno (UNO) vs. Equipo Dos (DOS) en Campo\r\nComentarios\r\nMin  5: Otro partido.\r\n");
    open(other);
    // The clock keeps running and reads the new report from its first line;
    // the new match shows only after the next start.
    QVERIFY(timer()->isActive());
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(part<QLabel>("Label1")->isHidden());
    QCOMPARE(part<QLabel>("Label2")->text(), QStringLiteral("0"));
    m_window->Timer1_Timer();
    m_window->Timer1_Timer();
    m_window->Timer1_Timer();
    QCOMPARE(part<QLabel>("Texto_Narracion")->text(), QStringLiteral("Otro partido."));
}

void TestPlayback::sampleReport()
{
    open(QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/arenales-penascal.txt"));
    click(2);
    playToStop();
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("45"));
    QCOMPARE(part<QLabel>("Label2")->text() + u'-' + part<QLabel>("Label3")->text(), QStringLiteral("1-1"));
    click(2);
    playToStop();
    QCOMPARE(part<QLabel>("Label1")->text(), QStringLiteral("90"));
    QCOMPARE(part<QLabel>("Label2")->text() + u'-' + part<QLabel>("Label3")->text(), QStringLiteral("3-2"));
    QCOMPARE(items(part<QListWidget>("List3")),
             (QStringList{"Lorenzo Bravo(Gol,8)", "Sebastián Roldán(Gol,49)", "Saúl Olivares(Gol,87)"}));
    QCOMPARE(items(part<QListWidget>("List4")),
             (QStringList{"Ernesto Valcárcel(Gol,22)", "Quique Santana(Gol,57)"}));
    QCOMPARE(items(part<QListWidget>("List1")),
             (QStringList{"Jorge Valdivia(Amarilla,22)", "Cristóbal Nieva(Amarilla,38)",
                          "Eugenio Campos<=>Maximiliano Rueda(62)", "Amadeo Fuster<=>Saúl Olivares(70)",
                          "Fabián Soler<=>Rafa Villena(76)", "Saúl Olivares(Amarilla,89)"}));
    QCOMPARE(items(part<QListWidget>("List2")),
             (QStringList{"Celestino Bueno(Amarilla,15)", "Roque Miralles<=>Efrén Tovar(60)",
                          "Leonel Cifuentes(Amarilla,65)", "Jonás Etxeberria(Roja,71)",
                          "Quique Santana<=>Nazario Pons(73)", "Benjamín Ayala<=>Octavio Lara(80)"}));
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("--D"));
    QVERIFY(!m_window->reportOpen());
}

void TestPlayback::speedOptionsReachableOverToolbar()
{
    // The speed selector lies over the toolbar row: a click there reaches the option.
    QWidget *client = m_window->centralWidget();
    for (int option = 1; option <= 5; ++option) {
        auto *radio = part<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(option)));
        const QPoint centre = radio->mapTo(client, radio->rect().center());
        QCOMPARE(client->childAt(centre), radio);
        QCOMPARE(radio->accessibleName(), QStringLiteral("Velocidad %1").arg(option));
    }
}

void TestPlayback::exitWhilePlaying()
{
    open(m_match);
    click(2);
    QEventLoop loop;
    QTimer::singleShot(0, this, [this] { click(6); });
    // The exit command ends the event loop the program runs in.
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    QVERIFY(!timer()->isActive());
    QVERIFY(!m_window->reportOpen());
}

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
