#pragma once

#include "playback/listentry.h"
#include "playback/matchstate.h"
#include "playback/recentlines.h"

#include <QStringList>
#include <QTest>

// Closing sections as the line-up capture leaves them, for the recognisers to
// search.
namespace Lineups {

// A captured player row: the name padded to column 20 and beyond, with mark
// at position 48, where the goal lookup looks for "0".
inline QString player(const QString &name, QChar mark = QLatin1Char('1'))
{
    return name.leftJustified(47, QLatin1Char(' ')) + mark + QStringLiteral("  7.5");
}

inline QStringList players(const QStringList &names)
{
    QStringList rows;
    for (const QString &name : names)
        rows.append(player(name));
    return rows;
}

// Heading, three lines, the home rows, the separator, three lines, the away
// rows, one line and the summary heading; Inicio and Fin point at the
// separator and at the line before the summary.
inline void fill(MatchState &state, const QStringList &homeRows, const QStringList &awayRows)
{
    const QStringList rows = QStringList{"Alineaciones finales", "Atletico Rio", "Jugador   Pos  Min", "-----"} + homeRows
        + QStringList{"", "Club Sierra", "Jugador   Pos  Min", "-----"} + awayRows + QStringList{"", "Resumen del partido"};
    std::copy(rows.begin(), rows.end(), state.Alineaciones_Finales.begin());
    state.Inicio = qint16(4 + homeRows.size());
    state.Fin = qint16(state.Inicio + 4 + awayRows.size());
}

inline const QStringList homeNames = {
    QStringLiteral("Tomás Ruiz"), QStringLiteral("Luis Gil"),
    QStringLiteral("Juan Perez"), QStringLiteral("Pelayo Soto"),
};
inline const QStringList awayNames = {
    QStringLiteral("Marco Díaz"), QStringLiteral("Iker Sanz"), QStringLiteral("Raúl Toro"),
};

// Home rows 4 to 7, separator 8, away rows 12 to 14, Fin 15.
inline void fillStandard(MatchState &state)
{
    fill(state, players(homeNames), players(awayNames));
}

// The narration so far, oldest first, passed through the recent-lines buffer
// as the playback does.
inline void reveal(MatchState &state, const QStringList &lines)
{
    for (const QString &line : lines)
        GUARDAR_LINEA(state, line);
}

} // namespace Lineups

// Readable failures when comparing entries.
namespace QTest {
template<>
inline char *toString(const ListEntry &entry)
{
    return QTest::toString(QStringLiteral("List%1: %2").arg(entry.list).arg(entry.text));
}
} // namespace QTest
