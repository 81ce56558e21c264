#include "shell/commondialog.h"
#include "shell/form1.h"
#include "shell/framebox.h"
#include "shell/picturebox.h"
#include "settings/fontdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Scripts the next dialog of a component: accept it after changing it, or
// cancel it when change is empty.
void answerNext(CommonDialog *component, std::function<void(QDialog *)> change)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(component, &CommonDialog::aboutToShow, component, [=](QDialog *dialog) {
        QObject::disconnect(*connection);
        delete connection;
        QTimer::singleShot(0, dialog, [=] {
            if (!change) {
                dialog->reject();
                return;
            }
            change(dialog);
            dialog->accept();
        });
    });
}

QColor background(QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

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
    void pictureCancelled();
    void pictureChosen();
    void pictureThatDoesNotLoad();
    void restartRestoresLook();
    void startUpWithRelativePicture();

private:
    QString settingsText() const;
    void restart() { m_window = std::make_unique<Form1>(m_dir->path()); }
    template<typename T> T *part(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    QString m_settings;
};

void TestAppearance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = m_dir->filePath(QStringLiteral("TPZ.INI"));
    restart();
}

QString TestAppearance::settingsText() const
{
    QFile file(m_settings);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

void TestAppearance::colourCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<QString>("stored");

    QTest::newRow("default colour is grey") << "Predeterminado" << QColor(126, 126, 126) << "[COLORFONDO]=8289918";
    QTest::newRow("chosen colour") << "Escoger" << QColor(10, 20, 200) << "[COLORFONDO]=13112330";
    QTest::newRow("cancelled colour dialog still saves") << "cancel" << QColor(0, 64, 0) << "[COLORFONDO]=16384";
}

void TestAppearance::colourCommands()
{
    QFETCH(QString, command);
    QFETCH(QColor, expected);
    QFETCH(QString, stored);

    auto *archivo2 = part<CommonDialog>("Archivo2");
    if (command == u"Predeterminado") {
        m_window->Predeterminado_Click();
    } else {
        if (command == u"Escoger")
            answerNext(archivo2, [](QDialog *d) { static_cast<QColorDialog *>(d)->setCurrentColor(QColor(10, 20, 200)); });
        else
            answerNext(archivo2, {});
        m_window->Escoger_Click();
    }
    QCOMPARE(background(m_window->centralWidget()), expected);
    QCOMPARE(part<FrameBox>("Frame2")->backColor(), expected);
    // The display area keeps its own colour.
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->backColor(), QColor(0, 64, 0));
    QVERIFY2(settingsText().contains(stored + QStringLiteral("\r\n")), qPrintable(settingsText()));
}

void TestAppearance::fontCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("size");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("textColour");

    QTest::newRow("default font") << "Predeterminado2" << "Lucida Console" << 12.0 << false << QColor(Qt::white);
    QTest::newRow("chosen font") << "Escoger2" << "DejaVu Serif" << 15.5 << true << QColor(255, 255, 0);
    QTest::newRow("cancelled font dialog still applies and saves")
        << "cancel" << "Lucida Console" << 12.0 << false << QColor(Qt::white);
}

void TestAppearance::fontCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, family);
    QFETCH(qreal, size);
    QFETCH(bool, italic);
    QFETCH(QColor, textColour);

    auto *archivo = part<CommonDialog>("Archivo");
    if (command == u"Predeterminado2") {
        archivo->FontSize = 30;
        m_window->Predeterminado2_Click();
    } else {
        // The values are set as a person would set them in the dialog.
        auto change = command == u"cancel" ? std::function<void(QDialog *)>() : [](QDialog *d) {
            auto *font = static_cast<FontDialog *>(d);
            FontChoice choice = font->choice();
            choice.name = QStringLiteral("DejaVu Serif");
            choice.size = 15.5f;
            choice.italic = true;
            choice.color = 0x0000FFFF;
            font->setChoice(choice);
        };
        answerNext(archivo, change);
        m_window->Escoger2_Click();
    }
    const QLabel *narration = part<QLabel>("Texto_Narracion");
    QCOMPARE(narration->font().family(), family);
    QCOMPARE(narration->font().pointSizeF(), size);
    QCOMPARE(narration->font().italic(), italic);
    QVERIFY(narration->font().bold());
    QCOMPARE(narration->palette().color(QPalette::WindowText), textColour);
    const QString text = settingsText();
    QVERIFY2(text.contains(QStringLiteral("[LETRAName]=") + family + QStringLiteral("\r\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("[LETRASize]=") + QString::number(size) + QStringLiteral("\r\n")),
             qPrintable(text));
}

void TestAppearance::pictureCancelled()
{
    answerNext(part<CommonDialog>("Archivo2"), {});
    m_window->Fondo_Aplicacion_Click();
    QVERIFY(!QFile::exists(m_settings));
    QVERIFY(part<PictureBox>("Cuadro_Principal")->picture().isNull());
}

void TestAppearance::pictureChosen()
{
    const QString picture = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");
    answerNext(part<CommonDialog>("Archivo2"), [=](QDialog *d) { static_cast<QFileDialog *>(d)->selectFile(picture); });
    m_window->Fondo_Aplicacion_Click();
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->picture().size(), QSize(661, 473));
    QVERIFY(settingsText().endsWith(QStringLiteral("[IMAGENFONDO]=") + picture + QStringLiteral("\r\n[IMAGEN]=1\r\n")));

    // A cancelled choice afterwards keeps the picture, and the file still names it.
    answerNext(part<CommonDialog>("Archivo2"), {});
    m_window->Fondo_Aplicacion_Click();
    m_window->Predeterminado_Click();
    QVERIFY(settingsText().endsWith(QStringLiteral("[IMAGENFONDO]=") + picture + QStringLiteral("\r\n[IMAGEN]=1\r\n")));
    QVERIFY(!part<PictureBox>("Cuadro_Principal")->picture().isNull());
}

