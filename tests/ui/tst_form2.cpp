#include "kit/picturebox.h"
#include "form2.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One word tells each page apart.
const QByteArray Report = "Min 90: Final\r\n=== Alineaciones finales ===\r\n01 Rio\r\n\r\n01 Sierra\r\n\r\n"
                          "=== Resumen del partido ===\r\nTiros 3 2\r\n\r\nBonus Local: +2\r\n";
const char *const Words[] = {"", "Rio", "Sierra", "Tiros", "Bonus"};

void writeReport(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

template<typename T>
T *part(Form2 &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

QString shown(Form2 &window)
{
    return part<PictureBox>(window, "Picture1")->text();
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_report = m_dir->filePath(QStringLiteral("encuentro.txt"));
        writeReport(m_report, Report);
    }

    void paging_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("backEnabled");
        QTest::addColumn<bool>("forwardEnabled");

        QTest::newRow("opened on page 1") << QString() << 1 << false << true;
        QTest::newRow(">> three times disables >>") << QStringLiteral(">>>") << 4 << true << false;
        QTest::newRow("<< from page 4 enables >>") << QStringLiteral(">>><") << 3 << true << true;
        QTest::newRow("three >> then three << back to page 1") << QStringLiteral(">>><<<") << 1 << false << true;
    }

    void paging()
    {
        QFETCH(QString, presses);
        QFETCH(int, page);
        QFETCH(bool, backEnabled);
        QFETCH(bool, forwardEnabled);
        Form2 window(m_report, 0x00004000);
        auto *back = part<QPushButton>(window, "Command1");
        auto *forward = part<QPushButton>(window, "Command2");
        window.show();

        for (QChar press : presses)
            QTest::mouseClick(press == u'>' ? forward : back, Qt::LeftButton);

        for (int other = 1; other <= 4; ++other)
            QCOMPARE(shown(window).contains(QLatin1String(Words[other])), other == page);
        QCOMPARE(back->isEnabled(), backEnabled);
        QCOMPARE(forward->isEnabled(), forwardEnabled);
    }

    // Each window reads the report afresh; one moved away gives empty pages.
    void readsTheReportWhenOpened()
    {
        QVERIFY(shown(*std::make_unique<Form2>(m_report, 0x00004000)).contains(QStringLiteral("01 Rio")));
        writeReport(m_report, QByteArray(Report).replace("01 Rio", "02 Cambiado"));
        QVERIFY(shown(*std::make_unique<Form2>(m_report, 0x00004000)).contains(QStringLiteral("02 Cambiado")));
        QVERIFY(QFile::remove(m_report));
        Form2 window(m_report, 0x00004000);
        for (int page = 1; page <= 4; ++page) {
            QCOMPARE(shown(window), QString(20, u'\n')); // 21 empty rows
            QTest::mouseClick(part<QPushButton>(window, "Command2"), Qt::LeftButton);
        }
    }

    void looksOfTheMainWindow()
    {
        Form2 window(m_report, 0x00FF0010);
        window.show();
        const QImage image = window.grab().toImage();
        // The colour comes as 0x00BBGGRR: blue and red must not be swapped.
        QCOMPARE(image.pixelColor(2, 2), QColor(0x10, 0, 0xFF));     // the window's margin
        QCOMPARE(image.pixelColor(300, 290), QColor(0x10, 0, 0xFF)); // Picture1, below the rows
        // All 21 rows of a page show above the page buttons.
        auto *picture = part<PictureBox>(window, "Picture1");
        QVERIFY(21 * picture->lineStep() <= part<QPushButton>(window, "Command1")->y());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_report;
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
