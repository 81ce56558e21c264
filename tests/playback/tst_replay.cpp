#include "lineups.h"

#include "playback/matchstate.h"
#include "playback/tick.h"
#include "report/reportreader.h"

#include <QStringEncoder>
#include <QTest>

// A short match replayed tick by tick, as the main window drives it.
class TestReplay : public QObject
{
    Q_OBJECT

private slots:
    void wholeMatch();
};

namespace {

const char16_t *const Report[] = {
    u"Liga Zinto - Temporada 3 - Jornada 12",
    u"Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)",
    u"Arbitro: P. Gomez",
    u"",
    u"Comentarios",
    u"Min   1: Comienza el partido en el Estadio Mayor.",
    u"        Mueve el balón Atletico Rio.",
    u"Min   9: Tomás Ruiz dispara desde lejos...",
    u"        ¡GOL! Atletico Rio 1 -- 0 Club Sierra",
    u"Min  17: Falta durísima de Marco Díaz.",
    u"        El colegiado se acerca... Marco Díaz es amonestado.",
    u"",
    u"Este texto no se muestra.",
    u"Marcador al descanso: Atletico Rio 1 -- 0 Club Sierra",
    u"Min  46: Arranca la segunda parte.",
    u"Min  52: Iker Sanz remata y...",
    u"        ¡GOL! Atletico Rio 1 -- 1 Club Sierra",
    u"Min  61: Cambio en Atletico Rio: Luis Gil sale por Pelayo Soto.",
    u"Min  77: Iker Sanz ve la roja directa y es expulsado del campo.",
    u"Min  88: Juan Perez cabecea... ¡GOL! 2 -- 1",
    u"        Eso debió ser amarilla.",
    u"",
    u"Resultado final: Atletico Rio 2 -- 1 Club Sierra",
    u"",
    u"   Alineaciones finales",
    u"   Min: nunca se lee",
};

} // namespace

void TestReplay::wholeMatch()
{
    QString text;
    for (const char16_t *line : Report)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    // The simulator writes single-byte text; these letters are the same in Latin-1.
    QStringEncoder toLatin1(QStringConverter::Latin1);
    ReportReader reader;
    QVERIFY(reader.openBytes(toLatin1(text)));

    MatchState state;
    state.resetForOpening();
    Lineups::fillStandard(state);

    QList<QStringList> lists(5);
    QList<int> periods;
    QStringList stops;
    bool showing = false;
    QString line;
    int ticks = 0;
    while (reader.readLine(line)) {
        ++ticks;
        const TickResult tick = PROCESAR_LINEA(state, line, showing, ticks < 12 ? 1 : 5);
        for (const ListEntry &entry : tick.entries)
            lists[entry.list].append(entry.text);
        if (tick.branch == TickResult::Branch::Dropped)
            continue;
        showing = !tick.text.isEmpty();
        if (tick.period)
            periods.append(*tick.period);
        if (tick.branch == TickResult::Branch::HalfTime)
            stops.append(QStringLiteral("45 ") + tick.text);
        if (tick.branch == TickResult::Branch::FullTime) {
            stops.append(QStringLiteral("90 ") + tick.text);
            break;
        }
    }

    QCOMPARE(ticks, 23);
    QCOMPARE(stops, (QStringList{"45 Marcador al descanso: Atletico Rio 1 -- 0 Club Sierra",
                                 "90 Resultado final: Atletico Rio 2 -- 1 Club Sierra"}));
    // Five header lines and the line after the block end are dropped.
    QCOMPARE(periods.size(), 15);
    QCOMPARE(periods.first(), 5000);
    QCOMPARE(periods.last(), 100);
    QCOMPARE(int(state.Home), 2);
    QCOMPARE(int(state.Away), 1);
    QCOMPARE(int(state.Minuto), 88);
    QCOMPARE(lists[1], (QStringList{"Luis Gil<=>Pelayo Soto(61)"}));
    QCOMPARE(lists[2], (QStringList{"Marco Díaz(Amarilla,17)", "Iker Sanz(Roja,77)"}));
    QCOMPARE(lists[3], (QStringList{"Tomás Ruiz(Gol,9)", "Juan Perez(Gol,88)"}));
    QCOMPARE(lists[4], (QStringList{"Iker Sanz(Gol,52)"}));
}

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
