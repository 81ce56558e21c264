#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's drawings are SVG files compiled in; these render them at the
// size they are shown, sharp on high-DPI screens too.
namespace Artwork {

QPixmap pixmap(const QString &resource, const QSize &size, qreal devicePixelRatio = 1.0);
// An icon offering the given sizes, each drawn only when it is first asked for
// (at any size and pixel ratio the caller needs).
QIcon icon(const QString &resource, std::initializer_list<int> sizes);

} // namespace Artwork
