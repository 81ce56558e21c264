#pragma once

#include "settingslocation.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The user's choices for what Tezmaro does beyond the classic program: pauses,
// sound, their team, reading aloud. They are kept in preferencias.txt in the
// user's configuration folder, one "name=value" line each, never in TPZ.INI,
// whose lines are the classic program's.
struct Preferences
{
    bool pauseOnGoals = false; // Pausa_Goles
    bool sound = true;         // Sonido
    bool readAloud = false;    // Voz_Alta
    QString myTeam;            // Mi_Equipo: the team's key, empty for none

    // Lines this version does not know, kept as they were, so the choices of
    // a newer version survive a save by this one.
    QList<QByteArray> unknown;

    bool operator==(const Preferences &) const = default;
};

// preferencias.txt in the user's configuration folder, beside recientes.txt;
// empty when the system names no such folder.
QString preferencesPath();

// The bytes of that file read as hostile: a name this version knows with a
// value it does not understand keeps its default; blank lines are dropped.
Preferences parsePreferences(const QByteArray &bytes);
QByteArray formatPreferences(const Preferences &preferences);

// The preferences kept in file: the defaults when there is none that can be
// read. Only a regular file, only its first few kilobytes.
Preferences readPreferences(const QString &file);
SaveResult savePreferences(const QString &file, const Preferences &preferences);
