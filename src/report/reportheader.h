#pragma once

#include "teamsline.h"

#include <QString>

#include <functional>

class ReportReader;

struct HeaderResult
{
    enum class Status {
        Read,           // the header was read to "Comentarios" or to the end
        EmptyReport,    // not even one line could be read
        TeamsLineUncut, // the teams line could not be cut; teams holds what was
    };

    Status status = Status::EmptyReport;
    // A line with "vs." was met. With Status::TeamsLineUncut it is the line
    // the cutting stopped on.
    bool teamsLineFound = false;
    TeamsLine teams;

    bool ok() const { return status == Status::Read; }
};

// Reads the header of an open report from its first line: every line before
// the first one containing "Comentarios" is handed to print, in file order;
// the first line containing "vs." is cut as the teams line (and printed).
// A teams line that cannot be cut ends the reading at once, unprinted.
// The reader is closed on return, whatever the outcome.
HeaderResult readHeader(ReportReader &report, const std::function<void(const QString &)> &print);
