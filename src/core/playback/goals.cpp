#include "goals.h"

#include "charfilter.h"
#include "matchstate.h"

#include <QVarLengthArray>

#include <limits>

namespace {

// The scorer's name as the goal lookup cuts it: the first word, and the second
// word up to the next blank within column 20. Unlike EXTRAER_NOMBRE the cut
// fails when that blank is missing; the lookup then stops. The name is a
// prefix of the row, given by its length.
std::optional<qsizetype> scorerNameLength(const QString &row)
{
    const qsizetype p = row.indexOf(QLatin1Char(' ')) + 1;
    if (p == 0 || p >= 20)
        return std::nullopt;
    const QStringView window = QStringView(row).mid(p, 20 - p);
    const qsizetype c = window.indexOf(QLatin1Char(' ')) + 1;
    if (c == 0)
        return std::nullopt;
    return c == 1 ? p - 1 : p + c - 1;
}

// Rows marked with "0" at position 48 are not listed as scorers.
bool markedZero(const QString &row)
{
    return row.size() >= 48 && row.at(47) == QLatin1Char('0');
}

void addGoal(qint16 &count)
{
    if (count < std::numeric_limits<qint16>::max())
        ++count;
}

} // namespace

std::optional<ListEntry> ANOTAR_GOLEADOR(const MatchState &state, int list, int first, int last)
{
    // The names are cut once; the candidates are the rows before the first
    // one that cannot be cut.
    struct Candidate
    {
        QStringView name; // empty: never listed
        CharFilter chars;
    };
    QVarLengthArray<Candidate, MatchState::LineupRows> candidates;
    bool stopped = false;
    for (int row = first; row <= last; ++row) {
        if (row < 0 || row >= MatchState::LineupRows) {
            stopped = true;
            break;
        }
        const QString &text = state.Alineaciones_Finales[row];
        const std::optional<qsizetype> length = scorerNameLength(text);
        if (!length) {
            stopped = true;
            break;
        }
        const QStringView name = QStringView(text).left(*length);
        candidates.append(markedZero(text) ? Candidate{} : Candidate{name, CharFilter(name)});
    }

    for (int k = 1; k <= 5; ++k) {
        const QString &recent = state.Ultimas_Lineas[k];
        const CharFilter recentChars(recent);
        for (const Candidate &candidate : candidates) {
            const QStringView name = candidate.name;
            if (!name.isEmpty() && recentChars.mayContain(candidate.chars) && recent.contains(name)) {
                QString text = name.toString();
                text += QLatin1String("(Gol,") + QString::number(state.Minuto) + QLatin1Char(')');
                return ListEntry{list, text};
            }
        }
        // The lookup runs through the rows once per recent line and reaches
        // the uncuttable row on its first pass: later lines are never tried.
        if (stopped)
            return std::nullopt;
    }
    return std::nullopt;
}

GoalSide goalSideOf(const MatchState &state, const QString &line)
{
    // Both markers end in two hyphens: most lines have none, and one search
    // for a character tells so sooner than the two marker searches.
    if (!line.contains(QLatin1Char('-')))
        return GoalSide::None;
    if (line.contains(state.Marc))
        return GoalSide::Home;
    if (line.contains(state.Marc2))
        return GoalSide::Away;
    return GoalSide::None;
}

void countGoal(MatchState &state, GoalSide side)
{
    if (side == GoalSide::Home) {
        addGoal(state.Home);
        state.rebuildMarkers();
    } else if (side == GoalSide::Away) {
        addGoal(state.Away);
    }
}

GoalResult BUSCAR_GOL(MatchState &state, const QString &line)
{
    GoalResult result;
    result.side = goalSideOf(state, line);
    if (result.side == GoalSide::Home)
        result.scorer = ANOTAR_GOLEADOR(state, 3, 4, int(state.Inicio) - 1);
    else if (result.side == GoalSide::Away)
        result.scorer = ANOTAR_GOLEADOR(state, 4, int(state.Inicio) + 4, int(state.Fin) - 1);
    countGoal(state, result.side);
    return result;
}
