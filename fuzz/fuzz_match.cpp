// A whole report replayed through the playback controller as the window
// plays it, with the pause on goals on and a skip now and then, and what is
// asked of a match beyond the window: its chronicle and timeline, the
// summary texts and the announcer's cues. The input is the report's bytes.

#include "fuzzcheck.h"
#include "chronicle/timeline.h"
#include "playback/playbackcontroller.h"
#include "sound/announcer.h"
#include "summary/matchsummary.h"

#include <QFile>

#include <unistd.h>

namespace {

void checkChronicle(const PlaybackController &match)
{
    const Chronicle &chronicle = match.chronicle();
    int next = 0;
    for (const ChronicleEntry &entry : chronicle.entries()) {
        FUZZ_CHECK(entry.text.size() <= Chronicle::MaxTextLength);
        FUZZ_CHECK(entry.firstEvent == next && entry.eventCount >= 0);
        next += entry.eventCount;
    }
    FUZZ_CHECK(next == chronicle.events().size());
    // Every goal the score counts is in the chronicle, listed scorer or not.
    int goals = 0;
    for (const ChronicleEvent &event : chronicle.events())
        goals += event.kind == ChronicleEvent::Kind::Goal;
    FUZZ_CHECK(goals == match.match().Home + match.match().Away);

    const Timeline timeline = match.timeline();
    FUZZ_CHECK(timeline.length() >= Timeline::RegularLength && timeline.current() <= timeline.length());
    for (const ChronicleEvent &event : chronicle.events()) {
        const qreal at = timeline.position(event.minute);
        FUZZ_CHECK(at >= 0 && at <= 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The controller reads reports from files: one per fuzzing process,
    // removed when it exits.
    static const QString path = QStringLiteral("/tmp/tezmaro-fuzz-match-%1.txt").arg(getpid());
    static const struct Removal {
        ~Removal() { QFile::remove(path); }
    } removal;
    {
        QFile report(path);
        if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        report.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    PlaybackController match;
    match.setPauseOnGoals(true);
    match.open(path);
    Announcer announcer;
    Preferences listener;
    listener.myTeam = match.teams().homeKey;
    listener.readAloud = true;
    announcer.setPreferences(listener);

    announcer.matchChanged(match.start(), match, true);
    for (int i = 0; i < 50000 && match.reportOpen() && match.state() != PlaybackState::Finished; ++i) {
        const bool skip = i % 97 == 50;
        const PlaybackChange change = match.state() != PlaybackState::Running ? match.start()
                                      : skip ? match.skip(SkipTarget::Goal) : match.tick();
        FUZZ_CHECK(!change.period || *change.period >= 1);
        // A tick that scores holds the next line.
        if (!skip && (change.homeScored || change.awayScored))
            FUZZ_CHECK(change.period && *change.period >= PlaybackController::HoldPeriod);
        const Announcement heard = announcer.matchChanged(change, match, true);
        FUZZ_CHECK(heard.cues.size() <= 1);
    }
    checkChronicle(match);
    const MatchSummary summary = MatchSummary::of(match);
    // Only the summary's own bold opens a tag, whatever the report names.
    FUZZ_CHECK(forumSummary(summary).count(u'[') == 2);
    FUZZ_CHECK(plainSummary(summary).size() < 100'000);
    return 0;
}
