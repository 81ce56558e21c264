#pragma once

#include <QString>

#include <array>

class TextFileReader;

// The four pages of the statistics window: the home line-up, the away
// line-up, the match summary and the rest of the report, 21 rows each.
using StatsPage = std::array<QString, 21>;
using StatsPages = std::array<StatsPage, 4>;

// Headings written into row 0 of pages 1 and 2, and of page 3.
inline constexpr QStringView AlineacionesHeading = u"                   Alineaciones finales";
inline constexpr QStringView ResumenHeading = u"                     Resumen del partido";

// Reads the closing sections of a report, from the first line that contains
// "Alineaciones finales" to the end, into the four pages. A reader that is
// not open gives four empty pages; rows a section has beyond its page are
// dropped.
StatsPages buildStatsPages(TextFileReader &report);
