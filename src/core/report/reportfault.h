#pragma once

// Why a file chosen as a match report cannot be played, or does not look like
// one; the window words it for the user.
enum class ReportFault {
    None,
    Unreadable,     // no regular file that could be opened for reading
    NotText,        // NUL bytes near the start: a picture, a program, an archive
    Empty,          // not even one line
    TeamsLineUncut, // a teams line on which a cut would need a negative length
    NoTeamsLine,    // it opens and plays, but no header line holds "vs."
};
