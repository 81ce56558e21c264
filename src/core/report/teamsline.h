#pragma once

#include <QString>

// The items cut from the teams line of a report header, e.g.
// "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)".
// Nothing is trimmed: blanks around names and inside the parentheses stay.
struct TeamsLine
{
    static constexpr int AllCuts = 5;

    // How many of the items below were cut, in their order, before a cut that
    // would need a negative length stopped the cutting. The items not reached
    // stay empty.
    int cuts = 0;
    QString home;
    QString away;
    QString stadium;
    QString homeKey;
    QString awayKey;

    bool complete() const { return cuts == AllCuts; }
    bool operator==(const TeamsLine &) const = default;
};

TeamsLine cutTeamsLine(const QString &line);
