#include "matchstate.h"

void MatchState::resetForOpening()
{
    Home = 0;
    Away = 0;
    Minuto = 0;
    for (QString &line : Ultimas_Lineas)
        line.clear();
    Marc = QString::number(Home + 1) + QStringLiteral(" --");
    Marc2 = QString::number(Home) + QStringLiteral(" --");
}
