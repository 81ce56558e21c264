#include "cards.h"

#include "keyphrases.h"
#include "matchstate.h"
#include "phrasetest.h"
#include "playernames.h"

namespace {

std::optional<ListEntry> findBookedPlayer(const MatchState &state, QLatin1String card)
{
    const QList<PlayerName> names = playerNames(state);
    // The newest line naming anyone decides; within it the row order, not
    // the order of the names in the text.
    for (int k = 1; k <= 5; ++k) {
        const QString &recent = state.Ultimas_Lineas[k];
        if (recent.isEmpty())
            continue;
        const CharFilter recentChars(recent);
        for (const PlayerName &player : names) {
            if (recentChars.mayContain(player.chars) && recent.contains(player.name)) {
                QString text = player.name.toString();
                text += QLatin1Char('(') + card + QLatin1Char(',') + QString::number(state.Minuto) + QLatin1Char(')');
                return ListEntry{isAwayRow(state, player.row) ? 2 : 1, text};
            }
        }
    }
    return std::nullopt;
}

// A card is listed when the line holds one of its confirming phrases and none
// of its cancelling ones, compared in upper case.
std::optional<ListEntry> bookIf(const MatchState &state, const QString &line, const QStringList &confirming,
                                const QStringList &cancelling, QLatin1String card)
{
    const QString upper = line.toUpper();
    if (!PhraseTest::containsAny(upper, confirming) || PhraseTest::containsAny(upper, cancelling))
        return std::nullopt;
    return findBookedPlayer(state, card);
}

} // namespace

std::optional<ListEntry> BUSCAR_AMARILLA(const MatchState &state, const QString &line)
{
    static const QStringList confirming = PhraseTest::upperCased(KeyPhrases::yellowConfirming);
    static const QStringList cancelling = PhraseTest::upperCased(KeyPhrases::yellowCancelling);
    return bookIf(state, line, confirming, cancelling, QLatin1String("Amarilla"));
}

std::optional<ListEntry> BUSCAR_ROJA(const MatchState &state, const QString &line)
{
    static const QStringList confirming = PhraseTest::upperCased(KeyPhrases::redConfirming);
    static const QStringList cancelling = PhraseTest::upperCased(KeyPhrases::redCancelling);
    return bookIf(state, line, confirming, cancelling, QLatin1String("Roja"));
}
