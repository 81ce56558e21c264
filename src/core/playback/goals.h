#pragma once

#include "listentry.h"

#include <QString>

#include <optional>

struct MatchState;

enum class GoalSide { None, Home, Away };

struct GoalResult
{
    GoalSide side = GoalSide::None;
    std::optional<ListEntry> scorer; // a List3 or List4 entry, "Juan Perez(Gol,23)"

    friend bool operator==(const GoalResult &, const GoalResult &) = default;
};

// A line holding Marc is a home goal; failing that, one holding Marc2 is an
// away goal. The scorer is looked up first, then the goal is counted (found
// scorer or not) and the markers are rebuilt from Home. Home and Away stop at
// 32767: a goal recognised beyond it is listed but no longer counted.
GoalResult BUSCAR_GOL(MatchState &state, const QString &line);
// BUSCAR_GOL's two steps around the scorer lookup: the side a line scores
// for by the markers, and the count of that goal with the markers rebuilt.
GoalSide goalSideOf(const MatchState &state, const QString &line);
void countGoal(MatchState &state, GoalSide side);

// The scorer among rows first to last of Alineaciones_Finales, searched in
// Ultimas_Lineas entries 1 to 5, newest first. A row that cannot be cut into
// names ends the lookup there, as does a row number outside 0 to 50; rows with
// "0" at position 48 are never listed.
std::optional<ListEntry> ANOTAR_GOLEADOR(const MatchState &state, int list, int first, int last);
