#pragma once

#include "round/roundcontroller.h"
#include "settings/preferences.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class PlaybackController;

// The sounds of a stadium, as the program plays them.
enum class Cue {
    KickOff,       // one whistle: the narration starts, or goes on after half time
    HalfTime,      // two whistles
    FullTime,      // three whistles
    Goal,          // the crowd's roar
    GoalAgainst,   // a groan: the user's own team conceded
    RedCard,       // a short, sharp whistle
    GoalElsewhere, // a goal on another ground of the round, softer
};

// A desktop notification: a short summary and one line of detail.
struct Notice
{
    QString summary;
    QString body;

    friend bool operator==(const Notice &, const Notice &) = default;
};

// What one command or tick asks to be heard and told, beyond what the window
// shows.
struct Announcement
{
    QList<Cue> cues;
    QList<Notice> notices;
    // Set: what is being read is cut short and this is read instead (empty:
    // nothing). The line shown is read; a new one ends the reading of the last.
    std::optional<QString> say;
    // Read one after another once the reading before them ends.
    QStringList then;

    friend bool operator==(const Announcement &, const Announcement &) = default;
};

// Decides, from what each command or tick of a match or round changed, the
// cues, the notifications and the text to read aloud, as the user's
// preferences ask: without sound no cue, without reading aloud nothing read,
// and only for the user's own team a notification, and only while the window
// is out of sight.
class Announcer
{
public:
    void setPreferences(const Preferences &preferences) { m_preferences = preferences; }

    // A change of the match in the main window, the followed one in a round.
    Announcement matchChanged(const PlaybackChange &change, const PlaybackController &match, bool hidden);
    // The rest of a round's change: the other grounds, the banner, and the
    // classified results once every match is over. After matchChanged() for
    // its followed part.
    Announcement roundChanged(const RoundChange &change, const RoundController &round, bool hidden);

private:
    // What was last known of a ground, to tell what changed there.
    struct Ground
    {
        qint16 home = 0;
        qint16 away = 0;
        qsizetype cards[2] = {0, 0};
        bool finished = false;
    };
    static Ground groundOf(const RoundController &round, int row);
    void remember(const RoundController &round);
    void notice(Announcement &out, bool hidden, const TeamsLine &teams, const QString &summary, qint16 home,
                qint16 away) const;
    // -1: not the user's team's match; 0: theirs at home; 1: theirs away.
    int mySide(const TeamsLine &teams) const;

    Preferences m_preferences;
    // The narration of the half under way has started: its next line is no kick-off.
    bool m_inPlay = false;
    std::vector<Ground> m_grounds;
};

namespace AnnouncerTexts {
// "Arenales 1 - 0 Peñascal"
QString score(const TeamsLine &teams, int home, int away);
// A line as it is read: trimmed, the score's "--" read as a pause.
QString speakable(const QString &line);
// "Arenales 2, Peñascal 1.", as the radio gives the classified results.
QString classified(const QString &home, const QString &away, int homeGoals, int awayGoals);
} // namespace AnnouncerTexts
