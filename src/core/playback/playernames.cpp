#include "playernames.h"

#include "matchstate.h"

#include <algorithm>

namespace {

// The name is always a prefix of the row (the first word, or the first word,
// its blank and the second word), so it is measured rather than copied.
qsizetype nameLength(const QString &r)
{
    const qsizetype b = r.indexOf(QLatin1Char(' ')) + 1;
    if (b == 0)
        return 0;
    // Names are cut at column 20: a first word reaching it stands alone.
    if (b >= 20)
        return b - 1;

    const QStringView window = QStringView(r).mid(b, 20 - b);
    const qsizetype c = window.indexOf(QLatin1Char(' ')) + 1;
    // A second word counts only when a blank ends it within the first 20
    // columns; one running past them may be cut short.
    if (c <= 1)
        return b - 1;
    return b + c - 1;
}

void appendBlock(const MatchState &state, int first, int last, QList<PlayerName> &names)
{
    // Rows outside 0 to 50 give no name, so the block can be clipped to them.
    first = std::max(first, 0);
    last = std::min(last, MatchState::LineupRows - 1);
    for (int row = first; row <= last; ++row) {
        const QString &text = state.Alineaciones_Finales[row];
        const QStringView name = QStringView(text).left(nameLength(text));
        if (!name.isEmpty())
            names.append({row, name, CharFilter(name)});
    }
}

} // namespace

QString EXTRAER_NOMBRE(const MatchState &state, int row)
{
    if (row < 0 || row >= MatchState::LineupRows)
        return {};
    const QString &text = state.Alineaciones_Finales[row];
    return text.left(nameLength(text));
}

QList<PlayerName> playerNames(const MatchState &state)
{
    QList<PlayerName> names;
    names.reserve(MatchState::LineupRows);
    appendBlock(state, 4, int(state.Inicio) - 1, names);
    appendBlock(state, int(state.Inicio) + 4, int(state.Fin) - 1, names);
    return names;
}

bool isAwayRow(const MatchState &state, int row)
{
    return row > state.Inicio;
}
