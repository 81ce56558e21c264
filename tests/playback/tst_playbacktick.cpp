#include "lineups.h"

#include "playback/matchstate.h"
#include "playback/recentlines.h"
#include "playback/tick.h"

#include <QTest>

using Branch = TickResult::Branch;
Q_DECLARE_METATYPE(Branch)

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
        state.Ultimas_Lineas[3] = QStringLiteral("de otro partido");
        LIMPIAR_LINEAS(state);
        PROCESAR_LINEA(state, QStringLiteral("Min  1: L1"), false, 1);
        PROCESAR_LINEA(state, QStringLiteral("        L2"), true, 1);
        PROCESAR_LINEA(state, QStringLiteral("dropped"), false, 1);
        const std::array<QString, 6> two = {QString(), QStringLiteral("        L2"), QStringLiteral("Min  1: L1"),
                                            QString(), QString(), QString()};
        QCOMPARE(state.Ultimas_Lineas, two);

        // Empty lines count; the oldest falls out after five; entry 0 stays empty.
        for (const char *line : {"a", "", "c", "d", "e"})
            GUARDAR_LINEA(state, QString::fromLatin1(line));
        const std::array<QString, 6> five = {QString(), "e", "d", "c", "", "a"};
        QCOMPARE(state.Ultimas_Lineas, five);
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
        Lineups::fillStandard(state);
        const QString line = QStringLiteral("Min  50: 1 -- 0 y Tomás Ruiz ve amarilla y roja y luego sale por Luis Gil");
        const TickResult result = PROCESAR_LINEA(state, line, true, 1);

        QCOMPARE(result.scored, GoalSide::Home);
        QCOMPARE(result.entries, (QList<ListEntry>{{3, "Tomás Ruiz(Gol,50)"}, {1, "Tomás Ruiz(Amarilla,50)"},
                                                   {1, "Tomás Ruiz(Roja,50)"}, {1, "Tomás Ruiz<=>Luis Gil(50)"}}));
    }
};

QTEST_GUILESS_MAIN(TestPlaybackTick)
#include "tst_playbacktick.moc"
