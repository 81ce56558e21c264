#include "report/reportreader.h"
#include "stats/statspages.h"

#include <QTest>

namespace {

const QString Alineaciones = QStringLiteral("                   Alineaciones finales");
const QString Resumen = QStringLiteral("                     Resumen del partido");

// A page given by its leading rows; the rows after them are empty.
using PageRows = QStringList;
using AllPages = QList<PageRows>;

QByteArray reportBytes(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

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
    void pages_data();
    void pages();
    void overlongSections();
    void readerNotOpen();
};

void TestStatsPages::pages_data()
{
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<AllPages>("expected");

    const QStringList home = {"LOCAL: Atletico Rio", "Jugador            Pos", "---", " 1 Ramon Soto       POR", " 2 Luis Vera        DEF"};
    const QStringList away = {"VISITA: Club Sierra", "Jugador            Pos", "---", " 1 Tomas Gil        POR"};
    const QStringList summary = {"  Resumen del partido", "Posesion: 55 - 45", "Tiros: 12 - 7"};
    const QStringList rest = {"Bonus Local: 3", "Bonus Visitante: 1", "", "Fin"};
    const QStringList before = {"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor",
                                "Comentarios", "Min  1: Empieza", "", "Resultado final: 1 -- 0", ""};
    const QString alineacionesLine = QStringLiteral("   Alineaciones finales");

    QTest::newRow("well-formed closing section, page 4 begins with an empty row")
        << QStringList(before + QStringList{alineacionesLine} + home + QStringList{""} + away + QStringList{""} + summary
                       + QStringList{""} + rest)
        << AllPages{PageRows{Alineaciones} + home, PageRows{Alineaciones} + away,
                    PageRows{Resumen} + summary.mid(1), PageRows{""} + rest};

    QTest::newRow("empty line right after the heading ends page 1 at once")
        << QStringList(QStringList{alineacionesLine, ""} + away + QStringList{""} + summary)
        << AllPages{{Alineaciones}, PageRows{Alineaciones} + away, PageRows{Resumen} + summary.mid(1), {}};

    QTest::newRow("a line of blanks does not end a block")
        << QStringList(QStringList{alineacionesLine, "A", "   ", "B", ""} + away)
        << AllPages{{Alineaciones, "A", "   ", "B"}, PageRows{Alineaciones} + away, {}, {}};

    QTest::newRow("no Alineaciones finales leaves every page empty")
        << QStringList(before + summary + QStringList{""} + rest)
        << AllPages{{}, {}, {}, {}};

    QTest::newRow("empty report") << QStringList{} << AllPages{{}, {}, {}, {}};

    QTest::newRow("away block missing: two empty lines go straight to the summary")
        << QStringList(QStringList{alineacionesLine, "A", "", ""} + summary + QStringList{""} + rest)
        << AllPages{{Alineaciones, "A"}, {}, PageRows{Resumen} + summary.mid(1), PageRows{""} + rest};

    QTest::newRow("report ends after the line-ups: no summary, no rest")
        << QStringList(QStringList{alineacionesLine, "A", ""} + away)
        << AllPages{{Alineaciones, "A"}, PageRows{Alineaciones} + away, {}, {}};

    QTest::newRow("file ends right after an empty line in section 1")
        << QStringList{alineacionesLine, "A", ""}
        << AllPages{{Alineaciones, "A"}, {}, {}, {}};

    QTest::newRow("file ends right after an empty line in section 2")
        << QStringList{alineacionesLine, "A", "", "B", ""}
        << AllPages{{Alineaciones, "A"}, {Alineaciones, "B"}, {}, {}};

    QTest::newRow("file ends after two empty lines in section 1")
        << QStringList{alineacionesLine, "A", "", ""}
        << AllPages{{Alineaciones, "A"}, {}, {}, {}};

    QTest::newRow("Bonus Local: in the summary goes to pages 3 and 4")
        << QStringList{alineacionesLine, "A", "", "B", "", "Resumen del partido", "Tiros: 3", "Bonus Local: 2", "",
                       "Bonus Visitante: 0"}
        << AllPages{{Alineaciones, "A"}, {Alineaciones, "B"}, {Resumen, "Tiros: 3", "Bonus Local: 2"},
                    {"Bonus Local: 2", "", "Bonus Visitante: 0"}};

    QTest::newRow("Resumen del par in section 1 goes to pages 1 and 3 and starts the summary")
        << QStringList{alineacionesLine, "A", "-- Resumen del partido --", "Tiros: 3", "", "Fin"}
        << AllPages{{Alineaciones, "A", "-- Resumen del partido --"}, {}, {Resumen, "Tiros: 3"}, {"", "Fin"}};

    QTest::newRow("phrases compare case-sensitively")
        << QStringList{"ALINEACIONES FINALES", "A", "", "B"}
        << AllPages{{}, {}, {}, {}};
}

void TestStatsPages::pages()
{
    QFETCH(QStringList, report);
    QFETCH(AllPages, expected);

    ReportReader reader;
    QVERIFY(reader.openBytes(report.isEmpty() ? QByteArray() : reportBytes(report)));
    const StatsPages pages = buildStatsPages(reader);
    for (int p = 0; p < 4; ++p)
        QCOMPARE(leadingRows(pages[p]), expected[p]);
}

void TestStatsPages::overlongSections()
{
    QStringList report{"Alineaciones finales"};
    report << numbered("home ", 30) << "" << numbered("away ", 30) << "" << "Resumen del partido"
           << numbered("summary ", 30) << "" << numbered("rest ", 30);

    ReportReader reader;
    QVERIFY(reader.openBytes(reportBytes(report)));
    const StatsPages pages = buildStatsPages(reader);

    QCOMPARE(leadingRows(pages[0]), PageRows{Alineaciones} + numbered("home ", 20));
    QCOMPARE(leadingRows(pages[1]), PageRows{Alineaciones} + numbered("away ", 20));
    QCOMPARE(leadingRows(pages[2]), PageRows{Resumen} + numbered("summary ", 20));
    QCOMPARE(leadingRows(pages[3]), PageRows{""} + numbered("rest ", 20));
}

void TestStatsPages::readerNotOpen()
{
    ReportReader reader;
    QVERIFY(!reader.open(QStringLiteral("/nonexistent/folder/partido.txt")));
    const StatsPages pages = buildStatsPages(reader);
    for (const StatsPage &page : pages)
        QCOMPARE(leadingRows(page), PageRows{});
}

QTEST_GUILESS_MAIN(TestStatsPages)
#include "tst_statspages.moc"
