#pragma once

#include <QString>

// The font of the narration line and its colour: what the font dialog
// chooses, the main window shows and the settings file keeps. The defaults
// are the "Predeterminado" font, which is also what the window holds before
// any settings are read or chosen.
struct NarrationFont
{
    QString name = QStringLiteral("Lucida Console");
    float size = 12.0f;  // points
    bool bold = true;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    qint32 color = 0x00FFFFFF;  // 0x00BBGGRR, white

    friend bool operator==(const NarrationFont &, const NarrationFont &) = default;
};
