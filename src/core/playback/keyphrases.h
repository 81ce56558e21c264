#pragma once

#include <QStringView>

#include <array>

// Every phrase the playback looks for in a report line, as the simulator
// writes it. The card and substitution phrases are compared in upper case
// (QString::toUpper() on both sides), so their letter case here does not
// matter; the narration phrases are compared exactly.
namespace KeyPhrases {

// Narration.
inline constexpr QStringView minuteLine = u"Min";
inline constexpr QStringView halfTime = u"Marcador al descanso:";
inline constexpr QStringView fullTime = u"Resultado final:";

// Yellow cards: a line holding any confirming phrase and no cancelling one.
inline constexpr std::array<QStringView, 8> yellowConfirming = {
    u" amarilla.",
    u" amarilla ",
    u"es amonestado",
    u"se gana la tarjeta",
    u"Será amonestado por ello? SI",
    u"muestra otra tarjeta; esta vez a",
    u"vuelve a llevarse la mano al bolsillo",
    u"¿Tarjeta? Eso sólo lo ha visto el árbitro.",
};
inline constexpr std::array<QStringView, 8> yellowCancelling = {
    u"¡Se juega la amarilla!",
    u"Eso debió ser amarilla",
    u"Esa patada merecía amarilla",
    u"será amarilla mínimo...pero",
    u"Esa acción merecía amarilla; pero",
    u"Todos han visto amarilla; menos él",
    u"pero el árbitro dice que siga el juego",
    u"no acierta en esa jugada. Era amarilla",
};

// Red cards, tested independently of the yellow ones.
inline constexpr std::array<QStringView, 4> redConfirming = {
    u" roja ",
    u"...ROJA!!!!",
    u" expulsado ",
    u"se va a la puta calle",
};
inline constexpr std::array<QStringView, 3> redCancelling = {
    u"se lleva una amarilla. Debió ser roja",
    u"pero el árbitro dice que siga el juego",
    u"El banquillo parece una saco de ratas de mal asiento",
};

// Substitutions.
inline constexpr QStringView substitution = u" SALE POR ";

} // namespace KeyPhrases
