#include "playback/cards.h"
#include "playback/goals.h"
#include "playback/matchstate.h"
#include "playback/playernames.h"
#include "playback/recentlines.h"
#include "playback/substitution.h"
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

const QStringList HomeNames{"Tomás Ruiz", "Luis Gil", "Juan Perez", "Pelayo Soto"};
const QStringList AwayNames{"Marco Díaz", "Iker Sanz", "Raúl Toro"};

// Heading, three lines, the home rows, the separator, three lines, the away
// rows, one line and the summary heading; Inicio and Fin point at the
// separator and at the line before the summary. By default home rows are 4
// to 7, the separator 8, away rows 12 to 14 and Fin 15.
void fill(MatchState &state, const QStringList &homeRows = players(HomeNames),
          const QStringList &awayRows = players(AwayNames))
{
    const QStringList rows = QStringList{"Alineaciones finales", "Atletico Rio", "Jugador   Pos  Min", "-----"} + homeRows
        + QStringList{"", "Club Sierra", "Jugador   Pos  Min", "-----"} + awayRows + QStringList{"", "Resumen del partido"};
    std::copy(rows.begin(), rows.end(), state.Alineaciones_Finales.begin());
    state.Inicio = qint16(4 + homeRows.size());
    state.Fin = qint16(state.Inicio + 4 + awayRows.size());
}

// The narration so far, oldest first, passed through the recent-lines buffer
// as the playback does.
void reveal(MatchState &state, const QStringList &lines)
{
    for (const QString &line : lines)
        GUARDAR_LINEA(state, line);
}

// How the closing section was captured for the row.
enum class Capture { Standard, InicioZero, FinZero };

struct Score
{
    int home;
    int away;
};

// Before the line the score is `before`; it ends as `after`, with the scorer
// listed (empty: none). The minute is 23; the away rows are the standard ones.
struct Goal
{
    Score before;
    QString line;
    GoalSide side;
    QString scorer;
    Score after;
    QStringList homeRows = players(HomeNames);
    QStringList earlier = {};
    bool inicioZero = false;
};

// A line and the entry it makes in List1 or List2 (list 0: none), after the
// earlier narration lines, oldest first. The minute is 23.
struct Card
{
    QString line;
    int list;
    QString entry;
    QStringList earlier;
    Capture capture;
};

void row(const char *name, const QString &line, int list = 0, const QString &entry = {},
         const QStringList &earlier = {}, Capture capture = Capture::Standard)
{
    QTest::newRow(name) << Card{line, list, entry, earlier, capture};
}

} // namespace

Q_DECLARE_METATYPE(Goal)
Q_DECLARE_METATYPE(Card)

// One tick of the playback and the recognisers it runs on the line: player
// names, goals, cards and substitutions.
class TestPlaybackTick : public QObject
{
    Q_OBJECT

    static void check(std::optional<ListEntry> (*recogniser)(const MatchState &, const QString &))
    {
        QFETCH(Card, card);
        MatchState state;
        fill(state);
        // An earlier report's rows stay in the array when a marker is not found.
        if (card.capture == Capture::InicioZero)
            state.Inicio = 0;
        if (card.capture == Capture::FinZero)
            state.Fin = 0;
        state.Minuto = 23;
        reveal(state, card.earlier + QStringList{card.line});

        const std::optional<ListEntry> result = recogniser(state, card.line);
        QCOMPARE(result.has_value(), card.list != 0);
        if (result)
            QCOMPARE(*result, (ListEntry{card.list, card.entry}));
    }

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
        const auto D = Branch::Dropped;

