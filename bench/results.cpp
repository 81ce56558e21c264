#include "results.h"

#include <cstdio>

void Results::add(const Row &row)
{
    m_rows.append(row);
    std::printf("  %s: %s (floor %s, ratio %s; goal %s) %s\n", qPrintable(row.figure), qPrintable(row.measured),
                qPrintable(row.floor), qPrintable(row.ratio), qPrintable(row.informational ? QStringLiteral("none") : row.goal),
                row.informational ? "" : row.met ? "met" : "NOT MET");
    std::fflush(stdout);
}

bool Results::allMet() const
{
    for (const Row &row : m_rows) {
        if (!row.met && !row.informational)
            return false;
    }
    return true;
}

void Results::print() const
{
    std::printf("\n| Figure | Measured | Floor (same run) | Ratio / gap | Goal | Met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const Row &row : m_rows) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", qPrintable(row.figure), qPrintable(row.measured),
                    qPrintable(row.floor), qPrintable(row.ratio), row.informational ? "" : qPrintable(row.goal),
                    row.informational ? "" : row.met ? "yes" : "**no**");
    }
    std::fflush(stdout);
}
