#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class Chronicle;
class QPainter;
class Timeline;
struct ChronicleEvent;

// How a timeline is drawn: its colours, the font of its labels and the
// teams named at its start.
struct TimelineLook
{
    QColor background;
    QColor text;
    QColor axis;
    QColor played;
    QFont font;
    QString home;
    QString away;
};

// The colour of an event's mark, in the chronicle and along the timeline.
QColor eventColour(const ChronicleEvent &event);

// Draws the strip in area: minutes 0 to the timeline's length along a band
// that fills as the minutes pass, the half-time mark, the home team's goals,
// cards and substitutions above the band and the away team's below, each
// goal with the score after it. Drawn with shapes alone, so it looks the same
// wherever it is drawn, on a window or on an image.
void drawTimeline(QPainter &painter, const QRectF &area, const Timeline &timeline, const TimelineLook &look);

// The timeline at the bottom of the chronicle window, live with the match.
class TimelineStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TimelineStrip(QWidget *parent = nullptr);

    // The chronicle must outlive its showing; none shows an empty strip.
    void showChronicle(const Chronicle *chronicle, const QString &home, const QString &away);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Chronicle *m_chronicle = nullptr;
    QString m_home;
    QString m_away;
};
