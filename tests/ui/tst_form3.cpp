#include "form3.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void keyPressesTheButtonAndCloses_data()
    {
        QTest::addColumn<int>("key");

        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void keyPressesTheButtonAndCloses()
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
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
