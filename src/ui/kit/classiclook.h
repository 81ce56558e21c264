#pragma once

#include "settings/narrationfont.h"

#include <QColor>
#include <QFont>
#include <QRect>

// The window was laid out in twips (1/1440 inch) with colours as 0x00BBGGRR
// numbers and classic Windows fonts. These helpers translate that layout;
// Qt scales the resulting logical pixels on high-DPI screens.
namespace ClassicLook {

constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Round half away from zero, so negative offsets mirror positive ones.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// 0x00BBGGRR; 0x80000008 and its siblings name system colours.
QColor color(quint32 value);
// The 0x00BBGGRR number of a colour.
quint32 colorValue(const QColor &color);

// A font by its classic name; where the name is missing on this system the
// font falls back to a look-alike (Lucida Console and Courier to a monospaced
// font, Tahoma and System to the desktop's sans font) while family() keeps the
// requested name.
QFont font(const QString &family, qreal pointSize, bool bold = false);
// The narration font with its styles, with the same fallback; its colour is
// not part of a QFont.
QFont font(const NarrationFont &narration);

} // namespace ClassicLook
