#include "about/form3.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void keyPressesTheButtonAndCloses_data();
    void keyPressesTheButtonAndCloses();
    void showModalWaitsUntilClosed();
    void elements();
};

void TestForm3::keyPressesTheButtonAndCloses_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestForm3::keyPressesTheButtonAndCloses()
{
    QFETCH(int, key);
    Form3 box;
    auto *cmdOK = box.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(cmdOK);
    QSignalSpy pressed(cmdOK, &QPushButton::clicked);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), cmdOK);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(pressed.count(), 1);
    QVERIFY(!box.isVisible());
}

void TestForm3::showModalWaitsUntilClosed()
{
    QWidget mainWindow;
    mainWindow.show();
    bool seenActiveModal = false;
    QTimer::singleShot(0, [&] {
        auto *box = mainWindow.findChild<Form3 *>();
        QVERIFY(box);
        seenActiveModal = QApplication::activeModalWidget() == box;
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
    });

    Form3::showModal(&mainWindow);

    QVERIFY(seenActiveModal);
    QVERIFY(mainWindow.findChildren<Form3 *>().isEmpty());
}

void TestForm3::elements()
{
    Form3 box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Acerca "));
    // 4380 by 3135 twips at 15 twips a pixel, and no way to resize.
    QCOMPARE(box.minimumSize(), QSize(292, 209));
    QCOMPARE(box.maximumSize(), QSize(292, 209));
    QVERIFY(!box.windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    // Creation order decides which element lies on top where they overlap.
    QStringList names;
    for (QObject *child : box.children()) {
        if (child->isWidgetType())
            names << child->objectName();
    }
    QCOMPARE(names, QStringList({"Picture1", "Frame1", "picIcon", "cmdOK", "Label4", "Label3", "Label1", "Line1", "Line1"}));

    QCOMPARE(box.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("TPZ 1.1 PARA ZINTO 11.1.0"));
    QCOMPARE(box.findChild<QPushButton *>(QStringLiteral("cmdOK"))->text(), QStringLiteral("Aceptar"));
    auto *note = box.findChild<QLabel *>(QStringLiteral("Label2"));
    QCOMPARE(note->parent()->objectName(), QStringLiteral("Frame1"));
    QVERIFY(note->text().contains(QStringLiteral("libre distribución")));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
