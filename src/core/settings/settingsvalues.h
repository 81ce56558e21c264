#pragma once

#include "settings/narrationfont.h"

#include <QString>

// The eleven values the settings file stores, as the main window's two dialog
// components hold them; the defaults are what they hold before any settings
// are read or chosen.
struct SettingsValues
{
    qint32 colorFondo = 0x004000;   // background colour, 0x00BBGGRR: dark green
    NarrationFont font;
    // The "[IMAGENFONDO]" value: relative to the program folder when
    // pictureFlag is 0 (IMAGEN_NUM), complete when it is 1.
    QString picturePath;
    quint8 pictureFlag = 0;

    friend bool operator==(const SettingsValues &, const SettingsValues &) = default;
};

// One setting read from the file, in the order the file gives them.
struct SettingsChange
{
    enum class Key {
        ColorFondo,
        LetraBold,
        LetraItalic,
        LetraStrikethru,
        LetraUnderline,
        LetraName,
        LetraSize,
        LetraColor,
        ImagenFondo,
    };

    Key key = Key::ColorFondo;
    qint32 color = 0;       // ColorFondo, LetraColor
    bool flag = false;      // the four styles
    QString text;           // LetraName; ImagenFondo: the path as written
    float size = 0;         // LetraSize
    bool relative = false;  // ImagenFondo: text is relative to the program folder

    static SettingsChange ofColor(Key key, qint32 color);
    static SettingsChange ofFlag(Key key, bool flag);
    static SettingsChange ofName(const QString &name);
    static SettingsChange ofSize(float size);
    static SettingsChange ofPicture(const QString &path, bool relative);

    friend bool operator==(const SettingsChange &, const SettingsChange &) = default;
};

// Stores a change where the window's dialog components keep it, so that the
// next write gives back what was read.
void applySettingsChange(SettingsValues &values, const SettingsChange &change);
