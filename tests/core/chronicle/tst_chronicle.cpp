#include "playback/playbackcontroller.h"
#include "round/roundcontroller.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SkipTarget)

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");
const QString Data = QStringLiteral(TEZMARO_SOURCE_DIR "/tests/core/chronicle/data/");

// The chronicle as text, one block a line and its events indented under it,
// for a golden file a person can read against the report.
QString dump(const Chronicle &chronicle)
{
    static const char *const entryKinds[] = {"", "DESCANSO ", "FINAL "};
    static const char *const eventKinds[] = {"gol", "amarilla", "roja", "cambio"};
    QString text;
    for (const ChronicleEntry &entry : chronicle.entries()) {
        text += QStringLiteral("%1' %2%3\n").arg(entry.minute).arg(QLatin1String(entryKinds[int(entry.kind)]), entry.text);
        for (int i = entry.firstEvent; i < entry.firstEvent + entry.eventCount; ++i) {
            const ChronicleEvent &e = chronicle.events().at(i);
            text += QStringLiteral("    %1 %2 %3-%4 %5\n")
                        .arg(QLatin1String(eventKinds[int(e.kind)]), e.away ? "visitante" : "local")
                        .arg(e.homeGoals)
                        .arg(e.awayGoals)
                        .arg(e.text);
        }
    }
    return text;
}

// Plays as the user would, starting and continuing whenever the match stands.
void playToEnd(PlaybackController &match)
{
    for (int i = 0; i < 100000 && match.state() != PlaybackState::Finished; ++i)
        match.state() == PlaybackState::Running ? match.tick() : match.start();
}

QString watched(const QString &path)
{
    PlaybackController match;
    match.open(path);
    playToEnd(match);
    return dump(match.chronicle());
}

QByteArray cp1252(const QStringList &lines)
{
    return QStringEncoder("windows-1252")(lines.join("\r\n") + "\r\n");
}

const QStringList Lineups{"Alineaciones finales", "   Local",   "Nº Jugador",        "-- -------",
                          "01 Juan Perez            DEL",       "",          "   Visitante",
                          "Nº Jugador",             "-- -------", "01 Luis Gil              DEL",
                          "",                       "Resumen del partido"};

} // namespace

class TestChronicle : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

