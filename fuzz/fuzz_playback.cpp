// Line classification and the recognisers: arbitrary line-ups and recent
// lines, then arbitrary narration lines through the playback tick.
//
// Input: 12 bytes of numbers (Inicio, Fin, Minuto, Home, Away as 16-bit
// little-endian, Intervalo, flags), then UTF-8 text whose lines are the 51
// line-up rows up to a line "%%", the six recent lines up to the next "%%",
// and the narration lines after it.

#include "fuzzcheck.h"
#include "playback/matchstate.h"
#include "playback/tick.h"

#include <QStringList>

#include <cstdint>
#include <limits>

namespace {

constexpr size_t NumberBytes = 12;

qint16 number(const uint8_t *data, int at)
{
    return qint16(quint16(data[at] | (data[at + 1] << 8)));
}

QString markerFor(int goals)
{
    return QString::number(goals) + QStringLiteral(" --");
}

void checkTick(const MatchState &before, const MatchState &after, const QString &line,
               bool narrationShowing, qint16 Intervalo, const TickResult &tick)
{
    FUZZ_CHECK(after.Home >= 0 && after.Away >= 0);
    FUZZ_CHECK(after.Alineaciones_Finales == before.Alineaciones_Finales);
    FUZZ_CHECK(after.Inicio == before.Inicio && after.Fin == before.Fin);
    FUZZ_CHECK(after.Ultimas_Lineas[0] == before.Ultimas_Lineas[0]);
    FUZZ_CHECK(tick.entries.size() <= 4);
    for (const ListEntry &entry : tick.entries)
        FUZZ_CHECK(entry.list >= 1 && entry.list <= 4);

    if (tick.branch != TickResult::Branch::Narration) {
        FUZZ_CHECK(!narrationShowing && !line.contains(u"Min"));
        FUZZ_CHECK(after.Home == before.Home && after.Away == before.Away);
        FUZZ_CHECK(after.Minuto == before.Minuto && after.Ultimas_Lineas == before.Ultimas_Lineas);
        FUZZ_CHECK(tick.entries.isEmpty() && tick.scored == GoalSide::None && !tick.minuteRead);
        FUZZ_CHECK(!tick.period);
        if (tick.branch == TickResult::Branch::Dropped)
            FUZZ_CHECK(tick.text.isEmpty());
        else
            FUZZ_CHECK(tick.text == line);
        if (tick.branch == TickResult::Branch::FullTime)
            FUZZ_CHECK(line.contains(u"Resultado final:"));
        if (tick.branch == TickResult::Branch::HalfTime)
            FUZZ_CHECK(line.contains(u"Marcador al descanso:"));
        return;
    }

    FUZZ_CHECK(tick.period == narrationPeriod(Intervalo));
    FUZZ_CHECK(tick.text == (line.size() > 8 ? line.mid(8) : QString()));
    FUZZ_CHECK(after.Ultimas_Lineas[1] == line);
    for (int i = 2; i < MatchState::RecentLines; ++i)
        FUZZ_CHECK(after.Ultimas_Lineas[i] == before.Ultimas_Lineas[i - 1]);
    if (tick.minuteRead)
        FUZZ_CHECK(minuteOf(line) == after.Minuto);
    else
        FUZZ_CHECK(after.Minuto == before.Minuto);

    // A goal is counted on its side, up to the 16-bit limit, and never wraps.
    constexpr qint16 Max = std::numeric_limits<qint16>::max();
    const auto counted = [](qint16 goals) { return goals < Max ? qint16(goals + 1) : Max; };
    const qint16 home = tick.scored == GoalSide::Home ? counted(before.Home) : before.Home;
    const qint16 away = tick.scored == GoalSide::Away ? counted(before.Away) : before.Away;
    FUZZ_CHECK(after.Home == home && after.Away == away);
    FUZZ_CHECK(after.Marc == markerFor(after.Home + 1) && after.Marc2 == markerFor(after.Home));

    // The scorer comes first, on the scoring side's goal list; the rest are
    // card and substitution entries.
    qsizetype i = 0;
    if (tick.scored != GoalSide::None && !tick.entries.isEmpty() && tick.entries.first().list >= 3) {
        FUZZ_CHECK(tick.entries.first().list == (tick.scored == GoalSide::Home ? 3 : 4));
        FUZZ_CHECK(tick.entries.first().text.endsWith(QStringLiteral("(Gol,%1)").arg(after.Minuto)));
        i = 1;
    }
    for (; i < tick.entries.size(); ++i)
        FUZZ_CHECK(tick.entries.at(i).list == 1 || tick.entries.at(i).list == 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < NumberBytes)
        return 0;

    MatchState state;
    const uint8_t flags = data[11];
    // Mostly markers as a capture can set them; now and then any 16-bit value.
    if (flags & 1) {
        state.Inicio = number(data, 0);
        state.Fin = number(data, 2);
    } else {
        state.Inicio = qint16(quint16(number(data, 0)) % MatchState::LineupRows);
        state.Fin = qint16(quint16(number(data, 2)) % (MatchState::LineupRows + 1) - 1);
    }
    state.Minuto = number(data, 4);
    state.Home = qint16(number(data, 6) & 0x7fff);
    state.Away = qint16(number(data, 8) & 0x7fff);
    state.Marc = markerFor(state.Home + 1);
    state.Marc2 = markerFor(state.Home);
    const qint16 Intervalo = qint16(qint8(data[10]));
    bool narrationShowing = flags & 2;

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + NumberBytes,
                                           qsizetype(size - NumberBytes));
    const QStringList lines = text.split(u'\n');
    qsizetype at = 0;
    for (int row = 0; at < lines.size() && lines.at(at) != u"%%"; ++at, ++row) {
        if (row < MatchState::LineupRows)
            state.Alineaciones_Finales[row] = lines.at(at);
    }
    ++at;
    for (int k = 0; at < lines.size() && lines.at(at) != u"%%"; ++at, ++k) {
        if (k < MatchState::RecentLines)
            state.Ultimas_Lineas[k] = lines.at(at);
    }
    ++at;

    for (; at < lines.size(); ++at) {
        const QString &line = lines.at(at);
        const MatchState before = state;
        const TickResult tick = PROCESAR_LINEA(state, line, narrationShowing, Intervalo);
        checkTick(before, state, line, narrationShowing, Intervalo, tick);
        // What the window then shows decides how the next line is taken.
        if (tick.branch != TickResult::Branch::Dropped)
            narrationShowing = !tick.text.isEmpty();
    }
    return 0;
}
