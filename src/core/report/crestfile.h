#pragma once

#include <QString>

// The crest picture for a crest key: programDir/escudos/<key>.gif, or when
// that name does not exist, a file in escudos/ whose name differs from it only
// in letter case (reports and crest folders do not always agree on case).
// Empty when nothing matches, and for an empty key or one that could reach
// outside escudos/ (a path separator or a NUL in it).
QString crestFile(const QString &programDir, const QString &key);

// A sharper picture of the same crest, found in the same way: <key>.svg, else
// <key>.png. It is drawn where the crest shows larger than its GIF; empty when
// escudos/ holds neither.
QString sharpCrestFile(const QString &programDir, const QString &key);

// Both pictures of a crest.
struct CrestFiles
{
    QString gif;
    QString sharp;
};
CrestFiles crestFiles(const QString &programDir, const QString &key);
