#include "playback/playbackcontroller.h"
#include "round/roundcontroller.h"

#include "../support/reports.h"

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
                        .arg(e.homeGoals).arg(e.awayGoals).arg(e.text);
        }
    }
    return text;
}

const QStringList Names{"arenales-penascal", "puerto_alcazar-vallehondo", "santa_olaya-torrealba"};

// The chronicle of a sample as it is watched, in its golden file.
QString golden(const QString &sample)
{
    return QString::fromUtf8(reports::readFile(Data + sample + ".txt"));
}

// A report of these narration lines, Juan Perez playing at home and Luis Gil away.
QByteArray report(const QStringList &narration)
{
    return reports::cp1252(QStringList{"LIGA", "Local (L) vs. Visitante (V) en Campo", "Comentarios"} + narration + QStringList{""}
                           + reports::lineups({"Juan Perez"}, {"Luis Gil"}));
}

} // namespace

class TestChronicle : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Each sample whole: every block with its minute, continuation lines
    // joined, and its goals, cards and substitutions with the score. Skips
    // play through the same ticks: the chronicle is the one watched.
    void sampleReport_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QList<SkipTarget>>("skips");
        using T = SkipTarget;
        QTest::newRow("Arenales - Peñascal") << Names[0] << QList<T>{};
        QTest::newRow("Puerto Alcázar - Vallehondo") << Names[1] << QList<T>{};
        QTest::newRow("Santa Olaya - Torrealba") << Names[2] << QList<T>{};
        QTest::newRow("skipped goal by goal") << Names[0] << QList<T>{T::Goal, T::Goal, T::Goal, T::Goal, T::Goal, T::Goal};
        QTest::newRow("skipped to half time, a goal, the end") << Names[0] << QList<T>{T::HalfTime, T::Goal, T::FullTime};
    }

    void sampleReport()
    {
        QFETCH(QString, sample);
        QFETCH(QList<SkipTarget>, skips);
        PlaybackController match;
        match.open(Samples + sample + ".txt");
        for (SkipTarget target : skips) {
            match.skip(target);
            for (int i = 0; i < 7 && match.state() == PlaybackState::Running; ++i)
                match.tick();
        }
        reports::playUntil(match);
        if (qEnvironmentVariableIsSet("TEZMARO_WRITE_GOLDEN"))
            QVERIFY(reports::writeFile(Data + sample + ".txt", dump(match.chronicle()).toUtf8()));
        QCOMPARE(dump(match.chronicle()), golden(sample));
    }

    // A round keeps each match's own chronicle, whichever is followed and
    // whenever the switch comes.
    void sameInARound()
    {
        RoundController round;
        QVERIFY(!round.open({Samples + Names[0] + ".txt", Samples + Names[1] + ".txt", Samples + Names[2] + ".txt"}));
        round.start();
        for (int step = 0; step < 5000 && !round.finished(); ++step) {
            if (step == 40 || step == 90)
                round.follow(step == 40 ? 2 : 1);
            round.followed().state() == PlaybackState::Running ? round.tick() : round.start();
        }
        QVERIFY(round.finished());
        for (int row = 0; row < 3; ++row)
            QCOMPARE(dump(round.match(row)->chronicle()), golden(Names[row]));
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
        PlaybackController match;
        reports::playReport(match, reports::written(m_dir.filePath(QTest::currentDataTag()), report(narration)));
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
        const QStringList header{"LIGA", "Local (L) vs. Visitante (V) en Campo"};
        reports::playReport(match, reports::written(m_dir.filePath("hostile"), reports::cp1252(header + narration)));
        QCOMPARE(match.chronicle().entries().size(), 1);
        QCOMPARE(match.chronicle().entries().constFirst().text.size(), Chronicle::MaxTextLength);
    }

    // The sample's events along the strip, home and away, with the score.
    void timeline()
    {
        PlaybackController match;
        match.open(Samples + "arenales-penascal.txt");
        match.skip(SkipTarget::HalfTime);
        const Timeline line = match.timeline();
        QCOMPARE(line.length(), 90);
        QCOMPARE(line.current(), 45);
        QCOMPARE(line.position(45), 0.5);
        QCOMPARE(line.position(-3), 0.0);
        QCOMPARE(line.scorers(false), QStringList{"Lorenzo Bravo 8'"});
        QCOMPARE(line.scorers(true), QStringList{"Ernesto Valcárcel 22'"});
        reports::playUntil(match);
        // Its events are the chronicle's, which the sample's golden file shows.
        QCOMPARE(match.timeline().current(), 90);
    }
};

QTEST_GUILESS_MAIN(TestChronicle)
#include "tst_chronicle.moc"
