#pragma once

// Reports written and played as the simulator and the user would, shared by
// the core tests.

#include "playback/playbackcontroller.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QStringList>

namespace reports {

// The closing section: heading, each side's names under its table head, the
// summary heading.
inline QStringList lineups(const QStringList &home, const QStringList &away)
{
    QStringList lines{"Alineaciones finales"};
    for (const QStringList *team : {&home, &away}) {
        lines << "   Equipo" << "Nº Jugador" << "-- --------";
        for (const QString &player : *team)
            lines << "01 " + player.leftJustified(21) + "DEL";
        lines << QString();
    }
    return lines << "Resumen del partido";
}

// The lines in Windows-1252, each ended by CR LF.
inline QByteArray cp1252(const QStringList &lines)
{
    return QStringEncoder("windows-1252")(lines.join("\r\n") + "\r\n");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The path of a file written for a test, which cannot go on without it.
inline QString written(const QString &path, const QByteArray &bytes)
{
    if (!writeFile(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Starts and continues whenever the match stands, a tick at a time while it
// runs, until `until` is reached or the match is over.
inline void playUntil(PlaybackController &match, PlaybackState until = PlaybackState::Finished)
{
    for (int i = 0; i < 100000 && match.state() != until && match.state() != PlaybackState::Finished; ++i)
        match.state() == PlaybackState::Running ? match.tick() : match.start();
}

inline const QStringList Home{"Juan Pérez", "Luis Gil", "Diego Sanz", "Tomás Ruiz"};
inline const QStringList Away{"Mario Vega", "Pablo Ortega", "Iván Molina", "Raúl Soto"};

inline QString minuteLine(int minute, const QString &text) { return QStringLiteral("Min. %1: ").arg(minute, 2) + text; }

// A report as the simulator writes it around the given narration blocks:
// the half-time line before the first block past the minute half (none for
// 0), the full-time line (if asked), the line-ups of the names above.
inline QByteArray report(const QString &name, const QList<QStringList> &blocks, int half = 45, bool fullTime = true)
{
    QStringList lines{"LIGA DE PRUEBA", name + " (L) vs. Visitante " + name + " (V) en Estadio Mayor", "Comentarios", ""};
    bool halfDone = half == 0;
    for (const QStringList &block : blocks) {
        if (!halfDone && block.first().mid(5, 2).toInt() > half)
            lines << "Marcador al descanso: " + name << QString(), halfDone = true;
        lines << block << QString();
    }
    if (fullTime)
        lines << "Resultado final: " + name << QString();
    return cp1252(lines + lineups(Home, Away));
}

struct Shape { quint32 seed = 1; int half = 45; bool fullTime = true; int lastMinute = 90; };

// A match of random blocks, some minutes with several: goals both ways,
// bookings, sendings-off, substitutions.
inline QByteArray generated(const Shape &shape)
{
    QRandomGenerator random(shape.seed);
    QList<QStringList> blocks;
    int score[2] = {0, 0};
    for (int minute = 1; minute <= shape.lastMinute; minute += int(random.bounded(3))) {
        const int side = int(random.bounded(2));
        const QStringList &team = side ? Away : Home;
        const QString who = team.at(int(random.bounded(4)));
        const QStringList kinds{who + " dispara...", who + " es amonestado.", who + " es expulsado con roja directa.",
                                "Cambio: " + team.at(0) + " sale por " + team.at(3) + ".", "Juego en el centro del campo."};
        const int kind = std::min(int(random.bounded(9)), 4);
        score[side] += kind == 0;
        blocks << QStringList{minuteLine(minute, kinds.at(kind))};
        if (kind == 0 || kind == 4)
            blocks.last() << (kind ? u"        Nada más."_qs : QStringLiteral("        ¡GOL! %1 -- %2").arg(score[0]).arg(score[1]));
    }
    return report(QStringLiteral("Local %1").arg(shape.seed), blocks, shape.half, shape.fullTime);
}

inline void playReport(PlaybackController &match, const QString &path, PlaybackState until = PlaybackState::Finished)
{
    match.open(path);
    playUntil(match, until);
}

} // namespace reports
