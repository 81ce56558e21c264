#pragma once

#include "listentry.h"

#include <QString>

#include <optional>

struct MatchState;

// A substitution line holds " SALE POR " (compared in upper case). The first
// two player rows whose names occur in the line itself (Ultimas_Lineas entry
// 1) make the entry, in the order the line names them:
// "Tomás Ruiz<=>Luis Gil(61)". It goes to List2 when the row found second is
// an away row, else to List1.
std::optional<ListEntry> BUSCAR_CAMBIO(const MatchState &state, const QString &line);
