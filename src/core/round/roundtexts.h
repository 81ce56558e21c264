#pragma once

#include "playback/listentry.h"

#include <QList>
#include <QString>

// The words of a round: what the rows of the round's window say of each
// match, the goal announcement, and the results copied at the end.
namespace RoundTexts {

struct Goal
{
    bool home = true;
    qint16 minute = 0;
    QString scorer;  // as the goal list names him; empty when no scorer was found

    friend bool operator==(const Goal &, const Goal &) = default;
};

// "Gol de Juan Pérez (12')"; a goal whose scorer was not found names the team.
QString goal(const QString &scorer, const QString &team, qint16 minute);
// A card or substitution entry of List1 or List2 made at minute:
// "Amarilla: X (N')", "Roja: Diego Sanz (78')", "Cambio: Luis Gil por Mario Vega (52')".
QString event(const ListEntry &entry, qint16 minute);
// The scorer's name from a goal-list entry made at minute.
QString scorerOf(const ListEntry &entry, qint16 minute);

// "Local 2 - 1 Visitante (Pérez 12', Molina 67'; Ortega 41')": the home
// scorers, then the away ones, each by the last word of his name; a side
// without goals is "-", a goal whose scorer was not found "?"; a match
// without goals has no parentheses.
QString result(const QString &home, const QString &away, int homeGoals, int awayGoals, const QList<Goal> &goals);

QString unopened(const QString &path);
QString tooMany(int chosen, int limit);
QString goalComing(const QString &home, const QString &away);

} // namespace RoundTexts
