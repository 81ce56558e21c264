#pragma once

#include <QString>

#include <array>

// What the program knows about the match being replayed: the score and its
// goal markers, the clock, the recent narration lines and the final line-ups.
// The main window holds one; opening a match resets it.
struct MatchState
{
    static constexpr int RecentLines = 6;   // entries 0 to 5; entry 1 is the newest
    static constexpr int LineupRows = 51;   // rows 0 to 50 of the closing section

    qint16 Home = 0;
    qint16 Away = 0;
    qint16 Minuto = 0;
    // A narration line showing the score "H -- A" contains Marc right after a
    // home goal and Marc2 right after an away goal.
    QString Marc = QStringLiteral("1 --");
    QString Marc2 = QStringLiteral("0 --");
    std::array<QString, RecentLines> Ultimas_Lineas;
    // Survives openings: rows past the new capture keep an older report's text.
    std::array<QString, LineupRows> Alineaciones_Finales;
    qint16 Inicio = 0;  // row of the first empty line of the closing section
    qint16 Fin = 0;     // row just before the summary heading

    // The reset of an opening: score, clock, markers and recent lines. The
    // line-ups are captured afresh by the opening itself.
    void resetForOpening();
    // The markers follow the home goals only: Marc is Home + 1, Marc2 is Home.
    void rebuildMarkers();

    friend bool operator==(const MatchState &, const MatchState &) = default;
};
