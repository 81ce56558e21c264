#include "stats/form2.h"
#include "shell/picturebox.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The closing sections of a report as the simulator writes them:
// Windows-1252 with CR LF line ends.
const QByteArray Report =
    "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\r\n"
    "Min 90: Final del partido\r\n"
    "Resultado final: Atletico Rio 1 -- 0 Club Sierra\r\n"
    "\r\n"
    "=========== Alineaciones finales ===========\r\n"
    "   Atletico Rio (ARIO)\r\n"
    "01 Ana Nu\xf1" "ez     POR\r\n"
    "02 Beto Dos       DEF\r\n"
    "\r\n"
    "   Club Sierra (CSIE)\r\n"
    "01 Ciro Tres      POR\r\n"
    "\r\n"
    "=========== Resumen del partido ===========\r\n"
    "Goles              1      0\r\n"
    "Posesi\xf3n           50%    50%\r\n"
    "\r\n"
    "Bonus Local: +2\r\n"
    "Taquilla: 100 \x80\r\n";

const QString Alineaciones = QStringLiteral("                   Alineaciones finales");
const QString Resumen = QStringLiteral("                     Resumen del partido");

// A page as the window shows it: its rows, padded with empty rows to 21.
QString pageText(const QStringList &rows)
{
    QStringList all = rows;
    while (all.size() < 21)
        all << QString();
    return all.join(u'\n');
}

QString expectedPage(int page)
{
    switch (page) {
    case 1:
        return pageText({Alineaciones, QStringLiteral("   Atletico Rio (ARIO)"),
                         QStringLiteral("01 Ana Nuñez     POR"), QStringLiteral("02 Beto Dos       DEF")});
    case 2:
        return pageText({Alineaciones, QStringLiteral("   Club Sierra (CSIE)"), QStringLiteral("01 Ciro Tres      POR")});
    case 3:
        return pageText({Resumen, QStringLiteral("Goles              1      0"),
                         QStringLiteral("Posesión           50%    50%")});
    default:
        return pageText({QString(), QStringLiteral("Bonus Local: +2"), QStringLiteral("Taquilla: 100 €")});
    }
}

QString writeReport(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("encuentro.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the report");
    return path;
}

struct Parts
{
    PictureBox *Picture1;
    QPushButton *Command1;
    QPushButton *Command2;
};

Parts parts(Form2 &window)
{
    Parts found{window.findChild<PictureBox *>(QStringLiteral("Picture1")),
                window.findChild<QPushButton *>(QStringLiteral("Command1")),
                window.findChild<QPushButton *>(QStringLiteral("Command2"))};
    if (!found.Picture1 || !found.Command1 || !found.Command2)
        qFatal("statistics window part missing");
    return found;
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void paging_data();
    void paging();
    void missingReportShowsEmptyPages();
    void readsTheReportAfreshEachTime();
    void backgroundFromTheMainWindow_data();
    void backgroundFromTheMainWindow();
    void layout();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_report;
};

void TestForm2::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_report = writeReport(*m_dir, Report);
}

void TestForm2::paging_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");

    QTest::newRow("opened on page 1") << QString() << 1 << false << true;
    QTest::newRow(">> once") << QStringLiteral(">") << 2 << true << true;
    QTest::newRow(">> three times disables >>") << QStringLiteral(">>>") << 4 << true << false;
    QTest::newRow(">> a fourth time does nothing") << QStringLiteral(">>>>") << 4 << true << false;
    QTest::newRow("<< from page 2 disables <<") << QStringLiteral("><") << 1 << false << true;
    QTest::newRow("<< from page 4 enables >>") << QStringLiteral(">>><") << 3 << true << true;
    QTest::newRow("three >> then three << back to page 1") << QStringLiteral(">>><<<") << 1 << false << true;
    QTest::newRow("<< on page 1 does nothing") << QStringLiteral("<") << 1 << false << true;
}

void TestForm2::paging()
{
    QFETCH(QString, presses);
    QFETCH(int, page);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);
    Form2 window(m_report, 0x00004000);
    const Parts p = parts(window);
    window.show();

    for (QChar press : presses)
        QTest::mouseClick(press == u'>' ? p.Command2 : p.Command1, Qt::LeftButton);

    QCOMPARE(window.shownPage(), page);
    QCOMPARE(p.Picture1->text(), expectedPage(page));
    QCOMPARE(p.Command1->isEnabled(), backEnabled);
    QCOMPARE(p.Command2->isEnabled(), forwardEnabled);
}

void TestForm2::missingReportShowsEmptyPages()
{
    Form2 window(m_dir->filePath(QStringLiteral("movido.txt")), 0x00004000);
    const Parts p = parts(window);
    const QString empty(20, u'\n');  // 21 empty lines

    QCOMPARE(p.Picture1->text(), empty);
    for (int page = 2; page <= 4; ++page) {
        QTest::mouseClick(p.Command2, Qt::LeftButton);
        QCOMPARE(window.shownPage(), page);
        QCOMPARE(p.Picture1->text(), empty);
    }
}

void TestForm2::readsTheReportAfreshEachTime()
{
    {
        Form2 first(m_report, 0x00004000);
        Form2 second(m_report, 0x00004000);
        QCOMPARE(parts(first).Picture1->text(), expectedPage(1));
        QCOMPARE(parts(second).Picture1->text(), expectedPage(1));
    }
    QByteArray changed = Report;
    changed.replace("Beto Dos", "Beto Cambiado");
    writeReport(*m_dir, changed);

    Form2 third(m_report, 0x00004000);
    QVERIFY(parts(third).Picture1->text().contains(QStringLiteral("02 Beto Cambiado")));
}

void TestForm2::backgroundFromTheMainWindow_data()
{
    QTest::addColumn<quint32>("held");
    QTest::addColumn<QColor>("shown");

    QTest::newRow("default grey") << quint32(0x007E7E7E) << QColor(126, 126, 126);
    QTest::newRow("blue and red bytes not swapped") << quint32(0x00FF0010) << QColor(0x10, 0, 0xFF);
}

void TestForm2::backgroundFromTheMainWindow()
{
    QFETCH(quint32, held);
    QFETCH(QColor, shown);
    Form2 window(m_report, held);
    window.show();

    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), shown);      // the window's margin
    QCOMPARE(image.pixelColor(300, 290), shown);  // Picture1, below the rows
}

void TestForm2::layout()
{
    Form2 window(m_report, 0x00004000);
    const Parts p = parts(window);

    QCOMPARE(window.windowTitle(), QStringLiteral("Estadisticas"));
    QVERIFY(!window.windowFlags().testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // 8610 by 4785 twips at 15 twips a pixel.
    QCOMPARE(window.minimumSize(), QSize(574, 319));
    QCOMPARE(window.maximumSize(), QSize(574, 319));
    QCOMPARE(p.Command1->text(), QStringLiteral("<<"));
    QCOMPARE(p.Command2->text(), QStringLiteral(">>"));
    QCOMPARE(p.Command1->nextInFocusChain(), p.Command2);
    // All 21 rows of a page show above the page buttons.
    QCOMPARE(p.Command1->parent(), p.Picture1);
    QVERIFY(21 * p.Picture1->lineStep() <= p.Command1->y());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
