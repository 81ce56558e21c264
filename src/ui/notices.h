#pragma once

#include "report/reportfault.h"

#include <QString>

// The one short Spanish message the user reads when an action of theirs failed.

// A chosen report that cannot be played, or that plays but does not look like
// a match report; empty for one without fault. Only the file's name is given.
QString openingNotice(const QString &path, ReportFault fault);
// A recent report that is no longer there, taken off the list.
QString recentGoneNotice(const QString &path);
// A chosen background picture that does not load.
QString pictureNotice(const QString &path);
// Settings that could not be saved to path, for the reason given.
QString savingNotice(const QString &path, const QString &reason);
// The user guide, not there or with no program to show it.
QString guideNotice(const QString &path);
