#pragma once

#include <QString>

class QFile;

// Opens path for reading into file only when it is a regular file (a link to
// one counts), and never waits: a pipe without a writer, a device or a folder
// is refused without blocking. What is checked is the file that was opened,
// so nothing swapped in after a look at the path can slip through. On failure
// file is left closed.
bool openRegularFile(QFile &file, const QString &path);
