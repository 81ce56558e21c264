#include "about/form3.h"
#include "shell/picturebox.h"

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
    void captions_data();
    void captions();
    void elementsInCreationOrder();
    void fixedSizeWithoutMinimiseOrMaximise();
    void logoShownTwice();
    void engravedRule();
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
    QString seenCaption;
    bool seenModal = false;
    bool seenActiveModal = false;
    QTimer::singleShot(0, [&] {
        auto *box = mainWindow.findChild<Form3 *>();
        QVERIFY(box);
        seenCaption = box->windowTitle();
        seenModal = box->isModal();
        seenActiveModal = QApplication::activeModalWidget() == box;
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
    });

    Form3::showModal(&mainWindow);

    QCOMPARE(seenCaption, QStringLiteral("Acerca "));
    QVERIFY(seenModal);
    QVERIFY(seenActiveModal);
    QVERIFY(mainWindow.findChildren<Form3 *>().isEmpty());
}

void TestForm3::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("program and simulator versions") << QStringLiteral("Label1") << QStringLiteral("TPZ 1.1 PARA ZINTO 11.1.0");
    QTest::newRow("button") << QStringLiteral("cmdOK") << QStringLiteral("Aceptar");
}

void TestForm3::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Form3 box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Acerca "));
    QWidget *element = box.findChild<QWidget *>(name);
    QVERIFY(element);
    QCOMPARE(element->property("text").toString(), caption);
}

void TestForm3::elementsInCreationOrder()
{
    Form3 box;
    QStringList names;
    for (QObject *child : box.children()) {
        if (child->isWidgetType())
            names << child->objectName();
    }
    QCOMPARE(names, QStringList({"Picture1", "Frame1", "picIcon", "cmdOK", "Label4", "Label3", "Label1", "Line1", "Line1"}));
    auto *note = box.findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(note);
    QCOMPARE(note->parent()->objectName(), QStringLiteral("Frame1"));
    QVERIFY(note->wordWrap());
    QVERIFY(note->text().contains(QStringLiteral("libre distribución")));
    for (const char *name : {"Label3", "Label4"})
        QVERIFY(!box.findChild<QLabel *>(QLatin1String(name))->text().isEmpty());
}

void TestForm3::fixedSizeWithoutMinimiseOrMaximise()
{
    Form3 box;
    // 4380 by 3135 twips at 15 twips a pixel.
    QCOMPARE(box.minimumSize(), QSize(292, 209));
    QCOMPARE(box.maximumSize(), QSize(292, 209));
    QVERIFY(!box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void TestForm3::logoShownTwice()
{
    Form3 box;
    for (const char *name : {"Picture1", "picIcon"}) {
        auto *picture = box.findChild<PictureBox *>(QLatin1String(name));
        QVERIFY2(picture, name);
        QCOMPARE(picture->size(), QSize(48, 48));
        QCOMPARE(picture->picture().deviceIndependentSize(), QSizeF(48, 48));
        // Drawn, not left transparent: the centre of the ball is opaque.
        QCOMPARE(picture->picture().toImage().pixelColor(24, 24).alpha(), 255);
    }
}

void TestForm3::engravedRule()
{
    Form3 box;
    box.show();
    const QImage shown = box.grab().toImage();
    // Grey above white across the box, one pixel each, between the frame and the button.
    for (int x : {40, 150, 264}) {
        QCOMPARE(shown.pixelColor(x, 171), QColor(0x80, 0x80, 0x80));
        QCOMPARE(shown.pixelColor(x, 172), QColor(Qt::white));
    }
    QCOMPARE(shown.pixelColor(150, 170), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(shown.pixelColor(150, 173), QColor(0xE0, 0xE0, 0xE0));
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
