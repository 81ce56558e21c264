#include "lineups.h"

#include "playback/cards.h"
#include "playback/matchstate.h"
#include "playback/substitution.h"

#include <QTest>

// How the closing section was captured for the row.
enum class Capture { Standard, Nothing, InicioZero, NoSummary };

class TestCards : public QObject
{
    Q_OBJECT

private slots:
    void amarilla_data();
    void amarilla() { check(BUSCAR_AMARILLA); }
    void roja_data();
    void roja() { check(BUSCAR_ROJA); }
    void cambio_data();
    void cambio() { check(BUSCAR_CAMBIO); }

private:
    static void addColumns();
    static void check(std::optional<ListEntry> (*recogniser)(const MatchState &, const QString &));
};

void TestCards::addColumns()
{
    QTest::addColumn<Capture>("capture");
    QTest::addColumn<QStringList>("earlier"); // narration before the line, oldest first
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("list"); // 0: no entry
    QTest::addColumn<QString>("entry");
}

void TestCards::check(std::optional<ListEntry> (*recogniser)(const MatchState &, const QString &))
{
    QFETCH(Capture, capture);
    QFETCH(QStringList, earlier);
    QFETCH(QString, line);
    QFETCH(int, minute);
    QFETCH(int, list);
    QFETCH(QString, entry);

    MatchState state;
    Lineups::fillStandard(state);
    // An earlier report's rows stay in the array when nothing is captured.
    if (capture == Capture::Nothing || capture == Capture::InicioZero)
        state.Inicio = 0;
    if (capture == Capture::Nothing || capture == Capture::NoSummary)
        state.Fin = 0;
    state.Minuto = qint16(minute);
    Lineups::reveal(state, earlier + QStringList{line});

    const std::optional<ListEntry> result = recogniser(state, line);
    QCOMPARE(result.has_value(), list != 0);
    if (result)
        QCOMPARE(*result, (ListEntry{list, entry}));
}

void TestCards::amarilla_data()
{
    addColumns();
    const auto S = Capture::Standard;
    const QStringList none;

    QTest::newRow("home player") << S << none << "Min  23: Tomás Ruiz es amonestado" << 23 << 1 << "Tomás Ruiz(Amarilla,23)";
    QTest::newRow("away player") << S << none << "Min  23: Marco Díaz es amonestado" << 23 << 2 << "Marco Díaz(Amarilla,23)";
    QTest::newRow("phrase in upper case") << S << none << "Min  23: TOMÁS RUIZ ES AMONESTADO, Tomás Ruiz" << 23 << 1 << "Tomás Ruiz(Amarilla,23)";
    QTest::newRow("name in another case") << S << none << "Min  23: TOMÁS RUIZ es amonestado" << 23 << 0 << "";
    QTest::newRow("accented phrase in lower case") << S << none
        << "Min  23: Luis Gil cae. ¿tarjeta? eso sólo lo ha visto el árbitro." << 23 << 1 << "Luis Gil(Amarilla,23)";
    QTest::newRow("question phrase") << S << none << "Min  23: Luis Gil. Será amonestado por ello? si" << 23 << 1 << "Luis Gil(Amarilla,23)";
    QTest::newRow("phrase at the start of the line") << S << none << "es amonestado Luis Gil" << 23 << 1 << "Luis Gil(Amarilla,23)";
    QTest::newRow("' amarilla.' needs its blank") << S << none << "amarilla. Luis Gil" << 23 << 0 << "";
    QTest::newRow("amarilla at the end of the line") << S << none << "Min  23: Luis Gil ve la amarilla" << 23 << 0 << "";
    QTest::newRow("Eso debió ser amarilla.") << S << none << "Min  23: Luis Gil entra fuerte. Eso debió ser amarilla." << 23 << 0 << "";
    QTest::newRow("¡Se juega la amarilla!") << S << none << "Min  23: Luis Gil es amonestado? ¡Se juega la amarilla!" << 23 << 0 << "";
    QTest::newRow("siga el juego cancels") << S << none
        << "Min  23: Luis Gil es amonestado... pero el árbitro dice que siga el juego" << 23 << 0 << "";
    QTest::newRow("red cancelling phrase is a yellow")
        << S << none << "Min  23: Luis Gil se lleva una amarilla. Debió ser roja" << 23 << 1 << "Luis Gil(Amarilla,23)";
    QTest::newRow("player two lines back") << S << QStringList{"Min  22: Raúl Toro derriba a Juan Perez", "        otra falta"}
        << "        y es amonestado" << 23 << 1 << "Juan Perez(Amarilla,23)";
    QTest::newRow("current line wins") << S << QStringList{"Min  22: Luis Gil"}
        << "Min  23: Raúl Toro es amonestado" << 23 << 2 << "Raúl Toro(Amarilla,23)";
    QTest::newRow("lower row wins in a line") << S << none
        << "Min  23: Marco Díaz y Pelayo Soto: es amonestado" << 23 << 1 << "Pelayo Soto(Amarilla,23)";
    QTest::newRow("nothing captured") << Capture::Nothing << none << "Min  23: Tomás Ruiz es amonestado" << 23 << 0 << "";
    QTest::newRow("Inicio 0: home rows count as away")
        << Capture::InicioZero << none << "Min  23: Tomás Ruiz es amonestado" << 23 << 2 << "Tomás Ruiz(Amarilla,23)";
    QTest::newRow("no summary: home still searched")
        << Capture::NoSummary << none << "Min  23: Tomás Ruiz es amonestado" << 23 << 1 << "Tomás Ruiz(Amarilla,23)";
    QTest::newRow("no summary: away not searched")
        << Capture::NoSummary << none << "Min  23: Marco Díaz es amonestado" << 23 << 0 << "";
    QTest::newRow("minute 0") << S << none << "Min  0: Luis Gil se gana la tarjeta" << 0 << 1 << "Luis Gil(Amarilla,0)";
}

