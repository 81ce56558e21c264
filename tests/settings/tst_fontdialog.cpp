#include "settings/fontdialog.h"
#include "shell/commondialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QLabel>
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
    void typedSize_data();
    void typedSize();
    void typedName_data();
    void typedName();
    void colorButtonOpensColorDialog();
    void previewFollowsTheChoice();
};

void TestFontDialog::opensOnHeldValuesAndAcceptKeepsThem_data()
{
    QTest::addColumn<FontChoice>("choice");

    FontChoice c = lucidaConsole();
    QTest::newRow("name this system lacks, classic fractional size") << c;
    QTest::newRow("installed font with every effect")
        << FontChoice{QStringLiteral("DejaVu Sans"), 8.25f, true, true, true, true, 0x0080C0FF};
    c.size = 9.123f;
    QTest::newRow("size with more decimals than the box shows") << c;
    c.size = 500.0f;
    QTest::newRow("size beyond the range offered") << c;
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
        QCOMPARE(part<QCheckBox>(dialog, "fontUnderline")->isChecked(), choice.underline);
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

void TestFontDialog::typedSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("chosen");

    QTest::newRow("whole points") << QStringLiteral("14") << 14.0f;
    QTest::newRow("decimal comma") << QStringLiteral("9,75") << 9.75f;
    QTest::newRow("third decimal refused") << QStringLiteral("8.257") << 8.25f;
    QTest::newRow("letters refused keep the held size") << QStringLiteral("grande") << 20.25f;
    QTest::newRow("zero raised to the smallest size") << QStringLiteral("0") << FontDialog::MinimumSize;
    QTest::newRow("too large lowered to the largest size") << QStringLiteral("999") << FontDialog::MaximumSize;
    QTest::newRow("minus sign refused") << QStringLiteral("-5") << 5.0f;
}

void TestFontDialog::typedSize()
{
    QFETCH(QString, typed);
    QFETCH(float, chosen);
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());

    typeInto(part<QComboBox>(&dialog, "fontSize"), typed);

    QCOMPARE(dialog.choice().size, chosen);
}

void TestFontDialog::typedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("installed family in other letter case") << QStringLiteral("dejavu serif") << QStringLiteral("DejaVu Serif");
    QTest::newRow("family this system lacks") << QStringLiteral("Fuente Imaginaria") << QStringLiteral("Fuente Imaginaria");
    QTest::newRow("emptied box keeps the held name") << QString() << QStringLiteral("Lucida Console");
}

void TestFontDialog::typedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());

    typeInto(part<QFontComboBox>(&dialog, "fontName"), typed);

    QCOMPARE(dialog.choice().name, chosen);
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
        QVERIFY(colors->testOption(QColorDialog::DontUseNativeDialog));
    });

    part<QPushButton>(&dialog, "fontColor")->click();

    QCOMPARE(dialog.choice().color, qint32(0x00FF8000));
}

void TestFontDialog::previewFollowsTheChoice()
{
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());
    auto *preview = part<QLabel>(&dialog, "preview");
    QCOMPARE(preview->font().family(), QStringLiteral("Lucida Console"));
    QCOMPARE(preview->font().pointSizeF(), 20.25);

    part<QCheckBox>(&dialog, "fontStrikethru")->click();
    part<QToolButton>(&dialog, "colorVerde")->click();

    QVERIFY(preview->font().bold() && preview->font().strikeOut());
    QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(0, 255, 0));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
