#include "tick.h"

#include "cards.h"
#include "keyphrases.h"
#include "matchstate.h"
#include "recentlines.h"
#include "substitution.h"

#include <limits>

namespace {

template<typename T>
void appendIf(QList<ListEntry> &entries, const std::optional<T> &entry)
{
    if (entry)
        entries.append(*entry);
}

} // namespace

std::optional<qint16> minuteOf(const QString &line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':')) + 1;
    if (colon < 6)
        return std::nullopt;
    QStringView digits = QStringView(line).mid(5, colon - 6);
    while (digits.startsWith(QLatin1Char(' ')))
        digits = digits.mid(1);
    while (digits.endsWith(QLatin1Char(' ')))
        digits.chop(1);

    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.front() == QLatin1Char('-');
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        return std::nullopt;

    int value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 32768) // beyond any 16-bit minute; also keeps value from overflowing
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

std::optional<int> narrationPeriod(qint16 Intervalo)
{
    switch (Intervalo) {
    case 1: return 5000;
    case 2: return 3000;
    case 3: return 1000;
    case 4: return 500;
    case 5: return 100;
    default: return std::nullopt;
    }
}

std::optional<int> optionPeriod(qint16 Intervalo)
{
    // Speeds 1 and 2 start a second sooner than their narration pace.
    switch (Intervalo) {
    case 1: return 4000;
    case 2: return 2000;
    case 3: return 1000;
    case 4: return 500;
    case 5: return 100;
    default: return std::nullopt;
    }
}

TickResult::Branch branchOf(const QString &line, bool narrationShowing)
{
    if (narrationShowing || line.contains(KeyPhrases::minuteLine))
        return TickResult::Branch::Narration;
    // After a block end only the score lines count; both phrases in one line
    // run half time and then full time, which ends the match.
    if (line.contains(KeyPhrases::fullTime))
        return TickResult::Branch::FullTime;
    if (line.contains(KeyPhrases::halfTime))
        return TickResult::Branch::HalfTime;
    return TickResult::Branch::Dropped;
}

std::optional<qint16> minuteSetBy(const QString &line)
{
    if (line.isEmpty() || line.at(0) == QLatin1Char(' '))
        return std::nullopt;
    return minuteOf(line);
}

TickResult PROCESAR_LINEA(MatchState &state, const QString &line, bool narrationShowing, qint16 Intervalo)
{
    TickResult result;
    result.branch = branchOf(line, narrationShowing);
    if (result.branch != TickResult::Branch::Narration) {
        if (result.branch != TickResult::Branch::Dropped)
            result.text = line;
        return result;
    }

    result.period = narrationPeriod(Intervalo);
    // A line of 8 characters or fewer empties the narration, which ends the block.
    if (line.size() > 8)
        result.text = line.mid(8);
    // Continuation lines start with a blank and leave the clock alone.
    if (const std::optional<qint16> minute = minuteSetBy(line)) {
        state.Minuto = *minute;
        result.minuteRead = true;
    }

    GUARDAR_LINEA(state, line);
    const GoalResult goal = BUSCAR_GOL(state, line);
    result.scored = goal.side;
    appendIf(result.entries, goal.scorer);
    appendIf(result.entries, BUSCAR_AMARILLA(state, line));
    const std::optional<ListEntry> red = BUSCAR_ROJA(state, line);
    result.sentOff = red.has_value();
    appendIf(result.entries, red);
    appendIf(result.entries, BUSCAR_CAMBIO(state, line));
    return result;
}
