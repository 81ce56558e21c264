#include "reportheader.h"

#include "textfile/textfilereader.h"

#include <QStringMatcher>

HeaderResult readHeader(TextFileReader &report, const std::function<void(const QString &)> &print)
{
    // A report without the narration marker is header to its last line, so
    // the marker is searched for in every line: a matcher built once keeps
    // that cheap.
    static const QStringMatcher marker(u"Comentarios");

    HeaderResult result;
    if (!report.isOpen()) {
        result.fault = report.fault() == ReportFault::NotText ? ReportFault::NotText : ReportFault::Unreadable;
        return result;
    }
    QString Linea;
    // The first read comes before any end test, so an empty report fails here.
    if (!report.readLine(Linea)) {
        report.close();
        return result;
    }
    bool teamsLineFound = false;
    while (true) {
        if (marker.indexIn(Linea) >= 0)
            break;
        if (!teamsLineFound && Linea.contains(u"vs.")) {
            result.teams = cutTeamsLine(Linea);
            teamsLineFound = true;
            if (!result.teams.complete()) {
                result.fault = ReportFault::TeamsLineUncut;
                report.close();
                return result;
            }
        }
        print(Linea);
        if (!report.readLine(Linea))
            break;
    }
    result.fault = teamsLineFound ? ReportFault::None : ReportFault::NoTeamsLine;
    report.close();
    return result;
}
