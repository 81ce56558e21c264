#include "formfixture.h"
#include "shell/picturebox.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

QByteArray report(const QByteArray &teamsLine = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)")
{
    QByteArray text = "LIGA DE PRUEBA\r\nJornada 3\r\n" + teamsLine
        + "\r\n\xC1rbitro: Ju\xE1n P\xE9rez\r\nComentarios del partido\r\n"
          "Min  1: Empieza el partido.\r\n\r\nMarcador al descanso: 0 - 0\r\n\r\nResultado final: 0 - 0\r\n"
          "Alineaciones finales\r\nAtletico Rio\r\nJugador\r\n----\r\n01 Tomas Ruiz           POR\r\n"
          "\r\nClub Sierra\r\nJugador\r\n----\r\n01 Luis Gil             POR\r\n\r\nResumen del partido\r\n";
    return text;
}

} // namespace

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUp();
    void successfulOpening();
    void cancelledFirstOpening();
    void cancelledSecondOpening();
    void failedOpening_data();
    void failedOpening();
    void crests_data();
    void crests();
    void keepsNamesOfReportWithoutTeamsLine();

private:
    void open(const QString &path);
    template<typename T> T *part(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};

void TestOpening::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
    m_window = std::make_unique<Form1>(m_dir->path());
}

void TestOpening::open(const QString &path)
{
    answerNextOpen(part<CommonDialog>("Archivo"), path);
    m_window->Abrir_Encuentro_Click();
}

void TestOpening::startUp()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tezmaro 1.1"));
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(toolbarButton(*m_window, 1)->isEnabled());
    QVERIFY(toolbarButton(*m_window, 5)->isSeparator());
    QVERIFY(toolbarButton(*m_window, 6)->isEnabled());
    QCOMPARE(toolbarButton(*m_window, 2)->toolTip(), QStringLiteral("Comenzar Partida"));
    QVERIFY(part<QRadioButton>("Option1")->isChecked());
    QCOMPARE(m_window->Intervalo, 1);
    auto *timer = part<QTimer>("Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    const QFont narration = part<QLabel>("Texto_Narracion")->font();
    QCOMPARE(narration.family(), QStringLiteral("Lucida Console"));
    QCOMPARE(narration.pointSizeF(), 20.25);
    QVERIFY(narration.bold());
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9", "Label10",
                             "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1", "Image3", "Image4"})
        QVERIFY2(!part<QWidget>(name)->isVisibleTo(m_window.get()), name);
    QVERIFY(part<PictureBox>("Cuadro_Principal")->picture().isNull());
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(), QString());
}

void TestOpening::successfulOpening()
{
    const QString path = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(path, report());
    open(path);

    QCOMPARE(part<CommonDialog>("Archivo")->FileName, path);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(m_window->reportOpen());
    QCOMPARE(m_window->Bandera_Inicio, QStringLiteral("0"));
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(),
             QStringLiteral("\n\n\n\n\nLIGA DE PRUEBA\nJornada 3\n"
                            "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\n"
                            "Árbitro: Juán Pérez"));
    QCOMPARE(part<QLabel>("Label4")->text(), QStringLiteral("Atletico Rio"));
    QCOMPARE(part<QLabel>("Label5")->text(), QStringLiteral("Club Sierra"));
    QCOMPARE(part<QLabel>("Label10")->text(), QStringLiteral("Estadio Mayor (Valle)"));
    QCOMPARE(m_window->EQUIPO_LOCAL, QStringLiteral("ARIO"));
    QCOMPARE(m_window->EQUIPO_VISITA, QStringLiteral("CSIE"));
    QCOMPARE(m_window->Partido.Marc, QStringLiteral("1 --"));
    QCOMPARE(m_window->Partido.Marc2, QStringLiteral("0 --"));
    QCOMPARE(m_window->Partido.Inicio, 5);
    QCOMPARE(m_window->Partido.Fin, 10);
    QCOMPARE(m_window->Partido.Alineaciones_Finales[4], QStringLiteral("Tomas Ruiz           POR"));
    QCOMPARE(part<QLabel>("Texto_Narracion")->font().pointSizeF(), 12.0);
    for (const char *name : {"Label1", "Label2", "Label3"}) {
        QCOMPARE(part<QLabel>(name)->text(), QStringLiteral("0"));
        QVERIFY(part<QLabel>(name)->isHidden());
    }
}

void TestOpening::cancelledFirstOpening()
{
    open(QString());
    QCOMPARE(part<CommonDialog>("Archivo")->FileName, QString());
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(), QString());
}

void TestOpening::cancelledSecondOpening()
{
    const QString path = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(path, report());
    open(path);
    const QString shown = part<PictureBox>("Cuadro_Principal")->text();
    open(QString());
    QCOMPARE(part<CommonDialog>("Archivo")->FileName, path);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(m_window->reportOpen());
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(), shown);
}

