#include "formfixture.h"
#include "shell/picturebox.h"

#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

// A shipped report: goals both ways, cards, a sending-off and substitutions.
const QString Sample = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/arenales-penascal.txt");

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
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<Form1>(m_dir->path());
    }
    void commands_data();
    void commands();
    void speeds_data();
    void speeds();
    void firstStartPreparesDisplay();
    void narrationFontSizes();
    void wholeMatch();
    void reportEndingEarly();
    void openingWhileRunning();
    void speedOptionsReachableOverToolbar();
    void exitWhilePlaying();

private:
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo"), path);
        click(1);
    }
    void click(int position) { toolbarButton(*m_window, position)->trigger(); }
    // Ticks until the timer stops, as many as the report has lines at most.
    void playToStop()
    {
        for (int i = 0; i < 100000 && timer()->isActive(); ++i)
            m_window->Timer1_Timer();
        QVERIFY(!timer()->isActive());
    }
    template<typename T> T *part(const char *name) { return ::part<T>(m_window.get(), name); }
    QString text(const char *label) { return part<QLabel>(label)->text(); }
    QTimer *timer() { return part<QTimer>("Timer1"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};

void TestPlayback::commands_data()
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
    QTest::newRow("cancelled opening while running") << QStringList{"open", "start", "cancel"} << "-C-" << true << next;
}

void TestPlayback::commands()
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
    QCOMPARE(playbackButtons(*m_window), buttons);
    QCOMPARE(timer()->isActive(), running);
    QCOMPARE(toolbarButton(*m_window, 2)->toolTip(), startTip);
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
    QVERIFY(!timer()->isActive());

    // The header lines are dropped at once; the first minute line sets the pace.
    open(Sample);
    click(2);
    for (int i = 0; i < 20 && text("Texto_Narracion").isEmpty(); ++i) {
        QCOMPARE(timer()->interval(), 1);
        m_window->Timer1_Timer();
    }
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
    m_window->Timer1_Timer();
    QCOMPARE(timer()->interval(), 1000);
}

void TestPlayback::firstStartPreparesDisplay()
{
    const char *elements[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9",
                              "Label10", "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1"};
    open(Sample);
    auto *area = part<PictureBox>("Cuadro_Principal");
    QVERIFY(!area->text().isEmpty());
    click(2);
    QCOMPARE(area->text(), QString());
    for (const char *name : elements)
        QVERIFY2(part<QWidget>(name)->isVisibleTo(m_window.get()), name);

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
    open(Sample);
    QCOMPARE(narration->font().pointSizeF(), 12.0);
    click(2);
    QCOMPARE(narration->font().pointSizeF(), 16.0);
    playToStop();
    QVERIFY(narration->text().startsWith(QStringLiteral("Marcador al descanso:")));
    QCOMPARE(narration->font().pointSizeF(), 20.0);
    click(2);
    QCOMPARE(narration->font().pointSizeF(), 16.0);
}

void TestPlayback::wholeMatch()
{
    open(Sample);
    click(2);
    playToStop();
    QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("45 1-1"));
    click(2);
    playToStop();
    QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("90 3-2"));
    QCOMPARE(items(part<QListWidget>("List3")),
             (QStringList{"Lorenzo Bravo(Gol,8)", "Sebastián Roldán(Gol,49)", "Saúl Olivares(Gol,87)"}));
    QCOMPARE(items(part<QListWidget>("List4")), (QStringList{"Ernesto Valcárcel(Gol,22)", "Quique Santana(Gol,57)"}));
    QCOMPARE(items(part<QListWidget>("List1")),
             (QStringList{"Jorge Valdivia(Amarilla,22)", "Cristóbal Nieva(Amarilla,38)",
                          "Eugenio Campos<=>Maximiliano Rueda(62)", "Amadeo Fuster<=>Saúl Olivares(70)",
                          "Fabián Soler<=>Rafa Villena(76)", "Saúl Olivares(Amarilla,89)"}));
    QCOMPARE(items(part<QListWidget>("List2")),
             (QStringList{"Celestino Bueno(Amarilla,15)", "Roque Miralles<=>Efrén Tovar(60)",
                          "Leonel Cifuentes(Amarilla,65)", "Jonás Etxeberria(Roja,71)",
                          "Quique Santana<=>Nazario Pons(73)", "Benjamín Ayala<=>Octavio Lara(80)"}));
    QVERIFY(!m_window->reportOpen());
}

void TestPlayback::reportEndingEarly()
{
    const QString path = m_dir->filePath(QStringLiteral("corto.txt"));
    writeFile(path, "Rio (ARIO) vs. Sierra (CSIE) en Mayor\r\nComentarios\r\nMin. 33: Se va la luz.\r\n");
    open(path);
    click(2);
    playToStop();
    QCOMPARE(text("Label1"), QStringLiteral("33"));
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("--D"));
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(toolbarButton(*m_window, 2)->toolTip(), QStringLiteral("Comenzar Partida"));
}

void TestPlayback::openingWhileRunning()
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
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(part<QLabel>("Label1")->isHidden());
    QCOMPARE(text("Label2"), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        m_window->Timer1_Timer();
    QCOMPARE(text("Texto_Narracion"), QStringLiteral("Otro partido."));
}

void TestPlayback::speedOptionsReachableOverToolbar()
{
    // The speed selector lies over the toolbar row: a click there reaches the option.
    QWidget *client = m_window->centralWidget();
    for (int option = 1; option <= 5; ++option) {
        auto *radio = part<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(option)));
        QCOMPARE(client->childAt(radio->mapTo(client, radio->rect().center())), radio);
    }
}

void TestPlayback::exitWhilePlaying()
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

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
