#include "reportheader.h"

#include "reportreader.h"

HeaderResult readHeader(ReportReader &report, const std::function<void(const QString &)> &print)
{
    HeaderResult result;
    QString Linea;
    // The first read comes before any end test, so an empty report fails here.
    if (!report.readLine(Linea)) {
        report.close();
        return result;
    }
    while (true) {
        if (Linea.contains(u"Comentarios"))
            break;
        if (Linea.contains(u"vs.") && !result.teamsLineFound) {
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