void TestOpening::failedOpening_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("deleteOnChoice");
    QTest::addColumn<QString>("home");

    QTest::newRow("empty report") << QByteArray() << false << QString();
    QTest::newRow("teams line without parenthesis") << report("Atletico Rio vs. Club Sierra en Estadio") << false
                                                    << QString();
    QTest::newRow("away part without parenthesis") << report("Atletico Rio (ARIO) vs. Club Sierra en Estadio")
                                                   << false << QStringLiteral("Atletico Rio");
    QTest::newRow("report deleted after it was chosen") << report() << true << QString();
}

void TestOpening::failedOpening()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, deleteOnChoice);
    QFETCH(QString, home);

    const QString path = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(path, content);
    auto *archivo = part<CommonDialog>("Archivo");
    if (deleteOnChoice) {
        connect(archivo, &CommonDialog::aboutToShow, this, [path](QDialog *dialog) {
            connect(dialog, &QDialog::finished, dialog, [path] { QFile::remove(path); });
        });
    }
    open(path);

    QCOMPARE(archivo->FileName, path);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(part<QLabel>("Label4")->text(), home);
}

void TestOpening::crests_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("teamsLine");
    QTest::addColumn<bool>("homeLoaded");
    QTest::addColumn<bool>("awayLoaded");

    const QByteArray line = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)";
    QTest::newRow("both present") << QStringList{"ARIO.gif", "CSIE.gif"} << line << true << true;
    QTest::newRow("no crest folder") << QStringList() << line << false << false;
    QTest::newRow("only the away crest") << QStringList{"CSIE.gif"} << line << false << true;
    QTest::newRow("other letter case") << QStringList{"ario.gif", "Csie.GIF"} << line << true << true;
    QTest::newRow("key naming another folder")
        << QStringList{"ARIO.gif"} << QByteArray("Atletico Rio (../escudos/ARIO) vs. Club Sierra (CSIE) en Estadio")
        << false << false;
    QTest::newRow("not a picture") << QStringList{"ARIO.gif:text"} << line << false << false;
}

void TestOpening::crests()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, teamsLine);
    QFETCH(bool, homeLoaded);
    QFETCH(bool, awayLoaded);

    QImage picture(60, 80, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    for (const QString &entry : files) {
        const QString name = entry.section(u':', 0, 0);
        const QString path = m_dir->filePath(QStringLiteral("escudos/") + name);
        if (entry.endsWith(u":text"))
            writeFile(path, "no es una imagen");
        else
            QVERIFY(picture.save(path, "PNG"));
    }
    if (files.isEmpty())
        QVERIFY(QDir(m_dir->filePath(QStringLiteral("escudos"))).removeRecursively());
    const QString path = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(path, report(teamsLine));
    open(path);
    QVERIFY(m_window->reportOpen());

    auto *image1 = part<QLabel>("Image1");
    auto *image2 = part<QLabel>("Image2");
    // A loaded crest is the test picture; otherwise the stored default crest of its side.
    QCOMPARE(image1->pixmap().size(), homeLoaded ? QSize(60, 80) : QSize(121, 143));
    QCOMPARE(image1->size(), image1->pixmap().size());
    QCOMPARE(image2->pixmap().size(), awayLoaded ? QSize(60, 80) : QSize(121, 143));
    QCOMPARE(image2->size(), QSize(121, 143));
    if (!homeLoaded)
        QCOMPARE(image1->pixmap().toImage(), part<QLabel>("Image3")->pixmap().toImage());
    if (!awayLoaded)
        QCOMPARE(image2->pixmap().toImage(), part<QLabel>("Image4")->pixmap().toImage());
}

void TestOpening::keepsNamesOfReportWithoutTeamsLine()
{
    const QString first = m_dir->filePath(QStringLiteral("primero.txt"));
    writeFile(first, report());
    open(first);
    const QString second = m_dir->filePath(QStringLiteral("segundo.txt"));
    writeFile(second, "Sin equipos\r\nComentarios\r\nMin  1: Nada.\r\n");
    open(second);
    QVERIFY(m_window->reportOpen());
    QCOMPARE(part<QLabel>("Label4")->text(), QStringLiteral("Atletico Rio"));
    QCOMPARE(m_window->EQUIPO_VISITA, QStringLiteral("CSIE"));
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(), QStringLiteral("\n\n\n\n\nSin equipos"));
    // No line-ups in the second report: the rows stay, the markers are reset.
    QCOMPARE(m_window->Partido.Inicio, 0);
    QCOMPARE(m_window->Partido.Fin, 0);
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
