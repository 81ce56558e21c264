#include "settings/fontdialog.h"
#include "shell/commondialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(FontChoice)

namespace {

FontChoice heldChoice(const CommonDialog &component)
{
    FontChoice held;
    held.name = component.FontName;
    held.size = component.FontSize;
    held.bold = component.FontBold;
    held.italic = component.FontItalic;
    held.strikethru = component.FontStrikethru;
    held.underline = component.FontUnderline;
    held.color = component.Color;
    return held;
}

void hold(CommonDialog &component, const FontChoice &choice)
{
    component.FontName = choice.name;
    component.FontSize = choice.size;
    component.FontBold = choice.bold;
    component.FontItalic = choice.italic;
    component.FontStrikethru = choice.strikethru;
    component.FontUnderline = choice.underline;
    component.Color = choice.color;
}

FontChoice lucidaConsole()
{
    FontChoice choice;
    choice.name = QStringLiteral("Lucida Console");
    choice.size = 20.25f;
    choice.bold = true;
    choice.color = 0x00FFFFFF;
    return choice;
}

template<typename T>
T *part(QWidget *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no part named %s", name);
    return found;
}

void press(QWidget *dialog, const char *button)
{
    QMetaObject::invokeMethod(part<QPushButton>(dialog, button), &QPushButton::click, Qt::QueuedConnection);
}

void typeInto(QComboBox *box, const QString &text)
{
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

// Chooses a colour in the colour dialog the next button press opens.
void answerColorDialog(const QColor &color, bool accept)
{
    QTimer::singleShot(0, [color, accept] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("fontColorDialog"));
        QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
        dialog->setCurrentColor(color);
        accept ? dialog->accept() : dialog->reject();
    });
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensOnHeldValuesAndAcceptKeepsThem_data();
    void opensOnHeldValuesAndAcceptKeepsThem();
    void cancelLeavesComponentAsItWas();
    void acceptTakesTheUsersChanges();
    void typedSize_data();
    void typedSize();
    void typedName_data();
    void typedName();
    void colorDialog_data();
    void colorDialog();
    void previewFollowsTheChoice();
    void captions();
};

void TestFontDialog::opensOnHeldValuesAndAcceptKeepsThem_data()
{
    QTest::addColumn<FontChoice>("held");

    QTest::newRow("name this system lacks, classic fractional size") << lucidaConsole();

    FontChoice everything;
    everything.name = QStringLiteral("DejaVu Sans");
    everything.size = 8.25f;
    everything.bold = everything.italic = everything.strikethru = everything.underline = true;
    everything.color = 0x0080C0FF;
    QTest::newRow("installed font with every effect") << everything;

    FontChoice moreDecimals = lucidaConsole();
    moreDecimals.size = 9.123f;
    QTest::newRow("size with more decimals than the box shows") << moreDecimals;

    FontChoice huge = lucidaConsole();
    huge.size = 500.0f;
    QTest::newRow("size beyond the range offered") << huge;

    FontChoice blank;
    blank.name = QStringLiteral(" ");
    QTest::newRow("single blank name") << blank;

    FontChoice systemColour = lucidaConsole();
    systemColour.color = qint32(0x80000008u);
    QTest::newRow("system window-text colour") << systemColour;
}

void TestFontDialog::opensOnHeldValuesAndAcceptKeepsThem()
{
    QFETCH(FontChoice, held);
    CommonDialog component;
    component.setObjectName(QStringLiteral("Archivo"));
    hold(component, held);
    int shown = 0;
    connect(&component, &CommonDialog::aboutToShow, this, [&](QDialog *dialog) {
        ++shown;
        press(dialog, "acceptButton");  // queued first, so a failed check cannot leave the dialog open
        QCOMPARE(dialog->objectName(), QStringLiteral("Archivo_Font"));
        QCOMPARE(part<QFontComboBox>(dialog, "fontName")->currentText(), held.name);
        QCOMPARE(part<QComboBox>(dialog, "fontSize")->currentText(), FontDialog::sizeText(held.size));
        QCOMPARE(part<QCheckBox>(dialog, "fontBold")->isChecked(), held.bold);
        QCOMPARE(part<QCheckBox>(dialog, "fontItalic")->isChecked(), held.italic);
        QCOMPARE(part<QCheckBox>(dialog, "fontStrikethru")->isChecked(), held.strikethru);
        QCOMPARE(part<QCheckBox>(dialog, "fontUnderline")->isChecked(), held.underline);
    });

    component.ShowFont();

    QCOMPARE(shown, 1);
    QCOMPARE(heldChoice(component), held);
}

void TestFontDialog::cancelLeavesComponentAsItWas()
{
    CommonDialog component;
    const FontChoice held = lucidaConsole();
    hold(component, held);
    connect(&component, &CommonDialog::aboutToShow, this, [&](QDialog *dialog) {
        press(dialog, "cancelButton");
        part<QFontComboBox>(dialog, "fontName")->setEditText(QStringLiteral("DejaVu Serif"));
        typeInto(part<QComboBox>(dialog, "fontSize"), QStringLiteral("30"));
        part<QCheckBox>(dialog, "fontBold")->click();
        part<QCheckBox>(dialog, "fontItalic")->click();
        part<QCheckBox>(dialog, "fontStrikethru")->click();
        part<QCheckBox>(dialog, "fontUnderline")->click();
        part<QToolButton>(dialog, "colorRojo")->click();
        const FontChoice changed = static_cast<FontDialog *>(dialog)->choice();
        QCOMPARE(changed.name, QStringLiteral("DejaVu Serif"));
        QCOMPARE(changed.size, 30.0f);
        QVERIFY(!changed.bold && changed.italic && changed.strikethru && changed.underline);
        QCOMPARE(changed.color, 0x000000FF);
    });

    component.ShowFont();

    QCOMPARE(heldChoice(component), held);
}

