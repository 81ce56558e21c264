#include "kit/picturebox.h"
#include "form2.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// One word tells each page apart.
static const QByteArray Report = "Min 90: Final\r\n=== Alineaciones finales ===\r\n01 Rio\r\n\r\n01 Sierra\r\n\r\n"
                                 "=== Resumen del partido ===\r\nTiros 3 2\r\n\r\nBonus Local: +2\r\n";

class TestForm2 : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_report = m_dir.filePath("encuentro.txt");

    void write(const QByteArray &bytes)
    {
        QFile file(m_report);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QString shown(Form2 &window) { return window.findChild<PictureBox *>("Picture1")->text(); }
    static QPushButton *button(Form2 &window, const char *name) { return window.findChild<QPushButton *>(name); }

private slots:
    void init() { write(Report); }

    // Pressing ">>" three times shows pages 2 to 4, "<<" comes back; each
    // button is disabled where it leads nowhere. Page Down, Right and Down
    // turn on as ">>" does, Page Up, Left and Up back as "<<", never further.
    void paging_data()
    {
        QTest::addColumn<QString>("presses"); // buttons ">" "<", keys d u (pages), r l n p (arrows)
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<bool>>("enabled"); // "<<" and ">>"

        QTest::newRow("opened on page 1") << "" << "Rio" << QList<bool>{false, true};
        QTest::newRow(">> three times disables >>") << ">>>" << "Bonus" << QList<bool>{true, false};
        QTest::newRow("<< from page 4 enables >>") << ">>><" << "Tiros" << QList<bool>{true, true};
        QTest::newRow("Page Down and arrows on, and no further") << "drnd" << "Bonus" << QList<bool>{true, false};
        QTest::newRow("Page Up and arrows back, and no further") << ">>>ulpu" << "Rio" << QList<bool>{false, true};
    }

    void paging()
    {
        QFETCH(QString, presses);
        QFETCH(QString, word);
        Form2 window(m_report, 0x00004000);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QHash<QChar, Qt::Key> keys{{u'd', Qt::Key_PageDown}, {u'u', Qt::Key_PageUp}, {u'r', Qt::Key_Right},
                                         {u'l', Qt::Key_Left},     {u'n', Qt::Key_Down},   {u'p', Qt::Key_Up}};
        for (QChar press : presses) {
            if (keys.contains(press))
                QTest::keyClick(QApplication::focusWidget(), keys.value(press));
            else
                button(window, press == u'>' ? "Command2" : "Command1")->click();
        }
        for (const char *other : {"Rio", "Sierra", "Tiros", "Bonus"})
            QCOMPARE(shown(window).contains(QLatin1String(other)), word == QLatin1String(other));
        QTEST((QList<bool>{button(window, "Command1")->isEnabled(), button(window, "Command2")->isEnabled()}), "enabled");
    }

    // Each window reads the report afresh; one moved away gives empty pages.
    void readsTheReportWhenOpened()
    {
        QVERIFY(shown(*std::make_unique<Form2>(m_report, 0x00004000)).contains(QStringLiteral("01 Rio")));
        write(QByteArray(Report).replace("01 Rio", "02 Cambiado"));
        QVERIFY(shown(*std::make_unique<Form2>(m_report, 0x00004000)).contains(QStringLiteral("02 Cambiado")));
        QVERIFY(QFile::remove(m_report));
        Form2 window(m_report, 0x00004000);
        for (int page = 1; page <= 4; ++page, window.Command2_Click())
            QCOMPARE(shown(window), QString(20, u'\n')); // 21 empty rows
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
        QVERIFY(21 * window.findChild<PictureBox *>("Picture1")->lineStep() <= button(window, "Command1")->y());
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
