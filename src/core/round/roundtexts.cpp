#include "roundtexts.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// A teams line may be as long as a line can be; no caption shows more of a
// name than this.
constexpr qsizetype MaxNameLength = 1024;

QString shortened(const QString &name)
{
    return name.trimmed().left(MaxNameLength);
}

QString minuteMark(qint16 minute)
{
    return QStringLiteral(" (%1')").arg(minute);
}

// The entry's text without the suffix its recogniser put after the name(s);
// the whole text if it does not end so.
QString withoutSuffix(const QString &text, const QString &suffix)
{
    return text.endsWith(suffix) ? text.chopped(suffix.size()) : text;
}

QString surname(const QString &name)
{
    const QString trimmed = name.trimmed();
    return trimmed.mid(trimmed.lastIndexOf(QLatin1Char(' ')) + 1);
}

} // namespace

namespace RoundTexts {

QString goal(const QString &scorer, const QString &team, qint16 minute)
{
    return QStringLiteral("Gol de ") + (scorer.isEmpty() ? shortened(team) : scorer) + minuteMark(minute);
}

QString scorerOf(const ListEntry &entry, qint16 minute)
{
    return withoutSuffix(entry.text, QStringLiteral("(Gol,%1)").arg(minute));
}

QString event(const ListEntry &entry, qint16 minute)
{
    const QString n = QString::number(minute);
    for (const QLatin1String card : {QLatin1String("Amarilla"), QLatin1String("Roja")}) {
        const QString suffix = QLatin1Char('(') + card + QLatin1Char(',') + n + QLatin1Char(')');
        if (entry.text.endsWith(suffix))
            return card + QStringLiteral(": ") + entry.text.chopped(suffix.size()) + minuteMark(minute);
    }
    const QString players = withoutSuffix(entry.text, QLatin1Char('(') + n + QLatin1Char(')'));
    const qsizetype joint = players.indexOf(QLatin1String("<=>"));
    const QString names = joint < 0 ? players : players.left(joint) + QStringLiteral(" por ") + players.mid(joint + 3);
    return QStringLiteral("Cambio: ") + names + minuteMark(minute);
}

QString result(const QString &home, const QString &away, int homeGoals, int awayGoals, const QList<Goal> &goals)
{
    // Joined, not filled in with arg(): a name may hold "%1".
    const QString line = shortened(home) + QLatin1Char(' ') + QString::number(homeGoals) + QStringLiteral(" - ")
        + QString::number(awayGoals) + QLatin1Char(' ') + shortened(away);
    if (homeGoals + awayGoals == 0)
        return line;
    QStringList sides[2];
    for (const Goal &goal : goals) {
        const QString who = goal.scorer.isEmpty() ? QStringLiteral("?") : surname(goal.scorer);
        sides[goal.home ? 0 : 1] << who + QLatin1Char(' ') + QString::number(goal.minute) + QLatin1Char('\'');
    }
    const auto side = [](const QStringList &scorers) {
        return scorers.isEmpty() ? QStringLiteral("-") : scorers.join(QStringLiteral(", "));
    };
    return line + QStringLiteral(" (") + side(sides[0]) + QStringLiteral("; ") + side(sides[1]) + QLatin1Char(')');
}

QString unopened(const QString &path)
{
    return QStringLiteral("No se pudo abrir: ") + QFileInfo(path).fileName();
}

QString tooMany(int chosen, int limit)
{
    return QStringLiteral("Una jornada puede tener como máximo %1 partidos; se han elegido %2 informes.")
        .arg(limit)
        .arg(chosen);
}

QString goalComing(const QString &home, const QString &away)
{
    return QStringLiteral("¡Atención, gol en %1 - %2!").arg(shortened(home), shortened(away));
}

} // namespace RoundTexts
