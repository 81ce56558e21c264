#include "formfixture.h"

#include <QAccessible>

// What a screen reader is told about the main window's controls, and the
// order in which Tab walks through them.
class TestAccessibility : public FormFixture
{
    Q_OBJECT

private slots:
    void init() { newFolder(); }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // Each control has its role and a text that tells it from the others of
    // its group; a label is read by its value.
    void controlsAreTold_data()
    {
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QAccessible::Text>("kind");
        QTest::newRow("toolbar buttons") << QStringList{"Toolbar1_A", "Toolbar1_B", "Toolbar1_C", "Toolbar1_D", "Toolbar1_E"} << QAccessible::Button << QAccessible::Name;
        QTest::newRow("speeds") << QStringList{"Option1", "Option2", "Option3", "Option4", "Option5"} << QAccessible::RadioButton << QAccessible::Name;
        QTest::newRow("lists") << QStringList{"List1", "List2", "List3", "List4"} << QAccessible::List << QAccessible::Name;
        QTest::newRow("labels, which read their value") << QStringList{"Label1", "Label2", "Label3", "Texto_Narracion"} << QAccessible::StaticText << QAccessible::Description;
    }

    void controlsAreTold()
    {
        QFETCH(QStringList, elements);
        QFETCH(QAccessible::Text, kind);
        QStringList texts;
        for (const QString &name : elements) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(part(name));
            QVERIFY2(face && !face->text(kind).isEmpty() && !texts.contains(face->text(kind)), qPrintable(name));
            QTEST(face->role(), "role");
            texts << face->text(kind);
            if (kind == QAccessible::Description)
                QCOMPARE(face->text(QAccessible::Name), part(name)->property("text").toString());
        }
    }

    // Where the focus goes at each key from the open button, the buttons
    // named by their letter: t is Tab, b Shift-Tab, r and l the right and left
    // arrows. The speeds are one stop, at the picked option; arrows move among
    // them and pick.
    void keyboard_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("running: the lists follow the speeds, shift-tab walks back") << true << "ttttttttb"
            << QStringList{"C", "E", "Option1", "List1", "List2", "List3", "List4", "A", "List4"};
        QTest::newRow("start-up: arrows pick, Tab comes back to the speed picked last") << false << "ttrrrrltb"
            << QStringList{"E", "Option1", "Option2", "Option3", "Option4", "Option5", "Option4", "A", "Option4"};
    }

    void keyboard()
    {
        QFETCH(bool, running);
        QFETCH(QString, keys);
        static const QHash<QChar, Qt::Key> Keys{{u't', Qt::Key_Tab}, {u'b', Qt::Key_Backtab}, {u'r', Qt::Key_Right}, {u'l', Qt::Key_Left}};
        if (running) { // the buttons as a running match leaves them; the timer stopped, no tick comes
            open(Sample);
            click(2);
            part<QTimer>("Timer1")->stop();
        }
        activate();
        part(QStringLiteral("Toolbar1_A"))->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (QChar key : keys) {
            QTest::keyClick(QApplication::focusWidget(), Keys.value(key));
            visited << QApplication::focusWidget()->objectName().remove(QStringLiteral("Toolbar1_"));
        }
        QTEST(visited, "visited");
        // The speed picked is the option the focus was on last.
        QCOMPARE(int(m_window->partido().speed()), visited.filter(QStringLiteral("Option")).last().back().digitValue());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
