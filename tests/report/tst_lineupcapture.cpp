#include "playback/matchstate.h"
#include "report/lineupcapture.h"
#include "report/reportreader.h"

#include <QTest>

namespace {

// The closing section as the simulator lays it out, with `count` players a side.
QStringList closingSection(int count)
{
    QStringList lines{"   Alineaciones finales", "   Atletico Rio", "   ------------", "   Nombre     Pos  Min"};
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 Local%1     Ctro  90").arg(i, 2);
    lines << "" << "   Club Sierra" << "   -----------" << "   Nombre     Pos  Min";
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 Visita%1    Ctro  90").arg(i, 2);
    return lines << "" << "   Resumen del partido";
}

const QStringList Narration{"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor", "Comentarios",
                            "Min  1: Saque inicial.", "", "Resultado final: 0 -- 0", ""};
const QStringList Summary{"   Posesión 50% - 50%", "", "Bonus Local: 0"};

} // namespace

class TestLineupCapture : public QObject
{
    Q_OBJECT

private slots:
    void capture_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("first"); // the captured lines, each a row without its first three characters
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("fin");

        const QStringList section = closingSection(11);
        QTest::newRow("eleven players a side: 32 rows") << Narration + section + Summary << 6 << 32 << 15 << 30;
        QTest::newRow("summary heading as the 52nd line") << Narration + closingSection(21) << 6 << 51 << 25 << 0;
        QTest::newRow("heading without summary heading") << Narration + section.mid(0, 31) + Summary << 6 << 34 << 15 << 0;
        QStringList blanks = section;
        blanks[15] = "      ";
        QTest::newRow("a line of blanks is no separator") << Narration + blanks + Summary << 6 << 32 << 30 << 30;
        QTest::newRow("from the first heading on, short lines stored empty")
            << QStringList{"   Resumen del partido", "==>Alineaciones finales", "ab", "   Alineaciones finales", "abcd", "",
                           "   Resumen del par"}
            << 1 << 6 << 4 << 4;
    }

    void capture()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, inicio);
        QFETCH(int, fin);

        // Rows past the capture keep what a longer, earlier report left there.
        MatchState state;
        QStringList expected;
        for (int row = 0; row < MatchState::LineupRows; ++row) {
            state.Alineaciones_Finales[row] = QStringLiteral("fila anterior %1").arg(row);
            expected << (row < count ? lines.at(first + row).mid(3) : state.Alineaciones_Finales[row]);
        }
        state.Inicio = 99;
        state.Fin = 99;

        ReportReader reader;
        QVERIFY(reader.openBytes(lines.join("\r\n").toLatin1() + "\r\n"));
        captureLineups(reader, state);

        QCOMPARE(state.Inicio, inicio);
        QCOMPARE(state.Fin, fin);
        QCOMPARE(QStringList(state.Alineaciones_Finales.begin(), state.Alineaciones_Finales.end()), expected);
        QVERIFY(!reader.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestLineupCapture)
#include "tst_lineupcapture.moc"
