#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture file read from the opened file, never by path, so that a pipe
// named as a picture cannot block the window; its format told by its content
// (a crest named .gif may be a PNG). Null when it is no regular file or no
// picture.
QPixmap loadPicture(const QString &path);

// The place of a crest, the size of the stored default crests.
inline constexpr QSize CrestBox(121, 143);

bool fitsCrestBox(const QSize &size);
// The size a crest is shown at. One larger than its place would cover the
// lists and labels below it: it is scaled down to fit, keeping its
// proportions; a smaller one keeps its size.
QSize fittedCrestSize(const QSize &size);
