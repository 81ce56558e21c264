#include "textfile/textfilereader.h"
#include "stats/statspages.h"

#include <QTest>

namespace {

const QString Alineaciones = QStringLiteral("                   Alineaciones finales");
const QString Resumen = QStringLiteral("                     Resumen del partido");

// A page given by its leading rows; the rows after them are empty.
using PageRows = QStringList;
using AllPages = QList<PageRows>;

PageRows leadingRows(const StatsPage &page)
{
    qsizetype used = page.size();
    while (used > 0 && page[used - 1].isEmpty())
        --used;
    return PageRows(page.begin(), page.begin() + used);
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << prefix + QString::number(i);
    return lines;
}

} // namespace

class TestStatsPages : public QObject
{
    Q_OBJECT

private slots:
    void pages_data()
    {
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<AllPages>("expected");

        const QStringList home = {"LOCAL: Atletico Rio", "Jugador            Pos", " 1 Ramon Soto       POR"};
        const QStringList away = {"VISITA: Club Sierra", "Jugador            Pos", " 1 Tomas Gil        POR"};
        const QStringList summary = {"  Resumen del partido", "Posesion: 55 - 45", "Tiros: 12 - 7"};
        const QStringList rest = {"Bonus Local: 3", "Bonus Visitante: 1", "", "Fin"};
        const QStringList before = {"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor", "Comentarios",
                                    "Min  1: Empieza", "", "Resultado final: 1 -- 0", ""};
        const QString heading = QStringLiteral("   Alineaciones finales");

        QTest::newRow("four pages, page 4 begins with an empty row")
            << before + QStringList{heading} + home + QStringList{""} + away + QStringList{""} + summary + QStringList{""} + rest
            << AllPages{PageRows{Alineaciones} + home, PageRows{Alineaciones} + away, PageRows{Resumen} + summary.mid(1),
                        PageRows{""} + rest};
        QTest::newRow("empty line right after the heading ends page 1 at once")
            << QStringList{heading, ""} + away + QStringList{""} + summary
            << AllPages{{Alineaciones}, PageRows{Alineaciones} + away, PageRows{Resumen} + summary.mid(1), {}};
        QTest::newRow("a line of blanks does not end a block")
            << QStringList{heading, "A", "   ", "B", ""} + away
            << AllPages{{Alineaciones, "A", "   ", "B"}, PageRows{Alineaciones} + away, {}, {}};
        QTest::newRow("no Alineaciones finales leaves every page empty")
            << before + summary + QStringList{""} + rest << AllPages{{}, {}, {}, {}};
        QTest::newRow("away block missing: two empty lines go straight to the summary")
            << QStringList{heading, "A", "", ""} + summary + QStringList{""} + rest
            << AllPages{{Alineaciones, "A"}, {}, PageRows{Resumen} + summary.mid(1), PageRows{""} + rest};
        QTest::newRow("file ends right after an empty line in section 1")
            << QStringList{heading, "A", ""} << AllPages{{Alineaciones, "A"}, {}, {}, {}};
        QTest::newRow("file ends right after an empty line in section 2")
            << QStringList{heading, "A", "", "B", ""} << AllPages{{Alineaciones, "A"}, {Alineaciones, "B"}, {}, {}};
        QTest::newRow("Bonus Local: in the summary goes to pages 3 and 4")
            << QStringList{heading, "A", "", "B", "", "Resumen del partido", "Tiros: 3", "Bonus Local: 2", "", "Bonus: 0"}
            << AllPages{{Alineaciones, "A"}, {Alineaciones, "B"}, {Resumen, "Tiros: 3", "Bonus Local: 2"},
                        {"Bonus Local: 2", "", "Bonus: 0"}};
        QTest::newRow("Resumen del par in section 1 goes to pages 1 and 3 and starts the summary")
            << QStringList{heading, "A", "-- Resumen del partido --", "Tiros: 3", "", "Fin"}
            << AllPages{{Alineaciones, "A", "-- Resumen del partido --"}, {}, {Resumen, "Tiros: 3"}, {"", "Fin"}};
        QTest::newRow("sections beyond their page are cut")
            << QStringList{heading} + numbered("home ", 30) + QStringList{""} + numbered("away ", 30)
                   + QStringList{"", "Resumen del partido"} + numbered("summary ", 30) + QStringList{""} + numbered("rest ", 30)
            << AllPages{PageRows{Alineaciones} + numbered("home ", 20), PageRows{Alineaciones} + numbered("away ", 20),
                        PageRows{Resumen} + numbered("summary ", 20), PageRows{""} + numbered("rest ", 20)};
    }

    void pages()
    {
        QFETCH(QStringList, report);
        QFETCH(AllPages, expected);

        TextFileReader reader;
        QVERIFY(reader.openBytes(report.join(QStringLiteral("\r\n")).toLatin1() + "\r\n"));
        const StatsPages pages = buildStatsPages(reader);
        for (int p = 0; p < 4; ++p)
            QCOMPARE(leadingRows(pages[p]), expected[p]);
    }
};

QTEST_GUILESS_MAIN(TestStatsPages)
#include "tst_statspages.moc"
