// Teams line: any text is cut into at most five items, each a piece of the
// line, in order; the header reader around it ends on any report.

#include "fuzzcheck.h"
#include "report/reportheader.h"
#include "textfile/textfilereader.h"
#include "report/teamsline.h"

#include <QStringList>

#include <cstdint>

namespace {

void checkCut(const QString &line)
{
    const TeamsLine teams = cutTeamsLine(line);
    FUZZ_CHECK(teams.cuts >= 0 && teams.cuts <= TeamsLine::AllCuts);
    FUZZ_CHECK(teams.complete() == (teams.cuts == TeamsLine::AllCuts));

    const QString *items[] = {&teams.home, &teams.away, &teams.stadium, &teams.homeKey, &teams.awayKey};
    for (int i = 0; i < TeamsLine::AllCuts; ++i) {
        if (i < teams.cuts)
            FUZZ_CHECK(line.contains(*items[i]));
        else
            FUZZ_CHECK(items[i]->isEmpty());
    }
    if (teams.cuts >= 1)
        FUZZ_CHECK(line.startsWith(teams.home));
    FUZZ_CHECK(cutTeamsLine(line) == teams);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The text as the reader decodes it, each line and the whole of it.
    TextFileReader reader;
    reader.openBytes(bytes);
    QString line;
    QString whole;
    while (reader.readLine(line)) {
        checkCut(line);
        whole += line;
    }
    checkCut(whole);
    checkCut(QString::fromUtf8(bytes));

    reader.openBytes(bytes);
    QStringList printed;
    const HeaderResult header = readHeader(reader, [&printed](const QString &text) { printed << text; });
    FUZZ_CHECK(!reader.isOpen());
    for (const QString &text : printed)
        FUZZ_CHECK(!text.contains(u"Comentarios"));
    switch (header.fault) {
    case ReportFault::Unreadable:
        // Bytes in memory can always be read.
        FUZZ_CHECK(false);
        break;
    case ReportFault::NotText:
    case ReportFault::Empty:
        FUZZ_CHECK(printed.isEmpty() && header.teams == TeamsLine{});
        break;
    case ReportFault::TeamsLineUncut:
        FUZZ_CHECK(!header.teams.complete());
        break;
    case ReportFault::None:
        FUZZ_CHECK(header.teams.complete());
        break;
    case ReportFault::NoTeamsLine:
        FUZZ_CHECK(header.teams == TeamsLine{});
        break;
    }
    return 0;
}
