#include "timelinestrip.h"

#include "chronicle/timeline.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Lanes outward from the band: cards, substitutions, goals with their score.
enum Lane { Cards = 1, Substitutions = 2, Goals = 3 };

Lane laneOf(ChronicleEvent::Kind kind)
{
    switch (kind) {
    case ChronicleEvent::Kind::Goal:
        return Goals;
    case ChronicleEvent::Kind::Substitution:
        return Substitutions;
    default:
        return Cards;
    }
}

void drawMark(QPainter &p, const ChronicleEvent &event, const QPointF &at, qreal size)
{
    // The arrows fill less of their square than a ball or a card.
    const qreal r = size / 2 * (event.kind == ChronicleEvent::Kind::Substitution ? 1.4 : 1.0);
    p.setPen(QPen(QColor(20, 20, 20), qMax(1.0, size / 10)));
    p.setBrush(eventColour(event));
    switch (event.kind) {
    case ChronicleEvent::Kind::Goal:
        p.drawEllipse(at, r, r);
        break;
    case ChronicleEvent::Kind::Yellow:
    case ChronicleEvent::Kind::Red:
        p.drawRoundedRect(QRectF(at.x() - r * 0.6, at.y() - r, r * 1.2, r * 2), r / 4, r / 4);
        break;
    case ChronicleEvent::Kind::Substitution: {
        // Two arrows: the player out, the player in.
        QPainterPath out;
        out.moveTo(at.x() - r, at.y() + r * 0.1);
        out.lineTo(at.x() - r * 0.05, at.y() + r * 0.1);
        out.lineTo(at.x() - r * 0.525, at.y() - r);
        out.closeSubpath();
        QPainterPath in;
        in.moveTo(at.x() + r * 0.05, at.y() - r * 0.1);
        in.lineTo(at.x() + r, at.y() - r * 0.1);
        in.lineTo(at.x() + r * 0.525, at.y() + r);
        in.closeSubpath();
        p.setPen(QPen(QColor(20, 20, 20), qMax(1.0, size / 14)));
        p.setBrush(QColor(239, 68, 68));
        p.drawPath(out);
        p.setBrush(QColor(74, 222, 128));
        p.drawPath(in);
        break;
    }
    }
}

} // namespace

QColor eventColour(const ChronicleEvent &event)
{
    switch (event.kind) {
    case ChronicleEvent::Kind::Goal:
        return QColor(255, 255, 255);
    case ChronicleEvent::Kind::Yellow:
        return QColor(250, 204, 21);
    case ChronicleEvent::Kind::Red:
        return QColor(220, 38, 38);
    case ChronicleEvent::Kind::Substitution:
        return QColor(37, 99, 235);
    }
    return {};
}

void drawTimeline(QPainter &p, const QRectF &area, const Timeline &timeline, const TimelineLook &look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, look.background);

    QFont font = look.font;
    const qreal band = qBound(12.0, area.height() * 0.13, 26.0);
    font.setPixelSize(qMax(8, int(band * 0.72)));
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal label = metrics.height();
    // The teams in a column of their own at the start, the strip beside it.
    const qreal names = qMin(area.width() * 0.2,
                             qMax(metrics.horizontalAdvance(look.home), metrics.horizontalAdvance(look.away)));
    const qreal pad = metrics.horizontalAdvance(QStringLiteral("00"));
    const qreal left = area.left() + names + 2 * pad;
    const qreal width = area.right() - pad - left;
    const qreal axis = area.center().y();
    const qreal lane = (area.height() / 2 - band / 2 - label - 2) / 3;
    const qreal markSize = qMin(lane * 0.85, band * 1.2);
    const auto xOf = [&](qint16 minute) { return left + timeline.position(minute) * width; };

    p.setPen(look.text);
    const auto name = [&](const QString &text, qreal centreY) {
        const QRectF box(area.left() + pad, centreY - label / 2, names, label);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text, Qt::ElideRight, names));
    };
    name(look.home, axis - band / 2 - lane * 1.5);
    name(look.away, axis + band / 2 + lane * 1.5);

    // The band, filled up to the minute reached, with its minutes.
    const QRectF bar(left - band / 2, axis - band / 2, width + band, band);
    p.setPen(Qt::NoPen);
    p.setBrush(look.axis);
    p.drawRoundedRect(bar, band / 2, band / 2);
    const qint16 current = timeline.current();
    if (current > 0) {
        p.setBrush(look.played);
        p.drawRoundedRect(QRectF(bar.left(), bar.top(), xOf(current) - bar.left(), band), band / 2, band / 2);
    }
    const qint16 length = timeline.length();
    p.setPen(QPen(look.text, 1, Qt::DashLine));
    const qreal half = xOf(Timeline::HalfTime);
    // Broken across the band, so the minute written there stays clear.
    p.drawLine(QPointF(half, area.top() + 2), QPointF(half, bar.top() - 1));
    p.drawLine(QPointF(half, bar.bottom() + 1), QPointF(half, area.bottom() - 2));
    p.setPen(look.text);
    const auto minuteLabel = [&](qint16 minute) {
        p.drawText(QRectF(xOf(minute) - 2 * pad, bar.top(), 4 * pad, band), Qt::AlignCenter, QString::number(minute));
    };
    for (qint16 minute = 15; minute < length - 7; minute += 15)
        minuteLabel(minute);
    // The last minute inside the band's rounded end, not over its edge.
    p.drawText(QRectF(bar.right() - band / 2 - 4 * pad, bar.top(), 4 * pad, band), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(length));

    // The events outward from the band, home above it and away below.
    for (const ChronicleEvent &event : timeline.events()) {
        const qreal side = event.away ? 1 : -1;
        const qreal y = axis + side * (band / 2 + 1 + lane * (int(laneOf(event.kind)) - 0.5));
        drawMark(p, event, QPointF(xOf(event.minute), y), markSize);
        if (event.kind != ChronicleEvent::Kind::Goal)
            continue;
        const QString score = QStringLiteral("%1-%2").arg(event.homeGoals).arg(event.awayGoals);
        const qreal textY = axis + side * (band / 2 + 1 + lane * 3 + label / 2);
        p.setPen(look.text);
        p.drawText(QRectF(xOf(event.minute) - 2 * pad, textY - label / 2, 4 * pad, label), Qt::AlignCenter, score);
    }
    // The minute reached, on top.
    if (current > 0 && current < length) {
        p.setPen(QPen(look.text, 2));
        p.drawLine(QPointF(xOf(current), bar.top() - 3), QPointF(xOf(current), bar.bottom() + 3));
    }
    p.restore();
}

TimelineStrip::TimelineStrip(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Linea_Tiempo"));
    setAccessibleName(QStringLiteral("Línea de tiempo del partido"));
    setMinimumHeight(120);
}

void TimelineStrip::showChronicle(const Chronicle *chronicle, const QString &home, const QString &away)
{
    m_chronicle = chronicle;
    m_home = home.trimmed();
    m_away = away.trimmed();
    update();
}

QSize TimelineStrip::sizeHint() const
{
    return {640, 150};
}

void TimelineStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const Chronicle none;
    const Timeline timeline(m_chronicle ? *m_chronicle : none);
    const TimelineLook look{QColor(22, 101, 52), QColor(240, 240, 240), QColor(10, 60, 30), QColor(74, 222, 128),
                            font(), m_home, m_away};
    drawTimeline(p, rect(), timeline, look);
}
