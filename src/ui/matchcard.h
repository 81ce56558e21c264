#pragma once

#include <QImage>
#include <QString>

class PlaybackController;

// The match card behind "Guardar imagen": both crests and names, the score,
// the stadium, each team's scorers with their minutes and the timeline, on
// an image of a fixed size, ready to post. It is drawn by code with shapes
// and one font (DejaVu Sans, unhinted, grey antialiasing), never grabbed from
// the screen, so the same match gives the same picture on every desktop and
// at every window size.
namespace MatchCard {

inline constexpr int Width = 1200;
inline constexpr int Height = 675;

// The card of the match as it stands; crests from programDir/escudos/, the
// stored default crest for a side without one.
QImage draw(const PlaybackController &match, const QString &programDir);

// "Local-Visitante.png" of the team names, made safe for a file name: no
// folder separators, control characters or characters other systems refuse,
// no leading dot, bounded in length.
QString fileName(const QString &home, const QString &away);

} // namespace MatchCard
