#include "playback/matchstate.h"
#include "playback/playernames.h"
#include "playback/recentlines.h"
#include "playback/tick.h"

#include <QTest>

using Branch = TickResult::Branch;
Q_DECLARE_METATYPE(Branch)

namespace {

// A row of the closing section as the line-up capture leaves it: the name
// padded beyond column 20, with mark at position 48, where the goal lookup
// looks for "0".
QString player(const QString &name, QChar mark = u'1') { return name.leftJustified(47) + mark + "  7.5"; }


const QStringList HomeRows{player("Tomás Ruiz"), player("Luis Gil"), player("Juan Perez"), player("Pelayo Soto")};

using Score = std::pair<int, int>; // home, away

// A narration line revealed in minute 23 after the earlier lines (oldest
// first), and what it makes: the entries in order and the goal it counts.
// The closing section holds a heading, three lines, the home rows (4 on), the
// separator, three lines, Marco Díaz, Iker Sanz and Raúl Toro, one line and
// the summary heading.
// With no homeRows: Tomás Ruiz, Luis Gil, Juan Perez, Pelayo Soto; finZero:
// the summary heading was not found.
struct Event
{
    QString line;
    QList<ListEntry> entries;
    QStringList earlier = {}, homeRows = {};
    GoalSide scored = GoalSide::None;
    Score after = {}, before = {};
    bool finZero = false;
};

// A line not starting with blanks is a minute line of minute 23.
void row(const char *name, Event event)
{
    if (!event.line.startsWith(u' '))
        event.line.prepend(u"Min  23: "_qs);
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
        QTest::newRow("one blank before two digits reads column 6 on") << false << "Min 12: Saca" << N << "Saca" << 2;
        QTest::newRow("continuation line keeps the clock") << true << "        45: sigue" << N << "45: sigue" << 33;
        QTest::newRow("lower-case min dropped after a block end") << false << "min  3: algo" << Branch::Dropped << "" << 33;
        QTest::newRow("half time after a block end") << false << half << Branch::HalfTime << half << 33;
        QTest::newRow("half time right after narration") << true << half << N << half.mid(8) << 33;
        QTest::newRow("both phrases end as full time") << false << half + full << Branch::FullTime << half + full << 33;
        // A minute that cannot be read leaves the clock as it was.
        QTest::newRow("blanks around the digits") << false << "Min    9   : x" << N << "   : x" << 9;
        QTest::newRow("minute beyond 16 bits") << false << "Min  32768: x" << N << "68: x" << 33;
        QTest::newRow("colon before column 6") << false << "Min: 12: x" << N << " x" << 33;
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
        row("first home goal", {"Tomás Ruiz marca. 1 -- 0", {{3, "Tomás Ruiz(Gol,23)"}}, {}, {}, H, {1, 0}});
        row("away goal", {"Tomás Ruiz falla, Marco Díaz empata. 1 -- 1", {{4, "Marco Díaz(Gol,23)"}}, {}, {}, A, {1, 1}, {1, 0}});
        row("both markers count as home only", {"del 0 -- 0 al 1 -- 0, Luis Gil", {{3, "Luis Gil(Gol,23)"}}, {}, {}, H, {1, 0}});
        row("repeated score is an away goal", {"Seguimos 1 -- 1", {}, {}, {}, A, {1, 2}, {1, 1}});
        row("scorer two lines back", {"        ¡Gol! 1 -- 0", {{3, "Juan Perez(Gol,23)"}},
                                      {"Min  23: Juan Perez se escapa", "        y dispara"}, {}, H, {1, 0}});
        row("two scorers: the first row", {"Pelayo Soto para Luis Gil, 1 -- 0", {{3, "Luis Gil(Gol,23)"}}, {}, {}, H, {1, 0}});
        row("single-word scorer", {"Pelayo! 1 -- 0", {{3, "Pelayo(Gol,23)"}}, {}, {player("Pelayo")}, H, {1, 0}});
        row("0 at position 48 never listed, the next row is", {"Tomás Ruiz y Luis Gil 1 -- 0",
            {{3, "Luis Gil(Gol,23)"}}, {}, {player("Tomás Ruiz", u'0'), player("Luis Gil")}, H, {1, 0}});
        row("uncuttable row before the scorer ends the lookup", {"Luis Gil marca 1 -- 0", {}, {}, uncuttable, H, {1, 0}});
        row("home count stops at 32767", {"Tomás Ruiz 32768 -- 0", {{3, "Tomás Ruiz(Gol,23)"}}, {}, {}, H, {32767, 0}, {32767, 0}});

        // Cards: a confirming phrase and no cancelling one, compared in upper case.
        row("name in another case not found", {"TOMÁS RUIZ es amonestado", {}});
        row("accents, lower case", {"Luis Gil cae. ¿tarjeta? eso sólo lo ha visto el árbitro.", {{1, "Luis Gil(Amarilla,23)"}}});
        row("cancelling phrase wins", {"Luis Gil entra fuerte. Eso debió ser amarilla.", {}});
        row("only the red cancelled", {"Luis Gil se lleva una amarilla. Debió ser roja sin duda", {{1, "Luis Gil(Amarilla,23)"}}});
        row("current line wins", {"Raúl Toro es amonestado", {{2, "Raúl Toro(Amarilla,23)"}}, {"Min  22: Luis Gil"}});
        row("lower row wins in a line", {"Marco Díaz y Pelayo Soto: es amonestado", {{1, "Pelayo Soto(Amarilla,23)"}}});
        row("nameless row never booked", {"Zubizarreta y Luis Gil: es amonestado", {{1, "Luis Gil(Amarilla,23)"}}, {}, uncuttable});
        row("Fin 0: away not searched", {"Marco Díaz es amonestado", {}, {}, {}, GoalSide::None, {}, {}, true});
        row("player in entry 5", {"        la roja directa", {{1, "Juan Perez(Roja,23)"}}, {"Min  23: Juan Perez", "a", "b", "c"}});
        row("player six lines back", {"        la roja directa", {}, {"Min  23: Juan Perez", "a", "b", "c", "d"}});

        // Substitutions: the first two names found in the line itself.
        row("named in the line's order", {"Luis Gil SALE POR Tomás Ruiz", {{1, "Luis Gil<=>Tomás Ruiz(23)"}}});
        row("three named: two lowest rows", {"Juan Perez mira: Luis Gil sale por Tomás Ruiz", {{1, "Luis Gil<=>Tomás Ruiz(23)"}}});
        row("earlier line not searched", {"Tomás Ruiz sale por el canterano", {}, {"Min  22: Luis Gil calienta"}});
        row("home then away goes to List2", {"Tomás Ruiz sale por Marco Díaz", {{2, "Tomás Ruiz<=>Marco Díaz(23)"}}});
        // The first name's position was a 16-bit number.
        const QString far(40000, u'x');
        row("first name beyond 16 bits", {far + " Tomás Ruiz sale por Luis Gil", {}});
        row("second name beyond 16 bits", {"Tomás Ruiz sale por " + far + " Luis Gil", {{1, "Tomás Ruiz<=>Luis Gil(23)"}}});
    }

