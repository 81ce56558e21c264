#pragma once

#include <QString>

// The short user guide shipped in the program folder, docs/guia.html.
QString userGuidePath(const QString &programDir);

// Asks the desktop to show the guide; false when it is not there or no
// program could be asked to show it.
bool openUserGuide(const QString &programDir);
