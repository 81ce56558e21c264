#pragma once

#include "goals.h"
#include "listentry.h"

#include <QList>
#include <QString>

#include <optional>

struct MatchState;

// What one tick of the playback does with the line it has read.
struct TickResult
{
    enum class Branch {
        Narration, // shown, stored in Ultimas_Lineas, handed to the recognisers
        Dropped,   // waiting for the next minute line: nothing happens
        HalfTime,  // timer stops until continued; the clock shows "45"
        FullTime,  // timer stops, report closed; the clock shows "90"
    };

    Branch branch = Branch::Dropped;
    // Narration: the timer's period for the next tick; none leaves it as it is.
    std::optional<int> period;
    // What Texto_Narracion shows: a narration line from its 9th character (empty
    // for a line of 8 characters or fewer), a half- or full-time line whole.
    QString text;
    // Minuto was taken from the line; the clock shows it.
    bool minuteRead = false;
    GoalSide scored = GoalSide::None;
    // The line shows a red card the recogniser found.
    bool sentOff = false;
    // To append, in order: goal, yellow card, red card, substitution.
    QList<ListEntry> entries;

    friend bool operator==(const TickResult &, const TickResult &) = default;
};

// One line of the tick. It is narration when narration is showing or it
// contains "Min"; otherwise only the half-time and full-time phrases count (a
// line with both ends as full time) and anything else is dropped.
TickResult PROCESAR_LINEA(MatchState &state, const QString &line, bool narrationShowing, qint16 Intervalo);

// The branch PROCESAR_LINEA takes for a line, decided before it changes
// anything; a look ahead at the next line asks the same.
TickResult::Branch branchOf(const QString &line, bool narrationShowing);
// The minute a narration line puts on the clock: only a line that starts with
// a non-blank character carries one (continuation lines start with a blank).
std::optional<qint16> minuteSetBy(const QString &line);

// The minute of a minute line: the integer between column 6 and the first
// colon, blanks around it allowed. None when it cannot be read; the clock then
// keeps the previous minute.
std::optional<qint16> minuteOf(const QString &line);

// Timer period set by each narration line for speed option 1 to 5.
std::optional<int> narrationPeriod(qint16 Intervalo);
// Period a speed option applies at once when picked while the timer runs.
std::optional<int> optionPeriod(qint16 Intervalo);
