#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

// Writes match reports the way the league's simulator does: Windows-1252 with
// CR LF line ends, a header with the teams line, narration blocks of a minute
// line, continuation lines and an empty line, goals with the running score,
// bookings, sendings-off and substitutions, the half-time and full-time lines,
// and a closing section whose line-ups fill all 51 captured rows. The same
// seed always gives the same bytes.
class ReportGenerator
{
public:
    struct Options
    {
        // Size of the whole report; the narration grows to reach it.
        qsizetype targetBytes = 0;
        // Or the number of narration lines (minute, continuation and empty
        // lines), when targetBytes is 0.
        int narrationLines = 600;
        // Lines before the first minute line: the header, padded with press
        // notes, then the narration marker.
        int headerLines = 15;
    };

    // What the narration holds, to check that the recognisers had work to do.
    struct Events
    {
        int homeGoals = 0;
        int awayGoals = 0;
        int yellowCards = 0;
        int redCards = 0;
        int substitutions = 0;
        int narrationLines = 0;  // from the first minute line to full time
        int totalLines = 0;
    };

    explicit ReportGenerator(quint32 seed = 14);

    QByteArray generate(const Options &options);
    const Events &events() const { return m_events; }

private:
    struct Player
    {
        QString name;
        QString position;
    };
    struct Team
    {
        QString name;
        QString shortName;
        QString key;
        QString system;
        QList<Player> players;  // the first eleven start
        QList<int> onPitch;     // indices into players
    };

    QStringList header(int lines) const;
    QStringList closing() const;
    // One narration block for minute m, without its closing empty line.
    QStringList block(int minute);
    QStringList filler(int minute, int side);
    QString pick(const Team &team, const QStringList &positions);
    int chance(int percentTimesTen);

    std::mt19937 m_random;
    Team m_teams[2];
    int m_score[2] = {0, 0};
    Events m_events;
    QList<int> m_deck;
};
