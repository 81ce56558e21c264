#pragma once

#include <QString>

struct MatchState;

// Ultimas_Lineas: entries 1 to 5 hold the last five narration lines, entry 1
// the newest; entry 0 is never written and stays empty.
void LIMPIAR_LINEAS(MatchState &state);
void GUARDAR_LINEA(MatchState &state, const QString &line);