void TestCards::roja_data()
{
    addColumns();
    const auto S = Capture::Standard;
    const QStringList none;

    QTest::newRow("away player expulsado") << S << none << "Min  77: Iker Sanz es expulsado por protestar" << 77 << 2 << "Iker Sanz(Roja,77)";
    QTest::newRow("expulsado with a full stop") << S << none << "Min  77: Iker Sanz, expulsado." << 77 << 0 << "";
    QTest::newRow("expulsado at the end") << S << none << "Min  77: Iker Sanz expulsado" << 77 << 0 << "";
    QTest::newRow("roja with a full stop") << S << none << "Min  77: Iker Sanz ve la roja." << 77 << 0 << "";
    QTest::newRow("roja between blanks") << S << none << "Min  77: Iker Sanz ve la roja directa" << 77 << 2 << "Iker Sanz(Roja,77)";
    QTest::newRow("...roja!!!! in lower case") << S << none << "Min  77: Iker Sanz...roja!!!!" << 77 << 2 << "Iker Sanz(Roja,77)";
    QTest::newRow("a la puta calle") << S << none << "Min  77: Luis Gil se va a la puta calle" << 77 << 1 << "Luis Gil(Roja,77)";
    QTest::newRow("debió ser roja cancels") << S << none
        << "Min  77: Luis Gil se lleva una amarilla. Debió ser roja sin duda" << 77 << 0 << "";
    QTest::newRow("siga el juego cancels") << S << none
        << "Min  77: Luis Gil ve la roja directa... pero el árbitro dice que siga el juego" << 77 << 0 << "";
    QTest::newRow("banquillo cancels") << S << none
        << "Min  77: Luis Gil pide roja . El banquillo parece una saco de ratas de mal asiento" << 77 << 0 << "";
    QTest::newRow("player in entry 5") << S << QStringList{"Min  75: Juan Perez", "a", "b", "c"}
        << "        la roja directa" << 77 << 1 << "Juan Perez(Roja,77)";
    QTest::newRow("player six lines back") << S << QStringList{"Min  75: Juan Perez", "a", "b", "c", "d"}
        << "        la roja directa" << 77 << 0 << "";
    QTest::newRow("nothing captured") << Capture::Nothing << none << "Min  77: Luis Gil ve la roja directa" << 77 << 0 << "";
    QTest::newRow("minute 90") << S << none << "Min  90: Raúl Toro expulsado por doble amarilla" << 90 << 2 << "Raúl Toro(Roja,90)";
}

void TestCards::cambio_data()
{
    addColumns();
    const auto S = Capture::Standard;
    const QStringList none;

    QTest::newRow("two home players") << S << none << "Min  61: Tomás Ruiz SALE POR Luis Gil" << 61 << 1 << "Tomás Ruiz<=>Luis Gil(61)";
    QTest::newRow("named in the line's order") << S << none << "Min  61: Luis Gil SALE POR Tomás Ruiz" << 61 << 1 << "Luis Gil<=>Tomás Ruiz(61)";
    QTest::newRow("key phrase in lower case") << S << none << "Min  61: Tomás Ruiz sale por Luis Gil" << 61 << 1 << "Tomás Ruiz<=>Luis Gil(61)";
    QTest::newRow("key phrase at the start") << S << none << "sale por Luis Gil: Tomás Ruiz" << 61 << 0 << "";
    QTest::newRow("one player") << S << none << "Min  61: Tomás Ruiz sale por un juvenil" << 61 << 0 << "";
    QTest::newRow("three players: the two lowest rows") << S << none
        << "Min  61: Juan Perez mira: Luis Gil sale por Tomás Ruiz" << 61 << 1 << "Luis Gil<=>Tomás Ruiz(61)";
    QTest::newRow("earlier line not searched") << S << QStringList{"Min  60: Luis Gil calienta"}
        << "Min  61: Tomás Ruiz sale por el canterano" << 61 << 0 << "";
    QTest::newRow("name twice counts first") << S << none
        << "Min  61: Luis Gil listo. Tomás Ruiz sale por Luis Gil" << 61 << 1 << "Luis Gil<=>Tomás Ruiz(61)";
    QTest::newRow("home then away goes to List2") << S << none
        << "Min  61: Tomás Ruiz sale por Marco Díaz" << 61 << 2 << "Tomás Ruiz<=>Marco Díaz(61)";
    QTest::newRow("away named first in the line") << S << none
        << "Min  61: Marco Díaz sale por Tomás Ruiz" << 61 << 2 << "Marco Díaz<=>Tomás Ruiz(61)";
    QTest::newRow("nothing captured") << Capture::Nothing << none << "Min  61: Tomás Ruiz sale por Luis Gil" << 61 << 0 << "";
    QTest::newRow("Inicio 0: all away") << Capture::InicioZero << none
        << "Min  61: Tomás Ruiz sale por Luis Gil" << 61 << 2 << "Tomás Ruiz<=>Luis Gil(61)";
    QTest::newRow("first name beyond 16-bit positions") << S << none
        << QString(40000, QLatin1Char('x')) + " Tomás Ruiz sale por Luis Gil" << 61 << 0 << "";
    QTest::newRow("second name beyond 16-bit positions") << S << none
        << "Tomás Ruiz sale por " + QString(40000, QLatin1Char('x')) + " Luis Gil" << 61 << 1 << "Tomás Ruiz<=>Luis Gil(61)";
    QTest::newRow("first row found lies beyond, though named second") << S << none
        << "Luis Gil " + QString(40000, QLatin1Char('x')) + " Tomás Ruiz sale por" << 61 << 0 << "";
}

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
