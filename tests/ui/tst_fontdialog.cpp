#include "kit/fontdialog.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(NarrationFont)

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
        QTest::addColumn<QString>("typed"); // into a box, as "box=text"; "styles": every style and the red colour clicked
        QTest::addColumn<NarrationFont>("chosen");

        // The default narration font at the size of the window's start-up look.
        const NarrationFont lucida{.size = 20.25f};
        const NarrationFont odd{.size = 9.123f, .color = qint32(0x80000008u)};
        const NarrationFont blank{.name = " "};
        QTest::newRow("untouched: a name this system lacks") << lucida << "" << lucida;
        QTest::newRow("untouched: more decimals than shown, system colour") << odd << "" << odd;
        QTest::newRow("untouched: single blank name") << blank << "" << blank;
        QTest::newRow("decimal comma") << lucida << "fontSize=9,75" << NarrationFont{.size = 9.75f};
        QTest::newRow("zero raised to the smallest size") << lucida << "fontSize=0" << NarrationFont{.size = FontDialog::MinimumSize};
        QTest::newRow("letters refused keep the held size") << lucida << "fontSize=grande" << lucida;
        QTest::newRow("installed family in other letter case")
            << lucida << "fontName=dejavu serif" << NarrationFont{.name = "DejaVu Serif", .size = 20.25f};
        QTest::newRow("family this system lacks")
            << lucida << "fontName=Fuente Imaginaria" << NarrationFont{.name = "Fuente Imaginaria", .size = 20.25f};
        QTest::newRow("emptied box keeps the held name") << lucida << "fontName=" << lucida;
        QTest::newRow("styles and colour buttons") << lucida << "styles"
            << NarrationFont{.size = 20.25f, .bold = false, .italic = true, .strikethru = true, .underline = true, .color = 0x000000FF};
    }

    void choice()
    {
        QFETCH(NarrationFont, held);
        QFETCH(QString, typed);

        FontDialog dialog;
        dialog.setChoice(held);
        QCOMPARE(dialog.findChild<QFontComboBox *>("fontName")->currentText(), held.name);
        QCOMPARE(dialog.findChild<QComboBox *>("fontSize")->currentText(), FontDialog::sizeText(held.size));
        if (typed == u"styles") {
            for (const char *box : {"fontBold", "fontItalic", "fontStrikethru", "fontUnderline"})
                dialog.findChild<QCheckBox *>(box)->click();
            dialog.findChild<QToolButton *>("colorRojo")->click();
        } else if (!typed.isEmpty()) {
            QLineEdit *edit = dialog.findChild<QComboBox *>(typed.section(u'=', 0, 0))->lineEdit();
            edit->clear();
            QTest::keyClicks(edit, typed.section(u'=', 1));
        }
        QTEST(dialog.choice(), "chosen");
    }
};

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
