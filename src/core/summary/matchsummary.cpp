#include "matchsummary.h"

#include "playback/playbackcontroller.h"

#include <algorithm>

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

std::optional<SummaryEvent> summaryEventOf(const ListEntry &entry)
{
    // The name is everything before the last parenthesis: a name of a hostile
    // report may hold parentheses of its own.
    const QString &text = entry.text;
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !text.endsWith(QLatin1Char(')')) || entry.list < 1 || entry.list > 4)
        return std::nullopt;
    const QStringView inside = QStringView(text).mid(open + 1).chopped(1);
    const qsizetype comma = inside.lastIndexOf(QLatin1Char(','));
    bool ok = false;
    SummaryEvent event;
    event.away = entry.list % 2 == 0;
    event.minute = inside.mid(comma + 1).toShort(&ok);
    if (!ok)
        return std::nullopt;
    const QStringView word = comma < 0 ? QStringView() : inside.left(comma);
    event.player = text.left(open);
    const bool goalList = entry.list >= 3;
    if (goalList && word == u"Gol") {
        event.kind = SummaryEvent::Kind::Goal;
    } else if (!goalList && word == u"Amarilla") {
        event.kind = SummaryEvent::Kind::Yellow;
    } else if (!goalList && word == u"Roja") {
        event.kind = SummaryEvent::Kind::Red;
    } else if (!goalList && comma < 0) {
        const qsizetype joint = event.player.indexOf(QLatin1String("<=>"));
        if (joint < 0)
            return std::nullopt;
        event.kind = SummaryEvent::Kind::Substitution;
        event.entering = event.player.mid(joint + 3);
        event.player.truncate(joint);
    } else {
        return std::nullopt;
    }
    return event;
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
    // Within a minute goals come before cards and substitutions, as a tick
    // finds them; the lists are read in that order and the sort keeps it.
    for (const int list : {3, 4, 1, 2}) {
        for (const QString &text : match.lists()[list - 1]) {
            const std::optional<SummaryEvent> event = summaryEventOf({list, text});
            if (!event)
                continue;
            if (summary.events.size() < MaxEvents)
                summary.events.append(*event);
            else
                ++summary.eventsLeftOut;
        }
    }
    std::stable_sort(summary.events.begin(), summary.events.end(),
                     [](const SummaryEvent &a, const SummaryEvent &b) { return a.minute < b.minute; });
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
