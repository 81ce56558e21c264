#include "settingsvalues.h"

SettingsChange SettingsChange::ofColor(Key key, qint32 color)
{
    SettingsChange change;
    change.key = key;
    change.color = color;
    return change;
}

SettingsChange SettingsChange::ofFlag(Key key, bool flag)
{
    SettingsChange change;
    change.key = key;
    change.flag = flag;
    return change;
}

SettingsChange SettingsChange::ofName(const QString &name)
{
    SettingsChange change;
    change.key = Key::LetraName;
    change.text = name;
    return change;
}

SettingsChange SettingsChange::ofSize(float size)
{
    SettingsChange change;
    change.key = Key::LetraSize;
    change.size = size;
    return change;
}

SettingsChange SettingsChange::ofPicture(const QString &path, bool relative)
{
    SettingsChange change;
    change.key = Key::ImagenFondo;
    change.text = path;
    change.relative = relative;
    return change;
}

void applySettingsChange(SettingsValues &values, const SettingsChange &change)
{
    using Key = SettingsChange::Key;
    switch (change.key) {
    case Key::ColorFondo:
        values.colorFondo = change.color;
        break;
    case Key::LetraBold:
        values.font.bold = change.flag;
        break;
    case Key::LetraItalic:
        values.font.italic = change.flag;
        break;
    case Key::LetraStrikethru:
        values.font.strikethru = change.flag;
        break;
    case Key::LetraUnderline:
        values.font.underline = change.flag;
        break;
    case Key::LetraName:
        values.font.name = change.text;
        break;
    case Key::LetraSize:
        values.font.size = change.size;
        break;
    case Key::LetraColor:
        values.font.color = change.color;
        break;
    case Key::ImagenFondo:
        // A relative path is kept as read (NOMBRE_IMA) and written back with
        // flag 0; a complete one is the dialog's file name, written with 1.
        values.picturePath = change.text;
        values.pictureFlag = change.relative ? 0 : 1;
        break;
    }
}
