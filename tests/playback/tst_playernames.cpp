#include "lineups.h"

#include "playback/matchstate.h"
#include "playback/playernames.h"

#include <QTest>

class TestPlayerNames : public QObject
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
};

QTEST_GUILESS_MAIN(TestPlayerNames)
#include "tst_playernames.moc"