    void events()
    {
        QFETCH(Event, event);
        MatchState state;
        QStringList rows{"Alineaciones finales", "Atletico Rio", "Jugador   Pos  Min", "-----"};
        rows << (event.homeRows.isEmpty() ? HomeRows : event.homeRows);
        state.Inicio = qint16(rows.size());
        rows << "" << "Club Sierra" << "Jugador   Pos  Min" << "-----" << player("Marco Díaz") << player("Iker Sanz");
        rows << player("Raúl Toro") << "" << "Resumen del partido";
        std::copy(rows.begin(), rows.end(), state.Alineaciones_Finales.begin());
        state.Fin = event.finZero ? 0 : qint16(rows.size() - 2);
        std::tie(state.Home, state.Away) = std::pair<qint16, qint16>(event.before);
        state.rebuildMarkers();
        state.Minuto = 23;
        for (const QString &line : event.earlier)
            GUARDAR_LINEA(state, line);

        const TickResult result = PROCESAR_LINEA(state, event.line, true, 1);
        QCOMPARE(result.entries, event.entries);
        QCOMPARE(result.scored, event.scored);
        QCOMPARE(Score(state.Home, state.Away), event.after);
        QCOMPARE(state.Marc + '|' + state.Marc2, QStringLiteral("%1 --|%2 --").arg(event.after.first + 1).arg(event.after.first));
    }

    void extraerNombre_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text"); // stored in that row when it exists
        QTest::addColumn<QString>("name");

        QTest::newRow("no blank at all") << 4 << "Pelayo" << "";
        QTest::newRow("next blank at 20") << 4 << "Juan Abcdefghijklmn" + QString(30, u' ') << "Juan Abcdefghijklmn";
        QTest::newRow("next blank at 21") << 4 << "Juan Abcdefghijklmno" + QString(30, u' ') << "Juan";
        QTest::newRow("first blank at 20") << 4 << "Abcdefghijklmnopqrs X " << "Abcdefghijklmnopqrs";
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
