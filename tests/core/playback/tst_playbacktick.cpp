#include "playback/matchstate.h"
#include "playback/playernames.h"
#include "playback/recentlines.h"
#include "playback/tick.h"

#include <QTest>

using Branch = TickResult::Branch;
Q_DECLARE_METATYPE(Branch)

// Readable failures when comparing entries.
char *toString(const ListEntry &entry)
{
    return QTest::toString(QStringLiteral("List%1: %2").arg(entry.list).arg(entry.text));
}

namespace {

// A row of the closing section as the line-up capture leaves it: the name
// padded beyond column 20, with mark at position 48, where the goal lookup
// looks for "0".
QString player(const QString &name, QChar mark = u'1')
{
    return name.leftJustified(47) + mark + "  7.5";
}

QStringList players(const QStringList &names)
{
    QStringList rows;
    for (const QString &name : names)
        rows.append(player(name));
    return rows;
}

using Score = std::pair<int, int>; // home, away

// A narration line revealed in minute 23 after the earlier lines (oldest
// first), and what it makes: the entries in order and the goal it counts.
// The closing section holds a heading, three lines, the home rows (4 on), the
// separator, three lines, Marco Díaz, Iker Sanz and Raúl Toro, one line and
// the summary heading.
struct Event
{
    QString line;
    QList<ListEntry> entries;
    QStringList earlier = {};
    QStringList homeRows = {}; // none: Tomás Ruiz, Luis Gil, Juan Perez, Pelayo Soto
    GoalSide scored = GoalSide::None;
    Score after = {};
    Score before = {};
    bool finZero = false; // the summary heading was not found
};

void row(const char *name, const Event &event)
{
    QTest::newRow(name) << event;
}

} // namespace

Q_DECLARE_METATYPE(Event)

// One tick of the playback and the recognisers it runs on the line: player
// names, goals, cards and substitutions.
class TestPlaybackTick : public QObject
{
    Q_OBJECT

private slots:
    void branches_data()
    {
        QTest::addColumn<bool>("showing");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Branch>("branch");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minute"); // Minuto afterwards; it was 33

        const QString half = QStringLiteral("Marcador al descanso: Atletico Rio 1 -- 0 Club Sierra");
        const QString full = QStringLiteral("Resultado final: Atletico Rio 2 -- 1 Club Sierra");
        const auto N = Branch::Narration;
        QTest::newRow("two-digit minute") << false << "Min  12: Saca Atletico Rio" << N << " Saca Atletico Rio" << 12;
        QTest::newRow("single-digit minute, colon at 7") << false << "Min  7: x" << N << "x" << 7;
        QTest::newRow("one blank before two digits reads column 6 on") << false << "Min 12: Saca" << N << "Saca" << 2;
        QTest::newRow("continuation line keeps the clock") << true << "        45: sigue" << N << "45: sigue" << 33;
        QTest::newRow("lower-case min dropped after a block end") << false << "min  3: algo" << Branch::Dropped << "" << 33;
        QTest::newRow("half time after a block end") << false << half << Branch::HalfTime << half << 33;
        QTest::newRow("half time right after narration") << true << half << N << half.mid(8) << 33;
        QTest::newRow("both phrases end as full time") << false << half + full << Branch::FullTime << half + full << 33;
        // A minute that cannot be read leaves the clock as it was.
        QTest::newRow("blanks around the digits") << false << "Min    9   : x" << N << "   : x" << 9;
        QTest::newRow("largest 16-bit minute") << false << "Min  32767: x" << N << "67: x" << 32767;
        QTest::newRow("minute beyond 16 bits") << false << "Min  32768: x" << N << "68: x" << 33;
        QTest::newRow("colon before column 6") << false << "Min: 12: x" << N << " x" << 33;
        QTest::newRow("blank inside the minute") << false << "Min  1 2: x" << N << ": x" << 33;
    }

    void branches()
    {
        QFETCH(bool, showing);
        QFETCH(QString, line);
        QFETCH(Branch, branch);
        QFETCH(int, minute);

        MatchState state;
        state.Minuto = 33;
        const TickResult result = PROCESAR_LINEA(state, line, showing, 2);
        QCOMPARE(result.branch, branch);
        QTEST(result.text, "text");
        QCOMPARE(int(state.Minuto), minute);
        QCOMPARE(result.minuteRead, minute != 33);
        // Only narration paces the timer and fills the recent lines.
        const bool narration = branch == Branch::Narration;
        QCOMPARE(result.period.has_value(), narration);
        QCOMPARE(state.Ultimas_Lineas[1], narration ? line : QString());
    }

    void recentLines()
    {
        MatchState state;
        state.Ultimas_Lineas.fill(QStringLiteral("de otro partido"));
        // An opening clears them: no card goes to a player of the match before.
        state.resetForOpening();
        // Empty lines count, the oldest falls out after five and entry 0 stays empty.
        for (const char *line : {"a", "b", "", "d", "e", "f"})
            GUARDAR_LINEA(state, QString::fromLatin1(line));
        QCOMPARE(state.Ultimas_Lineas, (std::array<QString, 6>{"", "f", "e", "d", "", "b"}));
    }

