#include "kit/fontdialog.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(NarrationFont)

namespace {

// The default narration font at the size of the window's start-up look.
const NarrationFont LucidaConsole{.size = 20.25f};

} // namespace

// Accepting and cancelling through the window's dialog component are tested
// with the window's font command.
class TestFontDialog : public QObject
{
    Q_OBJECT

private slots:
    // Whatever the user leaves untouched comes back exactly as it was set.
    void choice_data()
    {
        QTest::addColumn<NarrationFont>("held");
        QTest::addColumn<QByteArray>("box"); // empty: nothing typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<NarrationFont>("chosen");

        const NarrationFont odd{.size = 9.123f, .color = qint32(0x80000008u)};
        const NarrationFont blank{.name = " "};
        const QByteArray size("fontSize");
        const QByteArray name("fontName");
        QTest::newRow("untouched: a name this system lacks") << LucidaConsole << QByteArray() << "" << LucidaConsole;
        QTest::newRow("untouched: more decimals than shown, system colour") << odd << QByteArray() << "" << odd;
        QTest::newRow("untouched: single blank name") << blank << QByteArray() << "" << blank;
        QTest::newRow("decimal comma") << LucidaConsole << size << "9,75" << NarrationFont{.size = 9.75f};
        QTest::newRow("third decimal refused") << LucidaConsole << size << "8.257" << NarrationFont{.size = 8.25f};
        QTest::newRow("letters refused keep the held size") << LucidaConsole << size << "grande" << LucidaConsole;
        QTest::newRow("zero raised to the smallest size") << LucidaConsole << size << "0" << NarrationFont{.size = FontDialog::MinimumSize};
        QTest::newRow("too large lowered to the largest size") << LucidaConsole << size << "999"
                                                               << NarrationFont{.size = FontDialog::MaximumSize};
        QTest::newRow("installed family in other letter case") << LucidaConsole << name << "dejavu serif"
                                                               << NarrationFont{.name = "DejaVu Serif", .size = 20.25f};
        QTest::newRow("family this system lacks") << LucidaConsole << name << "Fuente Imaginaria"
                                                  << NarrationFont{.name = "Fuente Imaginaria", .size = 20.25f};
        QTest::newRow("emptied box keeps the held name") << LucidaConsole << name << "" << LucidaConsole;
    }

    void choice()
    {
        QFETCH(NarrationFont, held);
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        QFETCH(NarrationFont, chosen);

        FontDialog dialog;
        dialog.setChoice(held);
        QCOMPARE(dialog.findChild<QFontComboBox *>("fontName")->currentText(), held.name);
        QCOMPARE(dialog.findChild<QComboBox *>("fontSize")->currentText(), FontDialog::sizeText(held.size));
        if (!box.isEmpty()) {
            QLineEdit *edit = dialog.findChild<QComboBox *>(box.constData())->lineEdit();
            edit->clear();
            QTest::keyClicks(edit, typed);
        }
        QCOMPARE(dialog.choice(), chosen);
    }

    void stylesAndColourButtons()
    {
        FontDialog dialog;
        dialog.setChoice(LucidaConsole);
        for (const char *box : {"fontBold", "fontItalic", "fontStrikethru", "fontUnderline"})
            dialog.findChild<QCheckBox *>(box)->click();
        dialog.findChild<QToolButton *>("colorRojo")->click();
        QCOMPARE(dialog.choice(),
                 (NarrationFont{.size = 20.25f, .bold = false, .italic = true, .strikethru = true, .underline = true,
                                .color = 0x000000FF}));
    }
};

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
