#include "formfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QToolButton>

namespace {

const QString Sample = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/arenales-penascal.txt");

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QStringLiteral("<no accessible interface>");
}

} // namespace

// What a screen reader is told about the main window's controls, and the
// order in which Tab walks through them.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void names_data();
    void names();
    void startButtonReadsItsCurrentTip();
    void tabOrder_data();
    void tabOrder();
    void arrowKeysPickSpeeds();
    void accessibleActionPicksSpeed_data();
    void accessibleActionPicksSpeed();

private:
    void open(const QString &path);
    void click(int position) { toolbarButton(*m_window, position)->trigger(); }
    QWidget *widget(const QString &name) { return m_window->findChild<QWidget *>(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
};

void TestAccessibility::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<Form1>(m_dir->path());
}

void TestAccessibility::open(const QString &path)
{
    answerNextOpen(m_window->findChild<CommonDialog *>(QStringLiteral("Archivo")), path);
    click(1);
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QAccessible::Text>("kind");
    QTest::addColumn<QString>("expected");

    const auto Name = QAccessible::Name;
    const auto Description = QAccessible::Description;
    QTest::newRow("open button") << "Toolbar1_A" << QAccessible::Button << Name << "Abrir Encuentro";
    QTest::newRow("start button") << "Toolbar1_B" << QAccessible::Button << Name << "Comenzar Partida";
    QTest::newRow("pause button") << "Toolbar1_C" << QAccessible::Button << Name << "Pausar Partida";
    QTest::newRow("statistics button") << "Toolbar1_D" << QAccessible::Button << Name << "Ver Estadisticas";
    QTest::newRow("exit button") << "Toolbar1_E" << QAccessible::Button << Name << "Salir";
    for (int speed = 1; speed <= 5; ++speed)
        QTest::addRow("speed %d", speed) << QStringLiteral("Option%1").arg(speed) << QAccessible::RadioButton << Name
                                         << QStringLiteral("Velocidad %1").arg(speed);
    QTest::newRow("speed selector") << "Frame2" << QAccessible::Client << Name << "Velocidad";
    QTest::newRow("home cards list") << "List1" << QAccessible::List << Name
                                     << "Amonestaciones y sustituciones del equipo local";
    QTest::newRow("away cards list") << "List2" << QAccessible::List << Name
                                     << "Amonestaciones y sustituciones del equipo visitante";
    QTest::newRow("home goals list") << "List3" << QAccessible::List << Name << "Goles del equipo local";
    QTest::newRow("away goals list") << "List4" << QAccessible::List << Name << "Goles del equipo visitante";
    QTest::newRow("clock tells what it is") << "Label1" << QAccessible::StaticText << Description << "Minuto de juego";
    QTest::newRow("clock reads its value") << "Label1" << QAccessible::StaticText << Name << "0";
    QTest::newRow("home score") << "Label2" << QAccessible::StaticText << Description << "Marcador del equipo local";
    QTest::newRow("away score") << "Label3" << QAccessible::StaticText << Description << "Marcador del equipo visitante";
    QTest::newRow("narration") << "Texto_Narracion" << QAccessible::StaticText << Description << "Narración";
    QTest::newRow("home crest") << "Image1" << QAccessible::StaticText << Name << "Escudo del equipo local";
}

void TestAccessibility::names()
{
    QFETCH(QString, element);
    QFETCH(QAccessible::Role, role);
    QFETCH(QAccessible::Text, kind);
    QFETCH(QString, expected);

    QWidget *part = widget(element);
    QVERIFY2(part, qPrintable(element));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(part);
    QVERIFY(face);
    QCOMPARE(face->role(), role);
    QCOMPARE(face->text(kind), expected);
}

void TestAccessibility::startButtonReadsItsCurrentTip()
{
    QWidget *start = widget(QStringLiteral("Toolbar1_B"));
    QVERIFY(start);
    open(Sample);
    QCOMPARE(accessibleText(start, QAccessible::Name), QStringLiteral("Comenzar Partida"));
    click(2);
    QCOMPARE(accessibleText(start, QAccessible::Name), QStringLiteral("Continuar Partida"));
    playToStop(*m_window);
    QCOMPARE(widget(QStringLiteral("Label1"))->property("text").toString(), QStringLiteral("45"));
    QCOMPARE(accessibleText(start, QAccessible::Name), QStringLiteral("Continuar Partida"));
    click(2);
    playToStop(*m_window);
    QCOMPARE(widget(QStringLiteral("Label1"))->property("text").toString(), QStringLiteral("90"));
    QCOMPARE(accessibleText(start, QAccessible::Name), QStringLiteral("Comenzar Partida"));
    // The tool tip a mouse user sees says the same.
    QCOMPARE(start->toolTip(), QStringLiteral("Comenzar Partida"));
}

void TestAccessibility::tabOrder_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("expected");

    // The speeds are one stop, at the picked option; arrows move among them.
    const QStringList idle{"Toolbar1_A", "Toolbar1_E", "Option1"};
    const QStringList running{"Toolbar1_A", "Toolbar1_C", "Toolbar1_E", "Option1", "List1", "List2", "List3", "List4"};
    QStringList backwards = running;
    std::reverse(backwards.begin() + 1, backwards.end());

    QTest::newRow("at start-up only the enabled buttons and the speed")
        << false << Qt::Key_Tab << idle;
    QTest::newRow("while a match runs the lists follow the speeds") << true << Qt::Key_Tab << running;
    QTest::newRow("shift-tab walks back") << true << Qt::Key_Backtab << backwards;
}

void TestAccessibility::tabOrder()
{
    QFETCH(bool, running);
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, expected);

    if (running) {
        open(Sample);
        click(2);
        // The buttons stay as a running match leaves them; no tick needs to come.
        m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    }
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    widget(QStringLiteral("Toolbar1_A"))->setFocus(Qt::TabFocusReason);

    QStringList visited;
    for (int step = 0; step < 30; ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        if (!visited.isEmpty() && focus->objectName() == visited.constFirst())
            break;
        visited << focus->objectName();
        QTest::keyClick(focus, key);
    }
    QCOMPARE(visited, expected);
}

void TestAccessibility::arrowKeysPickSpeeds()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    widget(QStringLiteral("Option1"))->setFocus(Qt::TabFocusReason);
    for (int speed = 2; speed <= 5; ++speed) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option%1").arg(speed));
        QCOMPARE(m_window->partido().speed(), speed);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(m_window->partido().speed(), 4);
    QVERIFY(qobject_cast<QAbstractButton *>(widget(QStringLiteral("Option4")))->isChecked());
    // Tab comes back to the speed picked last.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Toolbar1_A"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option4"));
}

void TestAccessibility::accessibleActionPicksSpeed_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("period");

    QTest::newRow("before a match: only noted") << false << 1;
    QTest::newRow("while running: applied at once") << true << 100;
}

void TestAccessibility::accessibleActionPicksSpeed()
{
    QFETCH(bool, running);
    QFETCH(int, period);

    if (running) {
        open(Sample);
        click(2);
    }
    // Assistive tools activate an option through its first action, a toggle,
    // which checks it without a click.
    QAccessibleInterface *option = QAccessible::queryAccessibleInterface(widget(QStringLiteral("Option5")));
    QVERIFY(option && option->actionInterface());
    QCOMPARE(option->actionInterface()->actionNames().value(0), QAccessibleActionInterface::toggleAction());
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(option->state().checked);
    QCOMPARE(m_window->partido().speed(), 5);
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QCOMPARE(timer->interval(), period);
    QCOMPARE(timer->isActive(), running);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
