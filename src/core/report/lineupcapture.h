#pragma once

#include <QString>

#include <functional>

class TextFileReader;
struct MatchState;

// Copies the closing section of an open report, from the line containing
// "Alineaciones finales" down to the one containing "Resumen del par", into
// state.Alineaciones_Finales (each line without its first three characters),
// and sets state.Inicio to the row of the first empty line and state.Fin to the
// row before the summary heading; both are 0 when not found. Rows past the
// capture keep what they held. The reader is closed on return. Every line
// read on the way, from the first, is handed to seen, so that one read of the
// report can serve whoever else needs its narration.
void captureLineups(TextFileReader &report, MatchState &state,
                    const std::function<void(const QString &)> &seen = {});
