#pragma once

#include <QByteArray>
#include <QString>

// Where TPZ.INI is written: beside the program when its folder (or the file
// already there) is writable, otherwise in the user's configuration folder,
// so a program installed read-only still keeps the user's choices.
QString settingsFilePath(const QString &programDir);

// Where TPZ.INI is read from: the file settingsFilePath() names, or the
// program folder's own file when the configuration folder has none yet.
QString settingsReadPath(const QString &programDir);

// Replaces the file whole or not at all, creating its folder when needed: a
// crash or a full disk never leaves a truncated settings file.
bool saveSettingsFile(const QString &path, const QByteArray &bytes);

// The picture file a "[IMAGENFONDO]" value names. A relative value is
// appended to the program folder with its backslashes read as folder
// separators ("\fondos\campo.gif"); an empty relative value gives the folder
// itself, which loads no picture. A complete value is taken as it is.
QString resolvePicturePath(const QString &programDir, const QString &value, bool relative);
