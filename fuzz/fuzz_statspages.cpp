// Statistics pages: any report fills the four pages without harm, the same
// way each time, with the headings where a section began.

#include "fuzzcheck.h"
#include "textfile/textfilereader.h"
#include "stats/statspages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TextFileReader report;
    report.openBytes(bytes);
    const StatsPages pages = buildStatsPages(report);

    report.openBytes(bytes);
    FUZZ_CHECK(buildStatsPages(report) == pages);

    // Row 0 of the line-up and summary pages is their heading once anything
    // landed on them.
    const QStringView headings[] = {AlineacionesHeading, AlineacionesHeading, ResumenHeading};
    for (int page = 0; page < 3; ++page) {
        bool filled = false;
        for (const QString &row : pages[page])
            filled = filled || !row.isEmpty();
        if (filled)
            FUZZ_CHECK(pages[page][0] == headings[page]);
    }

    // No "Alineaciones finales" line: nothing to show.
    if (!bytes.contains("Alineaciones finales")) {
        for (const StatsPage &page : pages) {
            for (const QString &row : page)
                FUZZ_CHECK(row.isEmpty());
        }
    }

    TextFileReader closed;
    for (const StatsPage &page : buildStatsPages(closed)) {
        for (const QString &row : page)
            FUZZ_CHECK(row.isEmpty());
    }
    return 0;
}
