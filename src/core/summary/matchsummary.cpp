#include "matchsummary.h"

#include "playback/playbackcontroller.h"

namespace {

// More than any match has; a hostile report's lists cost no more than this.
constexpr int MaxEvents = 200;
// Names and teams come from the report: no forum post needs more of one.
constexpr qsizetype MaxNameLength = 80;

// A name from the report on one line of its own length at most.
QString cleaned(const QString &text)
{
    QString name = text.trimmed().left(MaxNameLength);
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return name;
}

// Fullwidth brackets look the same and open no tag.
QString neutralised(const QString &text)
{
    QString safe = cleaned(text);
    safe.replace(QLatin1Char('['), QChar(0xFF3B));
    safe.replace(QLatin1Char(']'), QChar(0xFF3D));
    return safe;
}

QString stageOf(const PlaybackController &match)
{
    switch (match.state()) {
    case PlaybackState::NoMatch:
        return {};
    case PlaybackState::Ready:
        return QStringLiteral("Sin comenzar");
    case PlaybackState::HalfTime:
        return QStringLiteral("Descanso");
    case PlaybackState::Finished:
        return QStringLiteral("Final");
    case PlaybackState::Running:
    case PlaybackState::Paused:
        break;
    }
    return QStringLiteral("Minuto ") + match.clock();
}

using Name = QString (*)(const QString &);

QString eventLine(const MatchSummary &summary, const SummaryEvent &event, Name name)
{
    const QString team = name(event.away ? summary.away : summary.home);
    QString line = QString::number(event.minute) + QStringLiteral("' ");
    switch (event.kind) {
    case SummaryEvent::Kind::Goal:
        if (name(event.player).isEmpty())
            return line + QStringLiteral("Gol (%1)").arg(team);
        return line + QStringLiteral("Gol de %1 (%2)").arg(name(event.player), team);
    case SummaryEvent::Kind::Yellow:
        return line + QStringLiteral("Tarjeta amarilla: %1 (%2)").arg(name(event.player), team);
    case SummaryEvent::Kind::Red:
        return line + QStringLiteral("Tarjeta roja: %1 (%2)").arg(name(event.player), team);
    case SummaryEvent::Kind::Substitution:
        // The report says "A sale por B": the first named leaves.
        return line + QStringLiteral("Cambio (%1): sale %2, entra %3").arg(team, name(event.player), name(event.entering));
    }
    return line;
}

QString summaryText(const MatchSummary &summary, Name name, const QString &boldOpen, const QString &boldClose)
{
    QString text = boldOpen
                   + QStringLiteral("%1 %2 - %3 %4")
                         .arg(name(summary.home), QString::number(summary.homeGoals),
                              QString::number(summary.awayGoals), name(summary.away))
                   + boldClose;
    if (!summary.stage.isEmpty())
        text += QStringLiteral(" (%1)").arg(summary.stage);
    text += QLatin1Char('\n');
    if (!summary.stadium.trimmed().isEmpty())
        text += QStringLiteral("Estadio: ") + name(summary.stadium) + QLatin1Char('\n');
    if (!summary.events.isEmpty())
        text += QLatin1Char('\n');
    for (const SummaryEvent &event : summary.events)
        text += eventLine(summary, event, name) + QLatin1Char('\n');
    if (summary.eventsLeftOut > 0)
        text += QStringLiteral("(y %1 sucesos más)\n").arg(summary.eventsLeftOut);
    return text;
}

} // namespace

SummaryEvent summaryEventOf(const ChronicleEvent &event)
{
    const EventNames names = eventNames(event);
    return {.kind = event.kind, .away = event.away, .minute = event.minute, .player = names.player, .entering = names.entering};
}

MatchSummary MatchSummary::of(const PlaybackController &match)
{
    MatchSummary summary;
    summary.home = match.teams().home.trimmed();
    summary.away = match.teams().away.trimmed();
    summary.stadium = match.teams().stadium.trimmed();
    summary.homeGoals = match.match().Home;
    summary.awayGoals = match.match().Away;
    summary.stage = stageOf(match);
    // In the order shown; a goal whose scorer was not found is listed too,
    // as the score counts it.
    for (const ChronicleEvent &event : match.chronicle().events()) {
        if (summary.events.size() < MaxEvents)
            summary.events.append(summaryEventOf(event));
        else
            ++summary.eventsLeftOut;
    }
    return summary;
}

QString plainSummary(const MatchSummary &summary)
{
    return summaryText(summary, cleaned, QString(), QString());
}

QString forumSummary(const MatchSummary &summary)
{
    return summaryText(summary, neutralised, QStringLiteral("[b]"), QStringLiteral("[/b]"));
}