    void events_data()
    {
        QTest::addColumn<Event>("event");
        const auto H = GoalSide::Home, A = GoalSide::Away;

        // Goals: the score markers follow the home count only.
        const QStringList uncuttable{player("Tomás Ruiz"), "Zubizarreta", player("Luis Gil")};
        row("first home goal", {"Min  23: Tomás Ruiz marca. 1 -- 0", {{3, "Tomás Ruiz(Gol,23)"}}, {}, {}, H, {1, 0}});
        row("away goal: away block only", {"Min  23: Tomás Ruiz falla, Marco Díaz empata. 1 -- 1",
                                           {{4, "Marco Díaz(Gol,23)"}}, {}, {}, A, {1, 1}, {1, 0}});
        row("both markers count as home only", {"Min  23: del 0 -- 0 al 1 -- 0, Luis Gil", {{3, "Luis Gil(Gol,23)"}},
                                                {}, {}, H, {1, 0}});
        row("repeated score is an away goal", {"Min  23: Seguimos 1 -- 1", {}, {}, {}, A, {1, 2}, {1, 1}});
        row("scorer two lines back", {"        ¡Gol! 1 -- 0", {{3, "Juan Perez(Gol,23)"}},
                                      {"Min  23: Juan Perez se escapa", "        y dispara"}, {}, H, {1, 0}});
        row("two scorers named: first in the block", {"Min  23: Pelayo Soto para Luis Gil, 1 -- 0",
                                                      {{3, "Luis Gil(Gol,23)"}}, {}, {}, H, {1, 0}});
        row("single-word scorer", {"Min  23: Pelayo! 1 -- 0", {{3, "Pelayo(Gol,23)"}}, {}, {player("Pelayo")}, H, {1, 0}});
        row("0 at position 48 never listed, the next row is", {"Min  23: Tomás Ruiz y Luis Gil 1 -- 0",
            {{3, "Luis Gil(Gol,23)"}}, {}, {player("Tomás Ruiz", u'0'), player("Luis Gil")}, H, {1, 0}});
        row("uncuttable row before the scorer ends the lookup", {"Min  23: Luis Gil marca 1 -- 0", {}, {}, uncuttable,
                                                                 H, {1, 0}});
        row("uncuttable row: older lines never tried", {"        ¡Gol! 1 -- 0", {}, {"Min  23: Tomás Ruiz dispara"},
                                                        {player("Tomás Ruiz"), "Luis Gil"}, H, {1, 0}});
        row("home count stops at 32767", {"Min  23: Tomás Ruiz 32768 -- 0", {{3, "Tomás Ruiz(Gol,23)"}}, {}, {}, H,
                                          {32767, 0}, {32767, 0}});

        // Cards: a confirming phrase and no cancelling one, compared in upper case.
        row("goal, yellow, red and change in order", {"Min  23: 1 -- 0 y Tomás Ruiz ve amarilla y roja y sale por Luis Gil",
            {{3, "Tomás Ruiz(Gol,23)"}, {1, "Tomás Ruiz(Amarilla,23)"}, {1, "Tomás Ruiz(Roja,23)"},
             {1, "Tomás Ruiz<=>Luis Gil(23)"}}, {}, {}, H, {1, 0}});
        row("name in another case not found", {"Min  23: TOMÁS RUIZ es amonestado", {}});
        row("accented phrase in lower case", {"Min  23: Luis Gil cae. ¿tarjeta? eso sólo lo ha visto el árbitro.",
                                              {{1, "Luis Gil(Amarilla,23)"}}});
        row("cancelling phrase wins", {"Min  23: Luis Gil entra fuerte. Eso debió ser amarilla.", {}});
        row("red cancelled, yellow stands", {"Min  23: Luis Gil se lleva una amarilla. Debió ser roja sin duda",
                                             {{1, "Luis Gil(Amarilla,23)"}}});
        row("...roja!!!! in lower case", {"Min  23: Iker Sanz...roja!!!!", {{2, "Iker Sanz(Roja,23)"}}});
        row("current line wins", {"Min  23: Raúl Toro es amonestado", {{2, "Raúl Toro(Amarilla,23)"}}, {"Min  22: Luis Gil"}});
        row("lower row wins in a line", {"Min  23: Marco Díaz y Pelayo Soto: es amonestado", {{1, "Pelayo Soto(Amarilla,23)"}}});
        row("row without a name never booked", {"Min  23: Zubizarreta y Luis Gil: es amonestado",
                                                {{1, "Luis Gil(Amarilla,23)"}}, {}, uncuttable});
        row("Fin 0: away not searched", {"Min  23: Marco Díaz es amonestado", {}, {}, {}, GoalSide::None, {}, {}, true});
        row("player in entry 5", {"        la roja directa", {{1, "Juan Perez(Roja,23)"}}, {"Min  23: Juan Perez", "a", "b", "c"}});
        row("player six lines back", {"        la roja directa", {}, {"Min  23: Juan Perez", "a", "b", "c", "d"}});

        // Substitutions: the first two names found in the line itself.
        row("named in the line's order", {"Min  23: Luis Gil SALE POR Tomás Ruiz", {{1, "Luis Gil<=>Tomás Ruiz(23)"}}});
        row("one player", {"Min  23: Tomás Ruiz sale por un juvenil", {}});
        row("three players: the two lowest rows", {"Min  23: Juan Perez mira: Luis Gil sale por Tomás Ruiz",
                                                   {{1, "Luis Gil<=>Tomás Ruiz(23)"}}});
        row("earlier line not searched", {"Min  23: Tomás Ruiz sale por el canterano", {}, {"Min  22: Luis Gil calienta"}});
        row("home then away goes to List2", {"Min  23: Tomás Ruiz sale por Marco Díaz", {{2, "Tomás Ruiz<=>Marco Díaz(23)"}}});
        // The first name's position was a 16-bit number.
        const QString far(40000, u'x');
        row("first name beyond 16-bit positions", {"Min  23: " + far + " Tomás Ruiz sale por Luis Gil", {}});
        row("second name beyond 16-bit positions", {"Min  23: Tomás Ruiz sale por " + far + " Luis Gil",
                                                    {{1, "Tomás Ruiz<=>Luis Gil(23)"}}});
    }

