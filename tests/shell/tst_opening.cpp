#include "formfixture.h"
#include "shell/picturebox.h"

#include <QRadioButton>

namespace {

QByteArray report(const QByteArray &teamsLine = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)")
{
    return "LIGA DE PRUEBA\r\n" + teamsLine + "\r\n\xC1rbitro: Ju\xE1n P\xE9rez\r\nComentarios del partido\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

} // namespace

class TestOpening : public FormFixture
{
    Q_OBJECT

    QString shown() { return part<PictureBox>("Cuadro_Principal")->text(); }
    QString reportPath() { return m_dir->filePath(QStringLiteral("partido.txt")); }

private slots:
    void init()
    {
        fresh();
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
        writeFile(reportPath(), report());
    }

    // A cancelled first opening leaves the window as it started.
    void startUpAndCancelledFirstOpening()
    {
        for (bool cancelled : {false, true}) {
            if (cancelled)
                open(QString());
            QCOMPARE(part<CommonDialog>("Archivo")->FileName, QString());
            QCOMPARE(playbackButtons(), QStringLiteral("---"));
            QVERIFY(!m_window->reportOpen());
            QVERIFY(part<QRadioButton>("Option1")->isChecked());
            QVERIFY(!part<QTimer>("Timer1")->isActive());
            for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9",
                                     "Label10", "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1"})
                QVERIFY2(!part<QWidget>(name)->isVisibleTo(m_window.get()), name);
            QCOMPARE(shown(), QString());
        }
    }

    void successfulOpeningAndCancelledSecond()
    {
        QImage crest(60, 80, QImage::Format_RGB32);
        crest.fill(Qt::magenta);
        QVERIFY(crest.save(m_dir->filePath(QStringLiteral("escudos/ARIO.gif")), "PNG"));
        open(reportPath());
        // Which crest file is found is the lookup's part; the window's part is to
        // size a loaded home crest and keep the default crest of a side without one.
        auto *home = part<QLabel>("Image1");
        auto *away = part<QLabel>("Image2");
        QCOMPARE(home->pixmap().size(), QSize(60, 80));
        QCOMPARE(home->size(), QSize(60, 80));
        QCOMPARE(away->pixmap().toImage(), part<QLabel>("Image4")->pixmap().toImage());
        QCOMPARE(away->size(), QSize(121, 143));

        // Five empty lines, then the header in Windows-1252.
        const QString header = QStringLiteral("\n\n\n\n\nLIGA DE PRUEBA\n"
                                              "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\n"
                                              "Árbitro: Juán Pérez");
        for (bool cancelled : {false, true}) {
            if (cancelled)
                open(QString());
            QCOMPARE(part<CommonDialog>("Archivo")->FileName, reportPath());
            QCOMPARE(playbackButtons(), QStringLiteral("B--"));
            QVERIFY(m_window->reportOpen());
            QCOMPARE(shown(), header);
            QCOMPARE(text("Label4") + '|' + text("Label5") + '|' + text("Label10"),
                     QStringLiteral("Atletico Rio|Club Sierra|Estadio Mayor (Valle)"));
        }
    }

    void failedOpening_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("deleteOnChoice");
        QTest::addColumn<QString>("home");

        QTest::newRow("empty report") << QByteArray() << false << QString();
        QTest::newRow("away part without parenthesis: the home name shows")
            << report("Atletico Rio (ARIO) vs. Club Sierra en Mayor") << false << QStringLiteral("Atletico Rio");
        QTest::newRow("report deleted after it was chosen") << report() << true << QString();
    }

    void failedOpening()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, deleteOnChoice);
        QFETCH(QString, home);

        writeFile(reportPath(), content);
        if (deleteOnChoice) {
            connect(part<CommonDialog>("Archivo"), &CommonDialog::aboutToShow, this, [this](QDialog *dialog) {
                connect(dialog, &QDialog::finished, dialog, [this] { QFile::remove(reportPath()); });
            });
        }
        open(reportPath());

        QCOMPARE(part<CommonDialog>("Archivo")->FileName, reportPath());
        QCOMPARE(playbackButtons(), QStringLiteral("---"));
        QVERIFY(!m_window->reportOpen());
        QCOMPARE(text("Label4"), home);
    }
};

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
