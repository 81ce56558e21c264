#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Where TPZ.INI is written: beside the program when its folder is writable,
// otherwise in the user's configuration folder, so a program installed
// read-only still keeps the user's choices.
QString settingsFilePath(const QString &programDir);

// Where the reports opened lately are listed: recientes.txt in the user's
// configuration folder, wherever TPZ.INI is; empty when the system names no
// such folder.
QString recentReportsPath();

// Where TPZ.INI is read from: the file settingsFilePath() names, or the
// program folder's own file when the configuration folder has none yet.
QString settingsReadPath(const QString &programDir);

// How a save ended: saved, or why not, in a few Spanish words for the user
// ("no queda espacio en el disco").
struct SaveResult
{
    bool saved = false;
    QString reason;

    explicit operator bool() const { return saved; }
};

// Replaces the file whole or not at all, creating its folder when needed: a
// kill or a full disk never leaves a truncated settings file, and a failed
// save leaves the old one byte for byte and no temporary file. Temporary
// files of earlier saves that were killed half-way are removed first.
SaveResult saveSettingsFile(const QString &path, const QByteArray &bytes);

// The same save through a file made by the caller, which names the path; tests
// hand in one whose disk fails.
SaveResult saveSettingsFile(QSaveFile &file, const QByteArray &bytes);

// The picture file a "[IMAGENFONDO]" value names. A relative value is
// appended to the program folder with its backslashes read as folder
// separators ("\fondos\campo.gif"); an empty relative value gives the folder
// itself, which loads no picture. A complete value is taken as it is.
QString resolvePicturePath(const QString &programDir, const QString &value, bool relative);