void TestAppearance::pictureThatDoesNotLoad()
{
    const QString bad = m_dir->filePath(QStringLiteral("roto.gif"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIF89a pero no");
    file.close();

    QTimer closer;
    QString message;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    closer.start(10);
    answerNext(part<CommonDialog>("Archivo2"), [=](QDialog *d) { static_cast<QFileDialog *>(d)->selectFile(bad); });
    m_window->Fondo_Aplicacion_Click();
    QVERIFY(message.contains(QStringLiteral("roto.gif")));
    QVERIFY(part<PictureBox>("Cuadro_Principal")->picture().isNull());
    QVERIFY(!QFile::exists(m_settings));
}

void TestAppearance::restartRestoresLook()
{
    answerNext(part<CommonDialog>("Archivo2"), [](QDialog *d) { static_cast<QColorDialog *>(d)->setCurrentColor(QColor(90, 30, 30)); });
    m_window->Escoger_Click();
    answerNext(part<CommonDialog>("Archivo"), [](QDialog *d) {
        auto *font = static_cast<FontDialog *>(d);
        FontChoice choice = font->choice();
        choice.name = QStringLiteral("DejaVu Sans");
        choice.size = 20.25f;
        choice.underline = true;
        choice.color = 0x0000C0FF;
        font->setChoice(choice);
    });
    m_window->Escoger2_Click();
    const QString picture = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");
    answerNext(part<CommonDialog>("Archivo2"), [=](QDialog *d) { static_cast<QFileDialog *>(d)->selectFile(picture); });
    m_window->Fondo_Aplicacion_Click();

    restart();
    QCOMPARE(background(m_window->centralWidget()), QColor(90, 30, 30));
    const QLabel *narration = part<QLabel>("Texto_Narracion");
    QCOMPARE(narration->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(narration->font().pointSizeF(), 20.25);
    QVERIFY(narration->font().underline());
    QCOMPARE(narration->palette().color(QPalette::WindowText), QColor(255, 192, 0));
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->picture().size(), QSize(661, 473));
    QCOMPARE(part<CommonDialog>("Archivo")->FontSize, 20.25f);
    QCOMPARE(m_window->IMAGEN_NUM, 1);
}

void TestAppearance::startUpWithRelativePicture()
{
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("fondos")));
    QVERIFY(QFile::copy(QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif"),
                        m_dir->filePath(QStringLiteral("fondos/campo.gif"))));
    QFile file(m_settings);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\r\n[COLORFONDO]=255\r\n[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n"
               "[LETRASize]=14\r\n");
    file.close();
    restart();
    QCOMPARE(background(m_window->centralWidget()), QColor(255, 0, 0));
    QCOMPARE(part<PictureBox>("Cuadro_Principal")->picture().size(), QSize(661, 473));
    QCOMPARE(m_window->NOMBRE_IMA, QStringLiteral("\\fondos\\campo.gif"));
    QCOMPARE(m_window->IMAGEN_NUM, 0);
    QCOMPARE(part<QLabel>("Texto_Narracion")->font().pointSizeF(), 14.0);

    // The relative path is written back as it was read.
    m_window->Predeterminado_Click();
    QVERIFY(settingsText().endsWith(QStringLiteral("[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n")));
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
