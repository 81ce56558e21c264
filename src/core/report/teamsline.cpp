#include "teamsline.h"

#include "textcuts.h"

using namespace TextCuts;

TeamsLine cutTeamsLine(const QString &line)
{
    TeamsLine teams;
    const qsizetype n = line.size();
    const qsizetype pv = position(line, u"vs.");
    const qsizetype pe = position(line, u") en ");
    const qsizetype po = position(line, u"(");
    const qsizetype pc = position(line, u")");

    // The one character before the "(" is the blank that separates name and key.
    const auto home = left(line, po - 2);
    if (!home)
        return teams;
    teams.home = *home;
    teams.cuts = 1;

    // "vs." and the blank after it.
    const auto awayPart = mid(line, pv + 4);
    if (!awayPart)
        return teams;
    const auto away = left(*awayPart, position(*awayPart, u"(") - 2);
    if (!away)
        return teams;
    teams.away = *away;
    teams.cuts = 2;

    // The length bound only matters when ") en " stands before "vs."; after
    // it, the whole rest of the line is taken.
    const auto stadium = mid(line, pe + 5, n - pv - 5);
    if (!stadium)
        return teams;
    teams.stadium = *stadium;
    teams.cuts = 3;

    const auto homeKey = mid(line, po + 1, pc - po - 1);
    if (!homeKey)
        return teams;
    teams.homeKey = *homeKey;
    teams.cuts = 4;

    const auto afterHomeKey = mid(line, pc + 1);
    if (!afterHomeKey)
        return teams;
    const qsizetype ro = position(*afterHomeKey, u"(");
    const qsizetype rc = position(*afterHomeKey, u")");
    const auto awayKey = mid(*afterHomeKey, ro + 1, rc - ro - 1);
    if (!awayKey)
        return teams;
    teams.awayKey = *awayKey;
    teams.cuts = 5;
    return teams;
}