private slots:
    // Each sample whole: every block with its minute, continuation lines
    // joined, and its goals, cards and substitutions with the score.
    void sampleReport_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::newRow("Arenales - Peñascal") << "arenales-penascal";
        QTest::newRow("Puerto Alcázar - Vallehondo") << "puerto_alcazar-vallehondo";
        QTest::newRow("Santa Olaya - Torrealba") << "santa_olaya-torrealba";
    }

    void sampleReport()
    {
        QFETCH(QString, sample);
        const QString shown = watched(Samples + sample + ".txt");
        QFile golden(Data + sample + ".txt");
        if (qEnvironmentVariableIsSet("TEZMARO_WRITE_GOLDEN")) {
            QVERIFY(golden.open(QIODevice::WriteOnly));
            golden.write(shown.toUtf8());
            return;
        }
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(shown, QString::fromUtf8(golden.readAll()));
    }

    // Skips play through the same ticks: the chronicle is the one watched.
    void sameAfterSkips_data()
    {
        QTest::addColumn<QList<SkipTarget>>("skips");
        using T = SkipTarget;
        QTest::newRow("to the end at once") << QList<T>{T::FullTime};
        QTest::newRow("goal by goal") << QList<T>{T::Goal, T::Goal, T::Goal, T::Goal, T::Goal, T::Goal};
        QTest::newRow("half time, a goal, the end") << QList<T>{T::HalfTime, T::Goal, T::FullTime};
    }

    void sameAfterSkips()
    {
        QFETCH(QList<SkipTarget>, skips);
        const QString path = Samples + "arenales-penascal.txt";
        PlaybackController match;
        match.open(path);
        for (SkipTarget target : skips) {
            match.skip(target);
            for (int i = 0; i < 7 && match.state() == PlaybackState::Running; ++i)
                match.tick();
        }
        playToEnd(match);
        QCOMPARE(dump(match.chronicle()), watched(path));
    }

    // A round keeps each match's own chronicle, whichever is followed and
    // whenever the switch comes.
    void sameInARound()
    {
        const QStringList paths{Samples + "arenales-penascal.txt", Samples + "puerto_alcazar-vallehondo.txt",
                                Samples + "santa_olaya-torrealba.txt"};
        RoundController round;
        QVERIFY(!round.open(paths));
        round.start();
        for (int step = 0; step < 5000 && !round.finished(); ++step) {
            if (step == 40 || step == 90)
                round.follow(step == 40 ? 2 : 1);
            round.followed().state() == PlaybackState::Running ? round.tick() : round.start();
        }
        QVERIFY(round.finished());
        for (int row = 0; row < 3; ++row)
            QCOMPARE(dump(round.match(row)->chronicle()), watched(paths.at(row)));
    }

    // What a block keeps of unusual narration.
    void blocks_data()
    {
        QTest::addColumn<QStringList>("narration");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a goal without a known scorer still changes the score")
            << QStringList{"Min  3: Remate de alguien. 1 -- 0", "        Y otro mas. 1 -- 1"}
            << "3' Remate de alguien. 1 -- 0 Y otro mas. 1 -- 1\n    gol local 1-0 \n    gol visitante 1-1 \n";
        QTest::newRow("a score line too short to show is still a goal")
            << QStringList{"Min  9: Juan Perez remata.", "1 -- 0"}
            << "9' Juan Perez remata.\n9' \n    gol local 1-0 Juan Perez(Gol,9)\n";
        QTest::newRow("a card and a goal in one line")
            << QStringList{"Min. 21: Luis Gil es amonestado. 0 -- 1"}
            << "21' Luis Gil es amonestado. 0 -- 1\n"
               "    gol visitante 0-1 Luis Gil(Gol,21)\n    amarilla visitante 0-1 Luis Gil(Amarilla,21)\n";
        QTest::newRow("substitution and sending-off; a minute past 90")
            << QStringList{"Min. 93: Juan Perez SALE POR Luis Gil", "        y Luis Gil es expulsado ya."}
            << "93' Juan Perez SALE POR Luis Gil y Luis Gil es expulsado ya.\n"
               "    cambio visitante 0-0 Juan Perez<=>Luis Gil(93)\n    roja visitante 0-0 Luis Gil(Roja,93)\n";
    }

    void blocks()
    {
        QFETCH(QStringList, narration);
        QFETCH(QString, expected);
        const QString path = write(QTest::currentDataTag(), cp1252(QStringList{"LIGA", "Local (L) vs. Visitante (V) en Campo",
                                                                   "Comentarios"} + narration + QStringList{""} + Lineups));
        PlaybackController match;
        match.open(path);
        playToEnd(match);
        QCOMPARE(dump(match.chronicle()), expected);
    }

    // A block of megabyte lines, or of endless continuation lines, keeps a
    // bounded text.
    void hostileBlockIsBounded()
    {
        QStringList narration{"Min  1: " + QString(1 << 20, u'x')};
        for (int i = 0; i < 2000; ++i)
            narration << "        otra linea mas del mismo bloque";
        PlaybackController match;
        match.open(write("hostile", cp1252(QStringList{"LIGA", "Local (L) vs. Visitante (V) en Campo"} + narration)));
        playToEnd(match);
        QCOMPARE(match.chronicle().entries().size(), 1);
        QCOMPARE(match.chronicle().entries().constFirst().text.size(), Chronicle::MaxTextLength);
    }

    // The sample's events along the strip, home and away, with the score.
    void timeline()
    {
        PlaybackController match;
        match.open(Samples + "arenales-penascal.txt");
        QCOMPARE(match.timeline().current(), 0);
        match.skip(SkipTarget::HalfTime);
        const Timeline line = match.timeline();
        QCOMPARE(line.length(), 90);
        QCOMPARE(line.current(), 45);
        QCOMPARE(line.position(45), 0.5);
        QCOMPARE(line.position(-3), 0.0);
        QCOMPARE(line.scorers(false), QStringList{"Lorenzo Bravo 8'"});
        QCOMPARE(line.scorers(true), QStringList{"Ernesto Valcárcel 22'"});
        playToEnd(match);
        QCOMPARE(match.timeline().current(), 90);
        QStringList goals;
        for (const ChronicleEvent &e : match.timeline().events()) {
            if (e.kind == ChronicleEvent::Kind::Goal)
                goals << QStringLiteral("%1%2 %3-%4").arg(e.minute).arg(e.away ? 'v' : 'l').arg(e.homeGoals).arg(e.awayGoals);
        }
        QCOMPARE(goals, (QStringList{"8l 1-0", "22v 1-1", "49l 2-1", "57v 2-2", "87l 3-2"}));
    }
};

QTEST_GUILESS_MAIN(TestChronicle)
#include "tst_chronicle.moc"
