#pragma once

#include "reportfault.h"
#include "teamsline.h"

#include <QString>

#include <functional>

class TextFileReader;

struct HeaderResult
{
    // None when the header was read to "Comentarios" or to the end and its
    // teams line cut; NoTeamsLine when it was read without one. Otherwise why
    // it could not be read: the reader's own fault when it is not open, Empty
    // or TeamsLineUncut.
    ReportFault fault = ReportFault::Empty;
    // With TeamsLineUncut, what was cut before the cutting stopped.
    TeamsLine teams;

    bool ok() const { return fault == ReportFault::None || fault == ReportFault::NoTeamsLine; }
    bool teamsLineFound() const { return fault == ReportFault::None || fault == ReportFault::TeamsLineUncut; }
};

// Reads the header of an open report from its first line: every line before
// the first one containing "Comentarios" is handed to print, in file order;
// the first line containing "vs." is cut as the teams line (and printed).
// A teams line that cannot be cut ends the reading at once, unprinted.
// A reader whose opening failed gives the reason it failed. The reader is
// closed on return, whatever the outcome.
HeaderResult readHeader(TextFileReader &report, const std::function<void(const QString &)> &print);
