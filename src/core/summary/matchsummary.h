#pragma once

#include "chronicle/chronicle.h"

#include <QList>
#include <QString>

class PlaybackController;

// One goal, card or substitution of the chronicle, its names apart.
struct SummaryEvent
{
    using Kind = ChronicleEvent::Kind;

    Kind kind = Kind::Goal;
    bool away = false;
    qint16 minute = 0;
    QString player;   // the scorer (empty when not found), the player booked or the one leaving
    QString entering; // substitutions only

    friend bool operator==(const SummaryEvent &, const SummaryEvent &) = default;
};

// The names of a chronicle's event, from its list entry: "Lorenzo Bravo(Gol,8)",
// "A<=>B(60)".
SummaryEvent summaryEventOf(const ChronicleEvent &event);

// A match as it stands, to be shared: teams, score, stadium, where the replay
// is, and its events in the order of their minutes.
struct MatchSummary
{
    QString home;
    QString away;
    QString stadium;
    qint16 homeGoals = 0;
    qint16 awayGoals = 0;
    // "Final", "Descanso", "Minuto 67", "Sin comenzar".
    QString stage;
    QList<SummaryEvent> events;
    // Events past the ones kept: a hostile report can list thousands.
    int eventsLeftOut = 0;

    static MatchSummary of(const PlaybackController &match);
};

// The summary as plain text, one event per line, each with its minute.
QString plainSummary(const MatchSummary &summary);
// The same for a forum: BBCode with the teams and score in bold. Brackets in
// the report's names are shown as look-alikes that no forum reads as markup.
QString forumSummary(const MatchSummary &summary);
