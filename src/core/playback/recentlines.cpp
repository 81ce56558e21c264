#include "recentlines.h"

#include "matchstate.h"

void LIMPIAR_LINEAS(MatchState &state)
{
    for (QString &line : state.Ultimas_Lineas)
        line.clear();
}

void GUARDAR_LINEA(MatchState &state, const QString &line)
{
    auto &lines = state.Ultimas_Lineas;
    for (int i = 5; i >= 2; --i)
        lines[i] = lines[i - 1];
    lines[1] = line;
}
