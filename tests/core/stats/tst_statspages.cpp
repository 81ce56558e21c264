#include "stats/statspages.h"
#include "textfile/textfilereader.h"

#include <QTest>

// A page as one text: its rows up to the last one not empty, joined by "|",
// with the headings the window writes shown as ALIN and RES.
static QString text(const StatsPage &page)
{
    QStringList rows(page.begin(), page.end());
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows.join(u'|').replace(AlineacionesHeading.toString(), "ALIN").replace(ResumenHeading.toString(), "RES");
}

class TestStatsPages : public QObject
{
    Q_OBJECT

private slots:
    void pages_data()
    {
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QStringList>("pages");

        const QString heading = QStringLiteral("   Alineaciones finales");
        const QStringList more(30, "x");
        const QString twenty = QStringList(20, "x").join(u'|');
        QTest::newRow("four pages, page 4 begins with an empty row")
            << QStringList{"Rio (R) vs. Sol (S) en Mayor", "Min  1: Empieza", "", "Resultado final: 1 -- 0", "", heading,
                           "LOCAL: Rio", " 1 Soto", "", "VISITA: Sol", " 1 Gil", "", "  Resumen del partido", "Tiros: 12 - 7",
                           "", "Bonus Local: 3", "", "Fin"}
            << QStringList{"ALIN|LOCAL: Rio| 1 Soto", "ALIN|VISITA: Sol| 1 Gil", "RES|Tiros: 12 - 7", "|Bonus Local: 3||Fin"};
        QTest::newRow("empty line right after the heading ends page 1 at once")
            << QStringList{heading, "", "B", "", "Resumen del partido"} << QStringList{"ALIN", "ALIN|B", "RES", ""};
        QTest::newRow("a line of blanks does not end a block")
            << QStringList{heading, "A", "   ", "B", "", "C"} << QStringList{"ALIN|A|   |B", "ALIN|C", "", ""};
        QTest::newRow("away block missing: two empty lines go straight to the summary")
            << QStringList{heading, "A", "", "", "Resumen del partido", "", "Fin"} << QStringList{"ALIN|A", "", "RES", "|Fin"};
        // Where one more line would be read after the empty one, the reading ends.
        QTest::newRow("file ends right after an empty line") << QStringList{heading, "A", ""} << QStringList{"ALIN|A", "", "", ""};
        QTest::newRow("Bonus Local: in the summary goes to pages 3 and 4")
            << QStringList{heading, "A", "", "B", "", "Resumen del partido", "Tiros: 3", "Bonus Local: 2", "", "Bonus: 0"}
            << QStringList{"ALIN|A", "ALIN|B", "RES|Tiros: 3|Bonus Local: 2", "Bonus Local: 2||Bonus: 0"};
        QTest::newRow("Resumen del par in section 1 goes to pages 1 and 3 and starts the summary")
            << QStringList{heading, "A", "-- Resumen del partido --", "Tiros: 3", "", "Fin"}
            << QStringList{"ALIN|A|-- Resumen del partido --", "", "RES|Tiros: 3", "|Fin"};
        QTest::newRow("sections beyond their page are cut")
            << QStringList{heading} + more + QStringList{""} + more + QStringList{"", "Resumen del partido"} + more
                   + QStringList{""} + more
            << QStringList{"ALIN|" + twenty, "ALIN|" + twenty, "RES|" + twenty, "|" + twenty};
    }

    void pages()
    {
        QFETCH(QStringList, report);
        TextFileReader reader;
        QVERIFY(reader.openBytes(report.join("\r\n").toLatin1() + "\r\n"));
        const StatsPages pages = buildStatsPages(reader);
        QTEST((QStringList{text(pages[0]), text(pages[1]), text(pages[2]), text(pages[3])}), "pages");
    }
};

QTEST_GUILESS_MAIN(TestStatsPages)
#include "tst_statspages.moc"
