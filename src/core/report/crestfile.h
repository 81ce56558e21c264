#pragma once

#include <QString>

// The crest picture for a crest key: programDir/escudos/<key>.gif, or when
// that name does not exist, a file in escudos/ whose name differs from it only
// in letter case (reports and crest folders do not always agree on case).
// Empty when nothing matches, and for an empty key or one that could reach
// outside escudos/ (a path separator or a NUL in it).
QString crestFile(const QString &programDir, const QString &key);