        QTest::newRow("header line dropped") << false << "Liga Zinto - Jornada 12" << D << "" << 33;
        QTest::newRow("two-digit minute") << false << "Min  12: Saca Atletico Rio" << N << " Saca Atletico Rio" << 12;
        QTest::newRow("single-digit minute, colon at 7") << false << "Min  7: Saca Atletico Rio" << N
                                                         << "Saca Atletico Rio" << 7;
        QTest::newRow("one blank before two digits reads column 6 only") << false << "Min 12: Saca" << N << "Saca" << 2;
        QTest::newRow("Min inside a word") << false << "Minutos de silencio" << N << "de silencio" << 33;
        QTest::newRow("continuation line keeps the clock") << true << "        45: sigue" << N << "45: sigue" << 33;
        QTest::newRow("continuation after a block end dropped") << false << "        Sigue el juego" << D << "" << 33;
        QTest::newRow("empty line ends the block") << true << "" << N << "" << 33;
        QTest::newRow("nine characters show one") << true << "Min  5: x" << N << "x" << 5;
        QTest::newRow("lower-case min dropped") << false << "min  3: algo" << D << "" << 33;
        QTest::newRow("half time after a block end") << false << half << Branch::HalfTime << half << 33;
        QTest::newRow("half time right after narration") << true << half << N << half.mid(8) << 33;
        QTest::newRow("full time") << false << full << Branch::FullTime << full << 33;
        QTest::newRow("both phrases end as full time") << false << half + " " + full << Branch::FullTime
                                                       << half + " " + full << 33;
    }

    void branches()
    {
        QFETCH(bool, showing);
        QFETCH(QString, line);
        QFETCH(Branch, branch);
        QFETCH(QString, text);
        QFETCH(int, minute);

        MatchState state;
        state.Minuto = 33;
        const TickResult result = PROCESAR_LINEA(state, line, showing, 2);

        QCOMPARE(result.branch, branch);
        QCOMPARE(result.text, text);
        QCOMPARE(int(state.Minuto), minute);
        QCOMPARE(result.minuteRead, minute != 33);
        const bool narration = branch == Branch::Narration;
        // Only narration paces the timer and fills the recent lines.
        QCOMPARE(result.period, narration ? std::optional<int>(3000) : std::nullopt);
        QCOMPARE(state.Ultimas_Lineas[1], narration ? line : QString());
    }

    void minute_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("minute"); // -1: cannot be read

        QTest::newRow("blanks around the digits") << "Min    9   : x" << 9;
        QTest::newRow("negative") << "Min  -3: x" << -3;
        QTest::newRow("largest 16-bit") << "Min  32767: x" << 32767;
        QTest::newRow("beyond 16 bits") << "Min  32768: x" << -1;
        QTest::newRow("far beyond") << "Min  99999999999: x" << -1;
        QTest::newRow("no colon") << "Min  12 sin dos puntos" << -1;
        QTest::newRow("colon before column 6") << "Min: 12: x" << -1;
        QTest::newRow("blank inside the number") << "Min  1 2: x" << -1;
    }

    void minute()
    {
        QFETCH(QString, line);
        QFETCH(int, minute);

        // An unreadable minute keeps the clock.
        MatchState state;
        state.Minuto = 33;
        PROCESAR_LINEA(state, line, true, 1);
        QCOMPARE(int(state.Minuto), minute == -1 ? 33 : minute);
    }

    void recentLines()
    {
        MatchState state;
        state.Ultimas_Lineas.fill(QStringLiteral("de otro partido"));
        LIMPIAR_LINEAS(state);
        // Empty lines count, the oldest falls out after five and entry 0 stays empty.
        for (const char *line : {"a", "b", "", "d", "e", "f"})
            GUARDAR_LINEA(state, QString::fromLatin1(line));
        QCOMPARE(state.Ultimas_Lineas, (std::array<QString, 6>{"", "f", "e", "d", "", "b"}));
    }

    void periods_data()
    {
        QTest::addColumn<int>("intervalo");
        QTest::addColumn<int>("narration"); // set by each narration line; -1: left as it is
        QTest::addColumn<int>("option");    // set at once when the speed is picked while playing

        QTest::newRow("speed 1") << 1 << 5000 << 4000;
        QTest::newRow("speed 2") << 2 << 3000 << 2000;
        QTest::newRow("speed 3") << 3 << 1000 << 1000;
        QTest::newRow("speed 4") << 4 << 500 << 500;
        QTest::newRow("speed 5") << 5 << 100 << 100;
        QTest::newRow("zero") << 0 << -1 << -1;
        QTest::newRow("six") << 6 << -1 << -1;
    }

    void periods()
    {
        QFETCH(int, intervalo);
        QFETCH(int, narration);
        QFETCH(int, option);

        const auto period = [](int p) { return p == -1 ? std::nullopt : std::optional<int>(p); };
        MatchState state;
        QCOMPARE(PROCESAR_LINEA(state, QStringLiteral("Min  1: x"), false, qint16(intervalo)).period, period(narration));
        QCOMPARE(optionPeriod(qint16(intervalo)), period(option));
    }

    void entriesInOrder()
    {
        MatchState state;
        fill(state);
        const QString line = QStringLiteral("Min  50: 1 -- 0 y Tomás Ruiz ve amarilla y roja y luego sale por Luis Gil");
        const TickResult result = PROCESAR_LINEA(state, line, true, 1);

        QCOMPARE(result.scored, GoalSide::Home);
        QCOMPARE(result.entries, (QList<ListEntry>{{3, "Tomás Ruiz(Gol,50)"}, {1, "Tomás Ruiz(Amarilla,50)"},
                                                   {1, "Tomás Ruiz(Roja,50)"}, {1, "Tomás Ruiz<=>Luis Gil(50)"}}));
    }

    void buscarGol_data()
    {
        QTest::addColumn<Goal>("goal");

        const auto H = GoalSide::Home;
        const auto A = GoalSide::Away;
        const QStringList home = players(HomeNames);
        const QStringList zeroMarked{player("Tomás Ruiz", u'0'), player("Luis Gil")};
        const QStringList unsplittable{player("Tomás Ruiz"), "Zubizarreta", player("Luis Gil")};

        QTest::newRow("first home goal") << Goal{{0, 0}, "Min  23: Tomás Ruiz marca. 1 -- 0", H, "Tomás Ruiz(Gol,23)", {1, 0}};
        QTest::newRow("away goal after a home goal")
            << Goal{{1, 0}, "Min  23: Marco Díaz empata. 1 -- 1", A, "Marco Díaz(Gol,23)", {1, 1}};
        QTest::newRow("both markers count as home only")
            << Goal{{0, 0}, "Min  23: del 0 -- 0 al 1 -- 0, Luis Gil", H, "Luis Gil(Gol,23)", {1, 0}};
        QTest::newRow("repeated score is an away goal") << Goal{{1, 1}, "Min  23: Seguimos 1 -- 1", A, "", {1, 2}};
        QTest::newRow("scorer two lines back") << Goal{{0, 0}, "        ¡Gol! 1 -- 0", H, "Juan Perez(Gol,23)", {1, 0}, home,
                                                       {"Min  22: Juan Perez se escapa", "        y dispara"}};
        QTest::newRow("two players: first in the block")
            << Goal{{0, 0}, "Min  23: Pelayo Soto para Luis Gil, 1 -- 0", H, "Luis Gil(Gol,23)", {1, 0}};
        QTest::newRow("single-word name")
            << Goal{{0, 0}, "Min  23: Pelayo! 1 -- 0", H, "Pelayo(Gol,23)", {1, 0}, {player("Pelayo")}};
        QTest::newRow("0 at position 48 never listed, the next row is")
            << Goal{{0, 0}, "Min  23: Tomás Ruiz y Luis Gil 1 -- 0", H, "Luis Gil(Gol,23)", {1, 0}, zeroMarked};
        QTest::newRow("unsplittable row before the scorer")
            << Goal{{0, 0}, "Min  23: Luis Gil marca 1 -- 0", H, "", {1, 0}, unsplittable};
        QTest::newRow("unsplittable row stops older lines") << Goal{{0, 0}, "        ¡Gol! 1 -- 0", H, "", {1, 0},
            {player("Tomás Ruiz"), "Luis Gil"}, {"Min  22: Tomás Ruiz dispara"}};
        QTest::newRow("Inicio 0: away block only, from row 4") << Goal{{1, 0}, "Min  23: Luis Gil empata 1 -- 1", A,
            "Luis Gil(Gol,23)", {1, 1}, {player("Tomás Ruiz"), player("Luis Gil")}, {}, true};
        QTest::newRow("home count stops at 32767")
            << Goal{{32767, 0}, "Min  23: Tomás Ruiz 32768 -- 0", H, "Tomás Ruiz(Gol,23)", {32767, 0}};
    }

    void buscarGol()
    {
        QFETCH(Goal, goal);

        MatchState state;
        fill(state, goal.homeRows, players(AwayNames));
        if (goal.inicioZero)
            state.Inicio = 0;
        state.Home = qint16(goal.before.home);
        state.Away = qint16(goal.before.away);
        state.rebuildMarkers();
        state.Minuto = 23;
        reveal(state, goal.earlier + QStringList{goal.line});

        const GoalResult result = BUSCAR_GOL(state, goal.line);

        QCOMPARE(result.side, goal.side);
        QCOMPARE(result.scorer.has_value(), !goal.scorer.isEmpty());
        if (result.scorer)
            QCOMPARE(*result.scorer, (ListEntry{goal.side == GoalSide::Home ? 3 : 4, goal.scorer}));
        QCOMPARE(int(state.Home), goal.after.home);
        QCOMPARE(int(state.Away), goal.after.away);
        // The markers follow the home count only.
        QCOMPARE(state.Marc, QString::number(goal.after.home + 1) + " --");
        QCOMPARE(state.Marc2, QString::number(goal.after.home) + " --");
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
        QTest::newRow("empty row") << 4 << "" << "";
        QTest::newRow("nothing after the second word") << 4 << "Tomás Ruiz" << "Tomás";
        QTest::newRow("short row ending in a blank") << 4 << "Luis Gil " << "Luis Gil";
        QTest::newRow("next blank at 20") << 4 << "Juan Abcdefghijklmn" + padded << "Juan Abcdefghijklmn";
        QTest::newRow("next blank at 21") << 4 << "Juan Abcdefghijklmno" + padded << "Juan";
        QTest::newRow("first blank at 20") << 4 << "Abcdefghijklmnopqrs X " << "Abcdefghijklmnopqrs";
        QTest::newRow("two blanks between the words") << 4 << "Tomás  Ruiz" + padded << "Tomás";
        QTest::newRow("row starting with a blank") << 4 << " Ruiz Gil" + padded << " Ruiz";
        QTest::newRow("punctuation belongs to words") << 4 << "D'Alba O'Neil," + padded << "D'Alba O'Neil,";
        QTest::newRow("last row") << 50 << "Luis Gil" + padded << "Luis Gil";
        QTest::newRow("row -1") << -1 << "" << "";
        QTest::newRow("row 51") << 51 << "" << "";
    }

    void extraerNombre()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, name);

        MatchState state;
        for (QString &r : state.Alineaciones_Finales)
            r = QStringLiteral("Otro Jugador        ");
        if (row >= 0 && row < MatchState::LineupRows)
            state.Alineaciones_Finales[row] = text;
        QCOMPARE(EXTRAER_NOMBRE(state, row), name);
    }

    void playerRowsInOrder()
    {
        MatchState state;
        fill(state, {player("Tomás Ruiz"), "Zubizarreta", player("Luis Gil")}, {player("Marco Díaz")});
        // Rows 4 to 6 home, 7 the separator, 11 away; rows without a name are left out.
        QStringList found;
        for (const PlayerName &name : playerNames(state))
            found << QStringLiteral("%1 %2").arg(name.row).arg(name.name);
        QCOMPARE(found, (QStringList{"4 Tomás Ruiz", "6 Luis Gil", "11 Marco Díaz"}));
    }

    void amarilla_data()
    {
        QTest::addColumn<Card>("card");
        row("home player", "Min  23: Tomás Ruiz es amonestado", 1, "Tomás Ruiz(Amarilla,23)");
        row("name in another case", "Min  23: TOMÁS RUIZ es amonestado");
        row("accented phrase in lower case", "Min  23: Luis Gil cae. ¿tarjeta? eso sólo lo ha visto el árbitro.", 1,
            "Luis Gil(Amarilla,23)");
        row("phrase at the start of the line", "es amonestado Luis Gil", 1, "Luis Gil(Amarilla,23)");
        row("' amarilla.' needs its blank", "amarilla. Luis Gil");
        row("Eso debió ser amarilla.", "Min  23: Luis Gil entra fuerte. Eso debió ser amarilla.");
        row("red cancelling phrase is a yellow", "Min  23: Luis Gil se lleva una amarilla. Debió ser roja", 1,
            "Luis Gil(Amarilla,23)");
        row("current line wins", "Min  23: Raúl Toro es amonestado", 2, "Raúl Toro(Amarilla,23)", {"Min  22: Luis Gil"});
        row("lower row wins in a line", "Min  23: Marco Díaz y Pelayo Soto: es amonestado", 1, "Pelayo Soto(Amarilla,23)");
        row("Fin 0: home still searched", "Min  23: Tomás Ruiz es amonestado", 1, "Tomás Ruiz(Amarilla,23)", {},
            Capture::FinZero);
        row("Fin 0: away not searched", "Min  23: Marco Díaz es amonestado", 0, {}, {}, Capture::FinZero);
    }

    void amarilla() { check(BUSCAR_AMARILLA); }

    void roja_data()
    {
        QTest::addColumn<Card>("card");
        row("away player expulsado", "Min  77: Iker Sanz es expulsado por protestar", 2, "Iker Sanz(Roja,23)");
        row("expulsado with a full stop", "Min  77: Iker Sanz, expulsado.");
        row("...roja!!!! in lower case", "Min  77: Iker Sanz...roja!!!!", 2, "Iker Sanz(Roja,23)");
        row("debió ser roja cancels", "Min  77: Luis Gil se lleva una amarilla. Debió ser roja sin duda");
        row("siga el juego cancels", "Min  77: Luis Gil ve la roja directa... pero el árbitro dice que siga el juego");
        row("player in entry 5", "        la roja directa", 1, "Juan Perez(Roja,23)", {"Min  75: Juan Perez", "a", "b", "c"});
        row("player six lines back", "        la roja directa", 0, {}, {"Min  75: Juan Perez", "a", "b", "c", "d"});
    }

    void roja() { check(BUSCAR_ROJA); }

    void cambio_data()
    {
        QTest::addColumn<Card>("card");
        row("two home players", "Min  61: Tomás Ruiz sale por Luis Gil", 1, "Tomás Ruiz<=>Luis Gil(23)");
        row("named in the line's order", "Min  61: Luis Gil SALE POR Tomás Ruiz", 1, "Luis Gil<=>Tomás Ruiz(23)");
        row("key phrase at the start", "sale por Luis Gil: Tomás Ruiz");
        row("one player", "Min  61: Tomás Ruiz sale por un juvenil");
        row("three players: the two lowest rows", "Min  61: Juan Perez mira: Luis Gil sale por Tomás Ruiz", 1,
            "Luis Gil<=>Tomás Ruiz(23)");
        row("earlier line not searched", "Min  61: Tomás Ruiz sale por el canterano", 0, {}, {"Min  60: Luis Gil calienta"});
        row("name twice counts first", "Min  61: Luis Gil listo. Tomás Ruiz sale por Luis Gil", 1, "Luis Gil<=>Tomás Ruiz(23)");
        row("home then away goes to List2", "Min  61: Tomás Ruiz sale por Marco Díaz", 2, "Tomás Ruiz<=>Marco Díaz(23)");
        row("Inicio 0: all away", "Min  61: Tomás Ruiz sale por Luis Gil", 2, "Tomás Ruiz<=>Luis Gil(23)", {},
            Capture::InicioZero);
        // The first name's position was a 16-bit number.
        const QString far(40000, u'x');
        row("first name beyond 16-bit positions", far + " Tomás Ruiz sale por Luis Gil");
        row("second name beyond 16-bit positions", "Tomás Ruiz sale por " + far + " Luis Gil", 1, "Tomás Ruiz<=>Luis Gil(23)");
    }

    void cambio() { check(BUSCAR_CAMBIO); }
};

QTEST_GUILESS_MAIN(TestPlaybackTick)
#include "tst_playbacktick.moc"
