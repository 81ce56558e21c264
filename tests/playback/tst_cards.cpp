#include "lineups.h"

#include "playback/cards.h"
#include "playback/matchstate.h"
#include "playback/playernames.h"
#include "playback/substitution.h"

#include <QTest>

// How the closing section was captured for the row.
enum class Capture { Standard, InicioZero, FinZero };

namespace {

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

Q_DECLARE_METATYPE(Card)

// Player names as cut from the line-ups, and the cards and substitutions
// recognised by them.
class TestCards : public QObject
{
    Q_OBJECT

private slots:
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
        Lineups::fill(state, {Lineups::player("Tomás Ruiz"), QStringLiteral("Zubizarreta"), Lineups::player("Luis Gil")},
                      {Lineups::player("Marco Díaz")});
        // Rows 4 to 6 home, 7 the separator, 11 away; rows without a name are left out.
        QStringList found;
        for (const PlayerName &player : playerNames(state))
            found << QStringLiteral("%1 %2").arg(player.row).arg(player.name);
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

private:
    static void check(std::optional<ListEntry> (*recogniser)(const MatchState &, const QString &))
    {
        QFETCH(Card, card);
        MatchState state;
        Lineups::fillStandard(state);
        // An earlier report's rows stay in the array when a marker is not found.
        if (card.capture == Capture::InicioZero)
            state.Inicio = 0;
        if (card.capture == Capture::FinZero)
            state.Fin = 0;
        state.Minuto = 23;
        Lineups::reveal(state, card.earlier + QStringList{card.line});

        const std::optional<ListEntry> result = recogniser(state, card.line);
        QCOMPARE(result.has_value(), card.list != 0);
        if (result)
            QCOMPARE(*result, (ListEntry{card.list, card.entry}));
    }
};

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
