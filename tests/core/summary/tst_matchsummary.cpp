#include "playback/playbackcontroller.h"
#include "summary/matchsummary.h"

#include <QFile>
#include <QTest>

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");
const QString Golden = QStringLiteral(TEZMARO_SOURCE_DIR "/tests/core/summary/data/");

// Plays a report as the timer and the user would, until the state stops it.
void playUntil(PlaybackController &match, PlaybackState stop)
{
    for (int i = 0; i < 100000 && match.state() != stop && match.state() != PlaybackState::Finished; ++i)
        match.state() == PlaybackState::Running ? match.tick() : match.start();
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

Q_DECLARE_METATYPE(PlaybackState)

class TestMatchSummary : public QObject
{
    Q_OBJECT

private slots:
    // Both texts of a sample report, compared with reference files that were
    // read against the report itself.
    void samplePlayedTo_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<PlaybackState>("stop");
        QTest::addColumn<bool>("forum");
        QTest::addColumn<QString>("golden");

        using S = PlaybackState;
        const QString arenales = QStringLiteral("arenales-penascal.txt");
        const QString torrealba = QStringLiteral("santa_olaya-torrealba.txt");
        QTest::newRow("opened, not started") << arenales << S::Ready << false << "arenales-listo.txt";
        QTest::newRow("half time, plain") << arenales << S::HalfTime << false << "arenales-descanso.txt";
        QTest::newRow("half time, forum") << arenales << S::HalfTime << true << "arenales-descanso.bbcode";
        QTest::newRow("full time, plain") << arenales << S::Finished << false << "arenales-final.txt";
        QTest::newRow("full time, forum") << arenales << S::Finished << true << "arenales-final.bbcode";
        QTest::newRow("another report at full time, forum") << torrealba << S::Finished << true << "torrealba-final.bbcode";
    }
    void samplePlayedTo()
    {
        QFETCH(QString, report);
        QFETCH(PlaybackState, stop);
        QFETCH(bool, forum);
        QFETCH(QString, golden);

        PlaybackController match;
        QVERIFY(match.open(Samples + report).ok());
        if (stop != PlaybackState::Ready)
            playUntil(match, stop);
        const MatchSummary summary = MatchSummary::of(match);
        QCOMPARE(forum ? forumSummary(summary) : plainSummary(summary), fileText(Golden + golden));
    }

    // Whatever the report names, the forum text holds no markup but its own
    // bold score, and the plain text shows the names as they are.
    void hostileNamesOpenNoTag_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("plainShows");

        QTest::newRow("a link, a closing bold") << "[url=http://x.example]Pe[/b]pe[/url]" << "[url=http://x.example]Pe[/b]pe[/url]";
        QTest::newRow("placeholders of a format") << "%1 %2 [%3]" << "%1 %2 [%3]";
        QTest::newRow("control characters") << "Pe\tpe\r\n[b]" << "Pe pe  [b]";
    }
    void hostileNamesOpenNoTag()
    {
        QFETCH(QString, name);
        QFETCH(QString, plainShows);

        MatchSummary summary;
        summary.home = summary.away = summary.stadium = name;
        summary.homeGoals = 1;
        summary.events = {{SummaryEvent::Kind::Goal, false, 8, name, {}},
                          {SummaryEvent::Kind::Substitution, true, 60, name, name}};
        const QString forum = forumSummary(summary);
        QCOMPARE(forum.count(u'['), 2);
        QVERIFY(forum.startsWith(u"[b]"));
        QCOMPARE(forum.count(u'\n'), 5);
        const QString plain = plainSummary(summary);
        QVERIFY2(plain.contains(QStringLiteral("8' Gol de %1 (%1)").arg(plainShows)), qPrintable(plain));
        QVERIFY(plain.startsWith(QStringLiteral("%1 1 - 0 %1").arg(plainShows)));
    }

    // Events the samples do not have, as the summary names them: the
    // samples' own are in the reference files.
    void events_data()
    {
        using K = ChronicleEvent::Kind;
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("away");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("line");

        QTest::newRow("parentheses in a name") << int(K::Goal) << true << "Jo (el 9)(Gol,91)" << "91' Gol de Jo (el 9) (Visitante)";
        QTest::newRow("a goal whose scorer was not found") << int(K::Goal) << false << "" << "91' Gol (Local)";
        QTest::newRow("a substitution without its joint") << int(K::Substitution) << false << "Ana Gil(91)"
                                                          << "91' Cambio (Local): sale Ana Gil, entra ";
    }
    void events()
    {
        QFETCH(int, kind);
        QFETCH(bool, away);
        QFETCH(QString, entry);
        MatchSummary summary{.home = "Local", .away = "Visitante", .stadium = {}, .stage = {}, .events = {}};
        summary.events << summaryEventOf({.kind = ChronicleEvent::Kind(kind), .away = away, .minute = 91, .text = entry});
        QTEST(plainSummary(summary).section(u'\n', 2, 2), "line");
    }
};

QTEST_GUILESS_MAIN(TestMatchSummary)
#include "tst_matchsummary.moc"
