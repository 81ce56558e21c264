#pragma once

#include "listentry.h"

#include <QString>

#include <optional>

struct MatchState;

// The card recognisers. A line is a booking (a sending-off) when it holds one
// of the confirming phrases and none of the cancelling ones, compared in upper
// case. The player is the first player row whose name occurs, exactly, in the
// newest of Ultimas_Lineas entries 1 to 5 that names anyone. The entry goes to
// List1 for a home row, List2 for an away row: "Tomás Ruiz(Amarilla,23)",
// "Tomás Ruiz(Roja,77)".
std::optional<ListEntry> BUSCAR_AMARILLA(const MatchState &state, const QString &line);
std::optional<ListEntry> BUSCAR_ROJA(const MatchState &state, const QString &line);