    void events()
    {
        QFETCH(Event, event);
        const QStringList home = event.homeRows.isEmpty()
            ? players({"Tomás Ruiz", "Luis Gil", "Juan Perez", "Pelayo Soto"}) : event.homeRows;
        const QStringList rows = QStringList{"Alineaciones finales", "Atletico Rio", "Jugador   Pos  Min", "-----"}
            + home + QStringList{"", "Club Sierra", "Jugador   Pos  Min", "-----"}
            + players({"Marco Díaz", "Iker Sanz", "Raúl Toro"}) + QStringList{"", "Resumen del partido"};
        MatchState state;
        std::copy(rows.begin(), rows.end(), state.Alineaciones_Finales.begin());
        state.Inicio = qint16(4 + home.size());
        state.Fin = event.finZero ? 0 : qint16(rows.size() - 2);
        state.Home = qint16(event.before.first);
        state.Away = qint16(event.before.second);
        state.rebuildMarkers();
        state.Minuto = 23;
        for (const QString &line : event.earlier)
            GUARDAR_LINEA(state, line);

        const TickResult result = PROCESAR_LINEA(state, event.line, true, 1);
        QCOMPARE(result.entries, event.entries);
        QCOMPARE(result.scored, event.scored);
        QCOMPARE(int(state.Home), event.after.first);
        QCOMPARE(int(state.Away), event.after.second);
        QCOMPARE(state.Marc, QString::number(event.after.first + 1) + " --");
        QCOMPARE(state.Marc2, QString::number(event.after.first) + " --");
    }

    void extraerNombre_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text"); // stored in that row when it exists
        QTest::addColumn<QString>("name");

        const QString padded = QString(30, QLatin1Char(' '));
        QTest::newRow("third word dropped") << 4 << "Tomás Ruiz Gil" + padded << "Tomás Ruiz";
        QTest::newRow("single word and blanks") << 4 << "Pelayo" + padded << "Pelayo";
        QTest::newRow("no blank at all") << 4 << "Pelayo" << "";
        QTest::newRow("nothing after the second word") << 4 << "Tomás Ruiz" << "Tomás";
        QTest::newRow("next blank at 20") << 4 << "Juan Abcdefghijklmn" + padded << "Juan Abcdefghijklmn";
        QTest::newRow("next blank at 21") << 4 << "Juan Abcdefghijklmno" + padded << "Juan";
        QTest::newRow("first blank at 20") << 4 << "Abcdefghijklmnopqrs X " << "Abcdefghijklmnopqrs";
        QTest::newRow("row starting with a blank") << 4 << " Ruiz Gil" + padded << " Ruiz";
        QTest::newRow("last row") << 50 << "Luis Gil" + padded << "Luis Gil";
        QTest::newRow("row -1") << -1 << "" << "";
    }

    void extraerNombre()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        MatchState state;
        state.Alineaciones_Finales.fill(QStringLiteral("Otro Jugador        "));
        if (row >= 0 && row < MatchState::LineupRows)
            state.Alineaciones_Finales[row] = text;
        QTEST(EXTRAER_NOMBRE(state, row), "name");
    }
};

QTEST_GUILESS_MAIN(TestPlaybackTick)
#include "tst_playbacktick.moc"
