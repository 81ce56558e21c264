#include "../shell/formfixture.h"
#include "settings/fontdialog.h"
#include "shell/framebox.h"
#include "shell/picturebox.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>


namespace {

Answer pickColour(const QColor &colour, bool accept = true)
{
    return [=](QDialog *d) {
        static_cast<QColorDialog *>(d)->setCurrentColor(colour);
        return accept;
    };
}

Answer pickFont(const QString &name, float size, qint32 colour, bool accept = true)
{
    return [=](QDialog *d) {
        auto *font = static_cast<FontDialog *>(d);
        FontChoice choice = font->choice();
        choice.name = name;
        choice.size = size;
        choice.italic = true;
        choice.color = colour;
        font->setChoice(choice);
        return accept;
    };
}

const QString Campo = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");

} // namespace

class TestAppearance : public FormFixture
{
    Q_OBJECT

    QString settingsText()
    {
        QFile file(m_dir->filePath(QStringLiteral("TPZ.INI")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    QColor background() { return m_window->centralWidget()->palette().color(QPalette::Window); }
    QSize pictureSize() { return part<PictureBox>("Cuadro_Principal")->picture().size(); }
    QFont narrationFont() { return part<QLabel>("Texto_Narracion")->font(); }
    QColor narrationColour() { return part<QLabel>("Texto_Narracion")->palette().color(QPalette::WindowText); }
    void choosePicture(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo2"), path);
        m_window->Fondo_Aplicacion_Click();
    }

private slots:
    void init() { fresh(); }

    // A cancelled dialog still applies and saves the colour or font held, not
    // what was picked in it.
    void cancelledDialogsStillSave()
    {
        answerNext(part<CommonDialog>("Archivo2"), pickColour(QColor(1, 2, 3), false));
        m_window->Escoger_Click();
        QCOMPARE(background(), QColor(0, 64, 0));
        QVERIFY(settingsText().contains("[COLORFONDO]=16384\r\n"));
        QFile::remove(m_dir->filePath(QStringLiteral("TPZ.INI")));
        answerNext(part<CommonDialog>("Archivo"), pickFont("DejaVu Serif", 15.5f, 0x0000FFFF, false));
        m_window->Escoger2_Click();
        QCOMPARE(narrationFont().pointSizeF(), 12.0);
        QVERIFY(settingsText().contains("[LETRAName]=Lucida Console\r\n[LETRASize]=12\r\n"));
    }

    void pictureCommand()
    {
        choosePicture(QString());
        QVERIFY(settingsText().isEmpty());
        choosePicture(Campo);
        QCOMPARE(pictureSize(), QSize(661, 473));
        const QString saved = settingsText();
        QVERIFY(saved.endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));

        // A picture that does not load is named in a message and changes nothing,
        // nor does a cancelled choice: the file written next names the picture on show.
        const QString bad = m_dir->filePath(QStringLiteral("roto.gif"));
        writeFile(bad, "GIF89a pero no");
        QString message;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        closer.start(10);
        choosePicture(bad);
        QVERIFY(message.contains(QStringLiteral("roto.gif")));
        choosePicture(QString());
        QCOMPARE(settingsText(), saved);
        m_window->Predeterminado_Click();
        QVERIFY(settingsText().endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));
        QCOMPARE(pictureSize(), QSize(661, 473));
    }

    void chosenLookShowsAndSurvivesRestart()
    {
        answerNext(part<CommonDialog>("Archivo2"), pickColour(QColor(90, 30, 30)));
        m_window->Escoger_Click();
        answerNext(part<CommonDialog>("Archivo"), pickFont("DejaVu Sans", 20.25f, 0x0000C0FF));
        m_window->Escoger2_Click();
        choosePicture(Campo);
        QVERIFY(settingsText().contains("[COLORFONDO]=1973850\r\n"));
        QVERIFY(settingsText().contains("[LETRAName]=DejaVu Sans\r\n[LETRASize]=20.25\r\n"));

        for (bool restarted : {false, true}) {
            if (restarted)
                restart();
            QCOMPARE(background(), QColor(90, 30, 30));
            QCOMPARE(part<FrameBox>("Frame2")->backColor(), QColor(90, 30, 30));
            QCOMPARE(narrationFont().family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(narrationFont().pointSizeF(), 20.25);
            QVERIFY(narrationFont().italic());
            QCOMPARE(narrationColour(), QColor(255, 192, 0));
            QCOMPARE(pictureSize(), QSize(661, 473));
        }
    }

    void startUpWithRelativePicture()
    {
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("fondos")));
        QVERIFY(QFile::copy(Campo, m_dir->filePath(QStringLiteral("fondos/campo.gif"))));
        writeFile(m_dir->filePath(QStringLiteral("TPZ.INI")),
                  "[General]\r\n[COLORFONDO]=255\r\n[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n[LETRASize]=14\r\n");
        restart();
        QCOMPARE(background(), QColor(255, 0, 0));
        QCOMPARE(pictureSize(), QSize(661, 473));
        QCOMPARE(narrationFont().pointSizeF(), 14.0);

        // The relative path is written back as it was read.
        m_window->Predeterminado_Click();
        QVERIFY(settingsText().endsWith("[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n"));
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
