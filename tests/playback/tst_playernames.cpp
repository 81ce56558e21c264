#include "lineups.h"

#include "playback/matchstate.h"
#include "playback/playernames.h"

#include <QTest>

class TestPlayerNames : public QObject
{
    Q_OBJECT

private slots:
    void extraerNombre_data();
    void extraerNombre();
    void playerRowsInOrder();
};

void TestPlayerNames::extraerNombre_data()
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
    QTest::newRow("first blank at 19, next at 21") << 4 << "Abcdefghijklmnopqr X " << "Abcdefghijklmnopqr";
    QTest::newRow("first blank at 18, next at 20") << 4 << "Abcdefghijklmnopq X " << "Abcdefghijklmnopq X";
    QTest::newRow("first blank at 20") << 4 << "Abcdefghijklmnopqrs X " << "Abcdefghijklmnopqrs";
    QTest::newRow("first word longer than 20") << 4 << "Abcdefghijklmnopqrstuvwx Y " << "Abcdefghijklmnopqrstuvwx";
    QTest::newRow("two blanks between the words") << 4 << "Tomás  Ruiz" + padded << "Tomás";
    QTest::newRow("row starting with a blank") << 4 << " Ruiz Gil" + padded << " Ruiz";
    QTest::newRow("punctuation belongs to words") << 4 << "D'Alba O'Neil," + padded << "D'Alba O'Neil,";
    QTest::newRow("first row") << 0 << "Ana Sol" + padded << "Ana Sol";
    QTest::newRow("last row") << 50 << "Luis Gil" + padded << "Luis Gil";
    QTest::newRow("row -1") << -1 << "" << "";
    QTest::newRow("row 51") << 51 << "" << "";
}

void TestPlayerNames::extraerNombre()
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

void TestPlayerNames::playerRowsInOrder()
{
    MatchState state;
    Lineups::fill(state, {Lineups::player("Tomás Ruiz"), QStringLiteral("Zubizarreta"), Lineups::player("Luis Gil")},
                  {Lineups::player("Marco Díaz")});
    // Rows 4 to 6 home, 7 the separator, 11 away; headings and rows without a
    // name are left out.
    const QList<PlayerName> names = playerNames(state);
    QCOMPARE(names.size(), 3);
    QCOMPARE(names[0].row, 4);
    QCOMPARE(names[0].name, QStringLiteral("Tomás Ruiz"));
    QCOMPARE(names[1].row, 6);
    QCOMPARE(names[2].row, 11);
    QCOMPARE(names[2].name, QStringLiteral("Marco Díaz"));
    QVERIFY(!isAwayRow(state, 7));
    QVERIFY(isAwayRow(state, 8));
}

QTEST_GUILESS_MAIN(TestPlayerNames)
#include "tst_playernames.moc"
