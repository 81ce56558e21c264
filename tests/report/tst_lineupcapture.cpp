#include "playback/matchstate.h"
#include "report/lineupcapture.h"
#include "report/reportreader.h"

#include <QTest>

namespace {

QByteArray report(const QStringList &lines)
{
    return lines.join(u"\r\n").toLatin1() + "\r\n";
}

QStringList players(const QString &team, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1 %2 Jugador%3         Ctro  90").arg(i, 2).arg(team).arg(i);
    return lines;
}

// The closing section as the simulator lays it out, with `count` players a side.
QStringList closingSection(int count)
{
    return QStringList{u"   Alineaciones finales"_qs, u"   Atletico Rio"_qs, u"   ------------"_qs,
                       u"   Nombre               Pos  Min"_qs}
        + players(u"Local"_qs, count)
        + QStringList{u""_qs, u"   Club Sierra"_qs, u"   -----------"_qs, u"   Nombre               Pos  Min"_qs}
        + players(u"Visita"_qs, count) + QStringList{u""_qs, u"   Resumen del partido"_qs};
}

const QStringList Narration{u"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor"_qs, u"Comentarios"_qs,
                            u"Min  1: Saque inicial."_qs, u""_qs, u"Resultado final: 0 -- 0"_qs, u""_qs};
const QStringList Summary{u"   Posesi\u00f3n 50% - 50%"_qs, u""_qs, u"Bonus Local: 0"_qs};

// What a row holds: the line without its first three characters.
QStringList rows(const QStringList &lines)
{
    QStringList stored;
    for (const QString &line : lines)
        stored << line.mid(3);
    return stored;
}

QString older(int row)
{
    return QStringLiteral("fila anterior %1").arg(row);
}

} // namespace

class TestLineupCapture : public QObject
{
    Q_OBJECT

private slots:
    void capture_data();
    void capture();
};

void TestLineupCapture::capture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("captured");
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("fin");

    const QStringList section = closingSection(11);
    QTest::newRow("eleven players a side: 32 rows")
        << report(Narration + section + Summary) << rows(section) << 15 << 30;
    const QStringList full = closingSection(21);
    QTest::newRow("summary heading as the 52nd line")
        << report(Narration + full + Summary) << rows(full.mid(0, 51)) << 25 << 0;
    QTest::newRow("no heading") << report(Narration + Summary) << QStringList{} << 0 << 0;
    const QStringList noSummary = section.mid(0, section.size() - 1);
    QTest::newRow("heading without summary heading")
        << report(Narration + noSummary + Summary) << rows(noSummary + Summary) << 15 << 0;
    QStringList blanks = section;
    blanks[15] = u"      "_qs;
    QTest::newRow("a line of blanks is no separator") << report(Narration + blanks + Summary) << rows(blanks) << 30 << 30;
    QTest::newRow("from the first heading on, each line cut at column 4")
        << report({u"   Resumen del partido"_qs, u"==>Alineaciones finales"_qs, u"abc"_qs, u"   Alineaciones finales"_qs,
                   u"abcd"_qs, u""_qs, u"   Resumen del par"_qs})
        << QStringList{u"Alineaciones finales"_qs, u""_qs, u"Alineaciones finales"_qs, u"d"_qs, u""_qs, u"Resumen del par"_qs}
        << 4 << 4;
}

void TestLineupCapture::capture()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, captured);
    QFETCH(int, inicio);
    QFETCH(int, fin);

    // Rows past the capture keep what a longer, earlier report left there.
    MatchState state;
    for (int row = 0; row < MatchState::LineupRows; ++row)
        state.Alineaciones_Finales[row] = older(row);
    state.Inicio = 99;
    state.Fin = 99;

    ReportReader reader;
    QVERIFY(reader.openBytes(bytes));
    captureLineups(reader, state);

    QCOMPARE(state.Inicio, inicio);
    QCOMPARE(state.Fin, fin);
    for (int row = 0; row < MatchState::LineupRows; ++row) {
        const QString expected = row < captured.size() ? captured.at(row) : older(row);
        QVERIFY2(state.Alineaciones_Finales[row] == expected,
                 qPrintable(QStringLiteral("row %1: [%2]").arg(row).arg(state.Alineaciones_Finales[row])));
    }
    QVERIFY(!reader.isOpen());
}

QTEST_GUILESS_MAIN(TestLineupCapture)
#include "tst_lineupcapture.moc"
