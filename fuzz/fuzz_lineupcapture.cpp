// Line-up capture: two reports captured one after the other into the same
// state (the second keeps the first one's rows past its own capture), checked
// against a plain model of the capture; then the player names cut from what
// was captured.

#include "fuzzcheck.h"
#include "playback/goals.h"
#include "playback/matchstate.h"
#include "playback/playernames.h"
#include "report/lineupcapture.h"
#include "textfile/textfilereader.h"

#include <cstdint>

namespace {

// Separates the two reports in one input; without it the input is captured twice.
constexpr QByteArrayView Separator = "@@@@";

struct Capture
{
    qsizetype rows = 0; // how many rows, from row 0, the capture wrote
    qint16 Inicio = 0;
    qint16 Fin = 0;
};

Capture model(const QByteArray &bytes, std::array<QString, MatchState::LineupRows> &rows)
{
    Capture capture;
    TextFileReader reader;
    reader.openBytes(bytes);
    bool capturing = false;
    QString line;
    while (reader.readLine(line)) {
        if (!capturing && !line.contains(u"Alineaciones finales"))
            continue;
        capturing = true;
        if (capture.rows == MatchState::LineupRows)
            break;
        rows[capture.rows] = line.mid(3);
        ++capture.rows;
        if (line.isEmpty() && capture.Inicio == 0)
            capture.Inicio = qint16(capture.rows - 1);
        if (line.contains(u"Resumen del par")) {
            capture.Fin = qint16(capture.rows - 2);
            break;
        }
    }
    return capture;
}

void captureAndCheck(const QByteArray &bytes, MatchState &state)
{
    std::array<QString, MatchState::LineupRows> expected = state.Alineaciones_Finales;
    const Capture capture = model(bytes, expected);

    TextFileReader reader;
    reader.openBytes(bytes);
    captureLineups(reader, state);
    FUZZ_CHECK(!reader.isOpen());

    FUZZ_CHECK(state.Inicio >= 0 && state.Inicio < MatchState::LineupRows);
    // The heading line itself may hold "Resumen del par": then Fin is -1.
    FUZZ_CHECK(state.Fin >= -1 && state.Fin < MatchState::LineupRows - 1);
    FUZZ_CHECK(state.Inicio == capture.Inicio && state.Fin == capture.Fin);
    FUZZ_CHECK(state.Alineaciones_Finales == expected);
}

void checkNames(const MatchState &state)
{
    int previous = -1;
    for (const PlayerName &player : playerNames(state)) {
        const bool home = player.row >= 4 && player.row <= state.Inicio - 1;
        const bool away = player.row >= state.Inicio + 4 && player.row <= state.Fin - 1;
        FUZZ_CHECK(home || away);
        FUZZ_CHECK(player.row >= 0 && player.row < MatchState::LineupRows);
        FUZZ_CHECK(player.row > previous);
        previous = player.row;
        FUZZ_CHECK(!player.name.isEmpty());
        FUZZ_CHECK(player.name == EXTRAER_NOMBRE(state, player.row));
        FUZZ_CHECK(state.Alineaciones_Finales[player.row].startsWith(player.name));
    }
    for (int row = -2; row <= MatchState::LineupRows + 1; ++row) {
        const QString name = EXTRAER_NOMBRE(state, row);
        if (row < 0 || row >= MatchState::LineupRows)
            FUZZ_CHECK(name.isEmpty());
        else
            FUZZ_CHECK(state.Alineaciones_Finales[row].startsWith(name));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf(Separator);
    const QByteArray first = split < 0 ? input : input.left(split);
    const QByteArray second = split < 0 ? input : input.mid(split + Separator.size());

    MatchState state;
    captureAndCheck(first, state);
    captureAndCheck(second, state);
    checkNames(state);

    // The goal lookups over the captured blocks, with the rows themselves as
    // the recent narration.
    for (int k = 1; k < MatchState::RecentLines; ++k)
        state.Ultimas_Lineas[k] = state.Alineaciones_Finales[(k * 7) % MatchState::LineupRows];
    for (const auto &lookup : {ANOTAR_GOLEADOR(state, 3, 4, state.Inicio - 1),
                               ANOTAR_GOLEADOR(state, 4, state.Inicio + 4, state.Fin - 1)}) {
        if (lookup)
            FUZZ_CHECK(lookup->list == 3 || lookup->list == 4);
    }
    return 0;
}
