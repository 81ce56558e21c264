#pragma once

#include "settings/settingsvalues.h"

#include <QByteArray>
#include <QList>

class TextFileReader;

// Font sizes the reader accepts, in points. The upper bound is the largest
// size a 16-bit height in twips can hold (32767 / 20); anything outside
// is a broken value, not a font.
inline constexpr float MinFontSize = 1.0f;
inline constexpr float MaxFontSize = 1638.0f;

// The whole settings file: eleven lines, each ended by CR LF, flags as
// "True"/"False" and the size with the given decimal separator when it is a
// comma, else with a point. The file is Windows-1252 unless a value cannot be
// written in it (or its bytes would be taken for UTF-8 when read back); then
// the whole file is UTF-8.
QByteArray writeSettings(const SettingsValues &values, QChar decimalSeparator = u'.');

struct SettingsReadResult
{
    QList<SettingsChange> changes;
    // Reading ended at a failure: no file, a file of one line, a value that
    // does not convert, "[IMAGENFONDO]" on the last line, an "=" beyond
    // position 32767. The changes before it stand.
    bool failed = false;
};

// Reads a settings file opened with the report reader. The window applies
// the changes in order and stops at a picture that does not load, so
// everything after a picture change depends on it.
SettingsReadResult readSettings(TextFileReader &file);
