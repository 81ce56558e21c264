#include "../shell/formfixture.h"
#include "settings/fontdialog.h"
#include "shell/framebox.h"
#include "shell/picturebox.h"

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QMessageBox>

using Answer = std::function<void(QDialog *)>;
Q_DECLARE_METATYPE(Answer)

namespace {

Answer pickColour(const QColor &colour)
{
    return [=](QDialog *d) { static_cast<QColorDialog *>(d)->setCurrentColor(colour); };
}

// The values set as a person would set them in the dialog.
Answer pickFont(const QString &name, float size, qint32 colour)
{
    return [=](QDialog *d) {
        auto *font = static_cast<FontDialog *>(d);
        FontChoice choice = font->choice();
        choice.name = name;
        choice.size = size;
        choice.italic = true;
        choice.color = colour;
        font->setChoice(choice);
    };
}

const QString Campo = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void colourCommands_data();
    void colourCommands();
    void fontCommands_data();
    void fontCommands();
    void pictureCommand();
    void restartRestoresLook();
    void startUpWithRelativePicture();

private:
    QString settingsText() const;
    void restart() { m_window = std::make_unique<Form1>(m_dir->path()); }
    template<typename T> T *part(const char *name) { return ::part<T>(m_window.get(), name); }
    QColor background() { return m_window->centralWidget()->palette().color(QPalette::Window); }
    QPixmap picture() { return part<PictureBox>("Cuadro_Principal")->picture(); }
    QFont narrationFont() { return part<QLabel>("Texto_Narracion")->font(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};

void TestAppearance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    restart();
}

QString TestAppearance::settingsText() const
{
    QFile file(m_dir->filePath(QStringLiteral("TPZ.INI")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void TestAppearance::colourCommands_data()
{
    QTest::addColumn<bool>("chooses");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<QString>("stored");

    QTest::newRow("default colour is grey") << false << Answer() << QColor(126, 126, 126) << "[COLORFONDO]=8289918";
    QTest::newRow("chosen colour") << true << pickColour(QColor(10, 20, 200)) << QColor(10, 20, 200)
                                   << "[COLORFONDO]=13112330";
    QTest::newRow("cancelled colour dialog still saves") << true << Answer() << QColor(0, 64, 0)
                                                         << "[COLORFONDO]=16384";
}

void TestAppearance::colourCommands()
{
    QFETCH(bool, chooses);
    QFETCH(Answer, answer);
    QFETCH(QColor, expected);
    QFETCH(QString, stored);

    if (chooses) {
        answerNext(part<CommonDialog>("Archivo2"), answer);
        m_window->Escoger_Click();
    } else {
        m_window->Predeterminado_Click();
    }
    QCOMPARE(background(), expected);
    QCOMPARE(part<FrameBox>("Frame2")->backColor(), expected);
    QVERIFY2(settingsText().contains(stored + "\r\n"), qPrintable(settingsText()));
}

void TestAppearance::fontCommands_data()
{
    QTest::addColumn<bool>("chooses");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("default font") << false << Answer() << "Lucida Console" << 12.0
                                  << QColor(Qt::white);
    QTest::newRow("chosen font") << true << pickFont("DejaVu Serif", 15.5f, 0x0000FFFF) << "DejaVu Serif" << 15.5
                                 << QColor(255, 255, 0);
    QTest::newRow("cancelled font dialog still applies and saves")
        << true << Answer() << "Lucida Console" << 12.0 << QColor(Qt::white);
}

void TestAppearance::fontCommands()
{
    QFETCH(bool, chooses);
    QFETCH(Answer, answer);
    QFETCH(QString, family);
    QFETCH(qreal, size);
    QFETCH(QColor, textColour);

    if (chooses) {
        answerNext(part<CommonDialog>("Archivo"), answer);
        m_window->Escoger2_Click();
    } else {
        part<CommonDialog>("Archivo")->FontSize = 30;
        m_window->Predeterminado2_Click();
    }
    QCOMPARE(narrationFont().family(), family);
    QCOMPARE(narrationFont().pointSizeF(), size);
    QCOMPARE(part<QLabel>("Texto_Narracion")->palette().color(QPalette::WindowText), textColour);
    const QString text = settingsText();
    QVERIFY2(text.contains("[LETRAName]=" + family + "\r\n[LETRASize]=" + QString::number(size) + "\r\n"),
             qPrintable(text));
}

void TestAppearance::pictureCommand()
{
    auto *archivo2 = part<CommonDialog>("Archivo2");
    answerNextOpen(archivo2, QString());
    m_window->Fondo_Aplicacion_Click();
    QVERIFY(settingsText().isEmpty());

    answerNextOpen(archivo2, Campo);
    m_window->Fondo_Aplicacion_Click();
    QCOMPARE(picture().size(), QSize(661, 473));
    const QString saved = settingsText();
    QVERIFY(saved.endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));

    // A picture that does not load is named in a message and changes nothing.
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
    answerNextOpen(archivo2, bad);
    m_window->Fondo_Aplicacion_Click();
    QVERIFY(message.contains(QStringLiteral("roto.gif")));
    // Nor does a cancelled choice; the file written next still names the picture on show.
    answerNextOpen(archivo2, QString());
    m_window->Fondo_Aplicacion_Click();
    QCOMPARE(settingsText(), saved);
    m_window->Predeterminado_Click();
    QVERIFY(settingsText().endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));
    QCOMPARE(picture().size(), QSize(661, 473));
}

void TestAppearance::restartRestoresLook()
{
    answerNext(part<CommonDialog>("Archivo2"), pickColour(QColor(90, 30, 30)));
    m_window->Escoger_Click();
    answerNext(part<CommonDialog>("Archivo"), pickFont("DejaVu Sans", 20.25f, 0x0000C0FF));
    m_window->Escoger2_Click();
    answerNextOpen(part<CommonDialog>("Archivo2"), Campo);
    m_window->Fondo_Aplicacion_Click();

    restart();
    QCOMPARE(background(), QColor(90, 30, 30));
    QCOMPARE(narrationFont().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(narrationFont().pointSizeF(), 20.25);
    QVERIFY(narrationFont().italic());
    QCOMPARE(part<QLabel>("Texto_Narracion")->palette().color(QPalette::WindowText), QColor(255, 192, 0));
    QCOMPARE(picture().size(), QSize(661, 473));
    QCOMPARE(part<CommonDialog>("Archivo")->FontSize, 20.25f);
}

void TestAppearance::startUpWithRelativePicture()
{
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("fondos")));
    QVERIFY(QFile::copy(Campo, m_dir->filePath(QStringLiteral("fondos/campo.gif"))));
    writeFile(m_dir->filePath(QStringLiteral("TPZ.INI")),
              "[General]\r\n[COLORFONDO]=255\r\n[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n[LETRASize]=14\r\n");
    restart();
    QCOMPARE(background(), QColor(255, 0, 0));
    QCOMPARE(picture().size(), QSize(661, 473));
    QCOMPARE(narrationFont().pointSizeF(), 14.0);

    // The relative path is written back as it was read.
    m_window->Predeterminado_Click();
    QVERIFY(settingsText().endsWith("[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n"));
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
