#include "matchstate.h"

#include "recentlines.h"

void MatchState::resetForOpening()
{
    Home = 0;
    Away = 0;
    Minuto = 0;
    LIMPIAR_LINEAS(*this);
    rebuildMarkers();
}

void MatchState::rebuildMarkers()
{
    Marc = QString::number(int(Home) + 1) + QStringLiteral(" --");
    Marc2 = QString::number(Home) + QStringLiteral(" --");
}
