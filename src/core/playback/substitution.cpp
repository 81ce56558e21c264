#include "substitution.h"

#include "keyphrases.h"
#include "matchstate.h"
#include "playernames.h"

#include <limits>

std::optional<ListEntry> BUSCAR_CAMBIO(const MatchState &state, const QString &line)
{
    static const QString keyPhrase = KeyPhrases::substitution.toString().toUpper();
    if (!line.toUpper().contains(keyPhrase))
        return std::nullopt;

    const QString &current = state.Ultimas_Lineas[1];
    const CharFilter currentChars(current);
    QStringView keptName;
    qint16 keptPosition = 0; // 0: no name found yet
    for (const PlayerName &player : playerNames(state)) {
        if (!currentChars.mayContain(player.chars))
            continue;
        const qsizetype position = current.indexOf(player.name) + 1;
        if (position == 0)
            continue;
        if (keptPosition == 0) {
            // The first name's position is kept as a 16-bit number; a name
            // first found further into a line than that can count drops the
            // line, as an overflow would.
            if (position > std::numeric_limits<qint16>::max())
                return std::nullopt;
            keptName = player.name;
            keptPosition = qint16(position);
            continue;
        }
        const bool swapped = keptPosition > position;
        QString text;
        text += swapped ? player.name : keptName;
        text += QLatin1String("<=>");
        text += swapped ? keptName : player.name;
        text += QLatin1Char('(') + QString::number(state.Minuto) + QLatin1Char(')');
        return ListEntry{isAwayRow(state, player.row) ? 2 : 1, text};
    }
    return std::nullopt;
}
