#include "settings/fontdialog.h"
#include "shell/commondialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(FontChoice)

namespace {

FontChoice held(const CommonDialog &c)
{
    return {c.FontName, c.FontSize, c.FontBold, c.FontItalic, c.FontStrikethru, c.FontUnderline, c.Color};
}

void hold(CommonDialog &c, const FontChoice &choice)
{
    c.FontName = choice.name;
    c.FontSize = choice.size;
    c.FontBold = choice.bold;
    c.FontItalic = choice.italic;
    c.FontStrikethru = choice.strikethru;
    c.FontUnderline = choice.underline;
    c.Color = choice.color;
}

FontChoice lucidaConsole()
{
    return {QStringLiteral("Lucida Console"), 20.25f, true, false, false, false, 0x00FFFFFF};
}

template<typename T = QWidget>
T *part(QWidget *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no part named %s", name);
    return found;
}

// Queued, so it runs inside the dialog's exec() and a failed check before it
// cannot leave the dialog open.
void press(QWidget *dialog, const char *button)
{
    QMetaObject::invokeMethod(part<QPushButton>(dialog, button), &QPushButton::click, Qt::QueuedConnection);
}

void typeInto(QComboBox *box, const QString &text)
{
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensOnHeldValuesAndAcceptKeepsThem_data();
    void opensOnHeldValuesAndAcceptKeepsThem();
    void usersChanges_data();
    void usersChanges();
    void typed_data();
    void typed();
    void colorButtonOpensColorDialog();
};

void TestFontDialog::opensOnHeldValuesAndAcceptKeepsThem_data()
{
    QTest::addColumn<FontChoice>("choice");

    FontChoice c = lucidaConsole();
    QTest::newRow("name this system lacks, classic fractional size") << c;
    c.size = 9.123f;
    QTest::newRow("size with more decimals than the box shows") << c;
    c.color = qint32(0x80000008u);
    QTest::newRow("system window-text colour") << c;
    QTest::newRow("single blank name") << FontChoice{QStringLiteral(" ")};
}

void TestFontDialog::opensOnHeldValuesAndAcceptKeepsThem()
{
    QFETCH(FontChoice, choice);
    CommonDialog component;
    hold(component, choice);
    int shown = 0;
    connect(&component, &CommonDialog::aboutToShow, this, [&](QDialog *dialog) {
        ++shown;
        press(dialog, "acceptButton");
        QCOMPARE(part<QFontComboBox>(dialog, "fontName")->currentText(), choice.name);
        QCOMPARE(part<QComboBox>(dialog, "fontSize")->currentText(), FontDialog::sizeText(choice.size));
        QCOMPARE(part<QCheckBox>(dialog, "fontBold")->isChecked(), choice.bold);
    });

    component.ShowFont();

    QCOMPARE(shown, 1);
    QCOMPARE(held(component), choice);
}

void TestFontDialog::usersChanges_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<FontChoice>("result");

    // The name is not touched, so the one this system lacks stays chosen.
    QTest::newRow("Aceptar takes them") << QByteArray("acceptButton")
        << FontChoice{QStringLiteral("Lucida Console"), 12.0f, false, true, true, true, 0x000000FF};
    QTest::newRow("Cancelar leaves the component as it was") << QByteArray("cancelButton") << lucidaConsole();
}

void TestFontDialog::usersChanges()
{
    QFETCH(QByteArray, button);
    QFETCH(FontChoice, result);
    CommonDialog component;
    hold(component, lucidaConsole());
    connect(&component, &CommonDialog::aboutToShow, this, [&](QDialog *dialog) {
        press(dialog, button.constData());
        typeInto(part<QComboBox>(dialog, "fontSize"), QStringLiteral("12"));
        for (const char *box : {"fontBold", "fontItalic", "fontStrikethru", "fontUnderline"})
            part<QCheckBox>(dialog, box)->click();
        part<QToolButton>(dialog, "colorRojo")->click();
    });

    component.ShowFont();

    QCOMPARE(held(component), result);
}

void TestFontDialog::typed_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<FontChoice>("chosen");

    const auto sized = [](float size) { FontChoice c = lucidaConsole(); c.size = size; return c; };
    const auto named = [](const QString &name) { FontChoice c = lucidaConsole(); c.name = name; return c; };
    QTest::newRow("decimal comma") << QByteArray("fontSize") << "9,75" << sized(9.75f);
    QTest::newRow("third decimal refused") << QByteArray("fontSize") << "8.257" << sized(8.25f);
    QTest::newRow("letters refused keep the held size") << QByteArray("fontSize") << "grande" << sized(20.25f);
    QTest::newRow("zero raised to the smallest size") << QByteArray("fontSize") << "0" << sized(FontDialog::MinimumSize);
    QTest::newRow("too large lowered to the largest size") << QByteArray("fontSize") << "999"
                                                           << sized(FontDialog::MaximumSize);
    QTest::newRow("installed family in other letter case") << QByteArray("fontName") << "dejavu serif"
                                                           << named("DejaVu Serif");
    QTest::newRow("family this system lacks") << QByteArray("fontName") << "Fuente Imaginaria"
                                              << named("Fuente Imaginaria");
    QTest::newRow("emptied box keeps the held name") << QByteArray("fontName") << "" << lucidaConsole();
}

void TestFontDialog::typed()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, typed);
    QFETCH(FontChoice, chosen);
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());

    typeInto(part<QComboBox>(&dialog, box.constData()), typed);

    QCOMPARE(dialog.choice(), chosen);
}

void TestFontDialog::colorButtonOpensColorDialog()
{
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());
    QTimer::singleShot(0, [] {
        auto *colors = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(colors);
        colors->setCurrentColor(QColor(0x00, 0x80, 0xFF));
        colors->accept();
    });

    part<QPushButton>(&dialog, "fontColor")->click();

    QCOMPARE(dialog.choice().color, qint32(0x00FF8000));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
