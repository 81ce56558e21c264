#include "statspages.h"

#include "textfile/textfilereader.h"

namespace {

// One page being filled: its rows and the row that receives its next line.
struct PageFill
{
    StatsPage &rows;
    int next;
    QStringView heading;

    // The heading goes in after the line, so a line that lands in row 0 (the
    // "Alineaciones finales" line, the summary's own heading line) is
    // replaced by it at once.
    void store(const QString &line)
    {
        if (next >= int(rows.size()))
            return;
        rows[next] = line;
        if (!heading.isNull())
            rows[0] = heading.toString();
        ++next;
    }
};

} // namespace

StatsPages buildStatsPages(TextFileReader &report)
{
    StatsPages Paginas;
    if (!report.isOpen())
        return Paginas;

    PageFill P1{Paginas[0], 0, AlineacionesHeading};
    PageFill P2{Paginas[1], 1, AlineacionesHeading};
    PageFill R{Paginas[2], 0, ResumenHeading};
    PageFill F{Paginas[3], 0, {}};
    int PASO = 1;
    bool PASO2 = false;

    QString L;
    // An empty line ends a line-up block and the line after it is taken at
    // once; when the file ends there, the reading simply ends.
    do {
        if (!report.readLine(L))
            break;
        if (!PASO2 && !L.contains(u"Alineaciones finales"))
            continue;
        PASO2 = true;

        if (PASO == 1) {
            if (!L.isEmpty()) {
                P1.store(L);
            } else {
                if (!report.readLine(L))
                    break;
                PASO = 2;
            }
        }
        if (PASO == 2) {
            if (!L.isEmpty()) {
                P2.store(L);
            } else {
                if (!report.readLine(L))
                    break;
                PASO = 3;
            }
        }
        // The summary heading is recognised in any section, so a line with it
        // inside a line-up block is stored twice and the summary starts there.
        if (PASO == 3 || L.contains(u"Resumen del par")) {
            if (!L.isEmpty()) {
                R.store(L);
                PASO = 3;
            } else {
                PASO = 4;
            }
        }
        if (PASO == 4 || L.contains(u"Bonus Local:"))
            F.store(L);
    } while (!report.atEnd());

    return Paginas;
}
