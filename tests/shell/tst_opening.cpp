#include "formfixture.h"
#include "shell/picturebox.h"

#include <QLabel>
#include <QRadioButton>

namespace {

QByteArray report(const QByteArray &teamsLine = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)")
{
    return "LIGA DE PRUEBA\r\n" + teamsLine + "\r\n\xC1rbitro: Ju\xE1n P\xE9rez\r\nComentarios del partido\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

} // namespace

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUp();
    void successfulOpening();
    void cancelledOpenings();
    void failedOpening_data();
    void failedOpening();
    void crests_data();
    void crests();

private:
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo"), path);
        m_window->Abrir_Encuentro_Click();
    }
    QString shown() { return part<PictureBox>("Cuadro_Principal")->text(); }
    template<typename T> T *part(const char *name) { return ::part<T>(m_window.get(), name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    QString m_report;
};

void TestOpening::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
    m_window = std::make_unique<Form1>(m_dir->path());
    m_report = m_dir->filePath(QStringLiteral("partido.txt"));
    writeFile(m_report, report());
}

void TestOpening::startUp()
{
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(part<QRadioButton>("Option1")->isChecked());
    QCOMPARE(m_window->Intervalo, 1);
    QVERIFY(!part<QTimer>("Timer1")->isActive());
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9", "Label10",
                             "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1", "Image3", "Image4"})
        QVERIFY2(!part<QWidget>(name)->isVisibleTo(m_window.get()), name);
    QCOMPARE(shown(), QString());
}

void TestOpening::successfulOpening()
{
    open(m_report);
    QCOMPARE(part<CommonDialog>("Archivo")->FileName, m_report);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(m_window->reportOpen());
    // Five empty lines, then the header in Windows-1252.
    QCOMPARE(shown(), QStringLiteral("\n\n\n\n\nLIGA DE PRUEBA\n"
                                     "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\n"
                                     "Árbitro: Juán Pérez"));
    QCOMPARE(part<QLabel>("Label4")->text(), QStringLiteral("Atletico Rio"));
    QCOMPARE(part<QLabel>("Label5")->text(), QStringLiteral("Club Sierra"));
    QCOMPARE(part<QLabel>("Label10")->text(), QStringLiteral("Estadio Mayor (Valle)"));
}

void TestOpening::cancelledOpenings()
{
    open(QString());
    QCOMPARE(part<CommonDialog>("Archivo")->FileName, QString());
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(!m_window->reportOpen());

    // A second opening cancelled keeps the first report.
    open(m_report);
    const QString header = shown();
    open(QString());
    QCOMPARE(part<CommonDialog>("Archivo")->FileName, m_report);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("B--"));
    QVERIFY(m_window->reportOpen());
    QCOMPARE(shown(), header);
}

void TestOpening::failedOpening_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("deleteOnChoice");
    QTest::addColumn<QString>("home");

    QTest::newRow("empty report") << QByteArray() << false << QString();
    QTest::newRow("teams line without parenthesis") << report("Rio vs. Sierra en Mayor") << false << QString();
    QTest::newRow("away part without parenthesis: the home name shows")
        << report("Atletico Rio (ARIO) vs. Club Sierra en Mayor") << false << QStringLiteral("Atletico Rio");
    QTest::newRow("report deleted after it was chosen") << report() << true << QString();
}

void TestOpening::failedOpening()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, deleteOnChoice);
    QFETCH(QString, home);

    writeFile(m_report, content);
    auto *archivo = part<CommonDialog>("Archivo");
    if (deleteOnChoice) {
        connect(archivo, &CommonDialog::aboutToShow, this, [this](QDialog *dialog) {
            connect(dialog, &QDialog::finished, dialog, [this] { QFile::remove(m_report); });
        });
    }
    open(m_report);

    QCOMPARE(archivo->FileName, m_report);
    QCOMPARE(playbackButtons(*m_window), QStringLiteral("---"));
    QVERIFY(!m_window->reportOpen());
    QCOMPARE(part<QLabel>("Label4")->text(), home);
}

// Which crest file is found is the lookup's part; the window's part is to keep
// the default crest of a side when none loads and to size a loaded home crest.
void TestOpening::crests_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("homeLoaded");
    QTest::addColumn<bool>("awayLoaded");

    QTest::newRow("only the away crest") << QStringList{"CSIE.gif"} << false << true;
    QTest::newRow("both present") << QStringList{"ARIO.gif", "CSIE.gif"} << true << true;
    QTest::newRow("not a picture") << QStringList{"ARIO.gif:text"} << false << false;
}

void TestOpening::crests()
{
    QFETCH(QStringList, files);
    QFETCH(bool, homeLoaded);
    QFETCH(bool, awayLoaded);

    QImage picture(60, 80, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    for (const QString &entry : files) {
        const QString path = m_dir->filePath(QStringLiteral("escudos/") + entry.section(u':', 0, 0));
        if (entry.endsWith(u":text"))
            writeFile(path, "no es una imagen");
        else
            QVERIFY(picture.save(path, "PNG"));
    }
    open(m_report);

    auto *image1 = part<QLabel>("Image1");
    auto *image2 = part<QLabel>("Image2");
    QCOMPARE(image1->pixmap().size(), homeLoaded ? QSize(60, 80) : QSize(121, 143));
    QCOMPARE(image1->size(), image1->pixmap().size());
    QCOMPARE(image2->pixmap().size(), awayLoaded ? QSize(60, 80) : QSize(121, 143));
    QCOMPARE(image2->size(), QSize(121, 143));
    if (!homeLoaded)
        QCOMPARE(image1->pixmap().toImage(), part<QLabel>("Image3")->pixmap().toImage());
    if (!awayLoaded)
        QCOMPARE(image2->pixmap().toImage(), part<QLabel>("Image4")->pixmap().toImage());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
