#include "reportheader.h"

#include "reportreader.h"

#include <QStringMatcher>

HeaderResult readHeader(ReportReader &report, const std::function<void(const QString &)> &print)
{
    // A report without the narration marker is header to its last line, so
    // the marker is searched for in every line: a matcher built once keeps
    // that cheap.
    static const QStringMatcher marker(u"Comentarios");

    HeaderResult result;
    QString Linea;
    // The first read comes before any end test, so an empty report fails here.
    if (!report.readLine(Linea)) {
        report.close();
        return result;
    }
    while (true) {
        if (marker.indexIn(Linea) >= 0)
            break;
        if (!result.teamsLineFound && Linea.contains(u"vs.")) {
            result.teams = cutTeamsLine(Linea);
            result.teamsLineFound = true;
            if (!result.teams.complete()) {
                result.status = HeaderResult::Status::TeamsLineUncut;
                report.close();
                return result;
            }
        }
        print(Linea);
        if (!report.readLine(Linea))
            break;
    }
    result.status = HeaderResult::Status::Read;
    report.close();
    return result;
}
