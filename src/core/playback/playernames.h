#pragma once

#include "charfilter.h"

#include <QList>
#include <QString>
#include <QStringView>

struct MatchState;

// The name searched for in the narration for one row of Alineaciones_Finales:
// the first word, followed by the second word when a blank ends it within the
// row's first 20 characters. Empty when the row has no blank or the row number
// is outside 0 to 50.
QString EXTRAER_NOMBRE(const MatchState &state, int row);

struct PlayerName
{
    int row = 0;
    QStringView name; // EXTRAER_NOMBRE of the row, viewed in place
    CharFilter chars;
};

// The non-empty names of the player rows, home block (4 to Inicio - 1) then
// away block (Inicio + 4 to Fin - 1), in ascending row order: the order in
// which the card and substitution recognisers try them. The names view the
// rows of state, which must outlive the list.
QList<PlayerName> playerNames(const MatchState &state);

// A row after the separator belongs to the away team, any other to the home team.
bool isAwayRow(const MatchState &state, int row);