void TestFontDialog::acceptTakesTheUsersChanges()
{
    CommonDialog component;
    hold(component, lucidaConsole());
    connect(&component, &CommonDialog::aboutToShow, this, [&](QDialog *dialog) {
        typeInto(part<QComboBox>(dialog, "fontSize"), QStringLiteral("12"));
        part<QCheckBox>(dialog, "fontBold")->click();
        part<QCheckBox>(dialog, "fontUnderline")->click();
        part<QToolButton>(dialog, "colorAmarillo")->click();
        press(dialog, "acceptButton");
    });

    component.ShowFont();

    FontChoice expected = lucidaConsole();  // the name was not touched, so it stays
    expected.size = 12.0f;
    expected.bold = false;
    expected.underline = true;
    expected.color = 0x0000FFFF;
    QCOMPARE(heldChoice(component), expected);
}

void TestFontDialog::typedSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("chosen");

    QTest::newRow("whole points") << QStringLiteral("14") << 14.0f;
    QTest::newRow("decimal point") << QStringLiteral("20.25") << 20.25f;
    QTest::newRow("decimal comma") << QStringLiteral("9,75") << 9.75f;
    QTest::newRow("third decimal refused") << QStringLiteral("8.257") << 8.25f;
    QTest::newRow("letters refused keep the held size") << QStringLiteral("grande") << 20.25f;
    QTest::newRow("emptied box keeps the held size") << QString() << 20.25f;
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

    typeInto(dialog.findChild<QComboBox *>(QStringLiteral("fontSize")), typed);

    QCOMPARE(dialog.choice().size, chosen);
}

void TestFontDialog::typedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("installed family in other letter case") << QStringLiteral("dejavu serif") << QStringLiteral("DejaVu Serif");
    QTest::newRow("blanks around the name") << QStringLiteral("  DejaVu Sans  ") << QStringLiteral("DejaVu Sans");
    QTest::newRow("family this system lacks") << QStringLiteral("Arial Narrow Imaginaria") << QStringLiteral("Arial Narrow Imaginaria");
    QTest::newRow("emptied box keeps the held name") << QString() << QStringLiteral("Lucida Console");
}

void TestFontDialog::typedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());

    typeInto(dialog.findChild<QFontComboBox *>(QStringLiteral("fontName")), typed);

    QCOMPARE(dialog.choice().name, chosen);
}

void TestFontDialog::colorDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<qint32>("chosen");

    QTest::newRow("accepted colour is taken") << true << qint32(0x00FF8000);
    QTest::newRow("cancelled colour dialog keeps the colour") << false << qint32(0x00FFFFFF);
}

void TestFontDialog::colorDialog()
{
    QFETCH(bool, accept);
    QFETCH(qint32, chosen);
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());

    answerColorDialog(QColor(0x00, 0x80, 0xFF), accept);
    dialog.findChild<QPushButton *>(QStringLiteral("fontColor"))->click();

    QCOMPARE(dialog.choice().color, chosen);
}

void TestFontDialog::previewFollowsTheChoice()
{
    FontDialog dialog;
    dialog.setChoice(lucidaConsole());
    auto *preview = dialog.findChild<QLabel *>(QStringLiteral("preview"));
    QVERIFY(preview);
    QCOMPARE(preview->text(), QStringLiteral("AaBbÑñ 12:34"));
    QCOMPARE(preview->font().family(), QStringLiteral("Lucida Console"));
    QCOMPARE(preview->font().pointSizeF(), 20.25);
    QVERIFY(preview->font().bold());
    QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(Qt::white));

    dialog.findChild<QCheckBox *>(QStringLiteral("fontItalic"))->click();
    dialog.findChild<QCheckBox *>(QStringLiteral("fontStrikethru"))->click();
    dialog.findChild<QToolButton *>(QStringLiteral("colorVerde"))->click();

    QVERIFY(preview->font().italic());
    QVERIFY(preview->font().strikeOut());
    QCOMPARE(preview->palette().color(QPalette::WindowText), QColor(0, 255, 0));
}

void TestFontDialog::captions()
{
    FontDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Fuente"));
    QVERIFY(dialog.isModal());
    const QList<std::pair<const char *, QString>> captions = {
        {"fontBold", QStringLiteral("&Negrita")},
        {"fontItalic", QStringLiteral("C&ursiva")},
        {"fontStrikethru", QStringLiteral("T&achado")},
        {"fontUnderline", QStringLiteral("&Subrayado")},
    };
    for (const auto &[name, caption] : captions)
        QCOMPARE(dialog.findChild<QCheckBox *>(QLatin1String(name))->text(), caption);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("acceptButton"))->text(), QStringLiteral("Aceptar"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"))->text(), QStringLiteral("Cancelar"));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
