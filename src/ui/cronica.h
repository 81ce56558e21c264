#pragma once

#include <QWidget>

class Chronicle;
class PlaybackController;
class QLabel;
class QPlainTextEdit;
class TimelineStrip;

// The "Crónica" window: every block of narration shown so far with its minute,
// its goals, cards and substitutions marked and named beside it, and the
// timeline of the match below. It follows the newest block unless the user
// has scrolled back, and its text can be selected and copied. It is a view of
// a match's chronicle: each showing appends what the chronicle holds beyond
// what the window has, and rewrites only the newest block when a continuation
// line has joined it, so a tick costs the same in the first minute as after a
// hundred thousand lines.
class Cronica : public QWidget
{
    Q_OBJECT

public:
    explicit Cronica(QWidget *parent);

    // Shows the match's chronicle as it stands: whole, for a match other than
    // the one shown before (a switch, an opening), else only what is new. The
    // match must outlive its showing. A hidden window does nothing until it
    // is shown again.
    void showMatch(const PlaybackController &match, bool whole);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void appendEntry(int index);
    void writeEntry(int index);

    const PlaybackController *m_match = nullptr;
    QPlainTextEdit *m_text;
    TimelineStrip *m_timeline;
    // What the text shows of the chronicle: its blocks, and of the newest its
    // text's length and its events, to tell when a continuation has joined it.
    int m_shown = 0;
    qsizetype m_lastLength = 0;
    int m_lastEvents = 0;
    bool m_stale = true;
    // What the timeline last drew: redrawn only when one of them changes,
    // which late in a long report is seldom.
    qsizetype m_drawnEvents = -1;
    qint16 m_drawnMinute = -1;
    qint16 m_drawnLength = -1;
};
