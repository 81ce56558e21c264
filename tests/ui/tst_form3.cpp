#include "form3.h"

#include <QApplication>
#include <QTest>

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    // Return presses the button, which has the focus, and so does Escape,
    // which would otherwise only reject the box; the button closes it.
    void keyPressesTheButtonAndCloses_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Escape") << Qt::Key_Escape;
    }

    void keyPressesTheButtonAndCloses()
    {
        QFETCH(Qt::Key, key);
        Form3 box;
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(!box.isVisible() && box.result() == QDialog::Accepted);
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
