#include "lineupcapture.h"

#include "playback/matchstate.h"
#include "textfile/textfilereader.h"
#include "textcuts.h"

#include <QStringMatcher>

void captureLineups(TextFileReader &report, MatchState &state, const std::function<void(const QString &)> &seen)
{
    // Every line up to the heading is searched for it: a matcher built once
    // keeps that search cheap next to reading the line.
    static const QStringMatcher heading(u"Alineaciones finales");

    bool capturing = false;
    qint16 row = 0;
    state.Inicio = 0;
    state.Fin = 0;

    QString Linea;
    // The first read comes before any end test: an empty or unopened report
    // captures nothing.
    bool haveLine = report.readLine(Linea);
    while (haveLine) {
        if (seen)
            seen(Linea);
        if (capturing || heading.indexIn(Linea) >= 0) {
            capturing = true;
            // A 52nd line has no row to go to; the capture ends there.
            if (row >= MatchState::LineupRows)
                break;
            // The three-character prefix of each line is not part of the row.
            state.Alineaciones_Finales[row] = *TextCuts::mid(Linea, 4);
            ++row;
            // Only a line with no characters at all separates the teams.
            if (Linea.isEmpty() && state.Inicio == 0)
                state.Inicio = row - 1;
            if (Linea.contains(u"Resumen del par")) {
                state.Fin = row - 2;
                break;
            }
        }
        haveLine = report.readLine(Linea);
    }
    report.close();
}
