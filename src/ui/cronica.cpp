#include "cronica.h"

#include "timelinestrip.h"
#include "playback/playbackcontroller.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

// The mark before an event's name: a ball for a goal, a card, two arrows.
const QString Marks[] = {QStringLiteral("●"), QStringLiteral("▮"), QStringLiteral("▮"), QStringLiteral("⇄")};
// The mark's colour on the window's light text background; the strip has its
// own, on green.
const QColor MarkColours[] = {QColor(21, 128, 61), QColor(202, 138, 4), QColor(220, 38, 38), QColor(37, 99, 235)};
const QColor GoalRow(220, 252, 231);
// Beside one block, more events than this are counted, not named: a hostile
// block of endless bookings costs no more to show.
constexpr int MaxNamedEvents = 6;

} // namespace

Cronica::Cronica(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form_Cronica"));
    setWindowTitle(QStringLiteral("Crónica"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Texto_Cronica"));
    m_text->setAccessibleName(QStringLiteral("Crónica del partido"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setUndoRedoEnabled(false);
    m_timeline = new TimelineStrip(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_timeline);
    resize(720, 560);
}

void Cronica::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale && m_match)
        showMatch(*m_match, true);
}

void Cronica::showMatch(const PlaybackController &match, bool whole)
{
    if (whole || &match != m_match)
        m_stale = true;
    m_match = &match;
    if (!isVisible())
        return;
    const TeamsLine &teams = match.teams();
    if (m_stale) {
        m_stale = false;
        m_text->clear();
        m_shown = 0;
        setWindowTitle(QStringLiteral("Crónica — %1 - %2").arg(teams.home.trimmed(), teams.away.trimmed()));
        m_timeline->showChronicle(&match.chronicle(), teams.home, teams.away);
        m_drawnEvents = -1;
    }
    const QList<ChronicleEntry> &entries = match.chronicle().entries();
    QScrollBar *bar = m_text->verticalScrollBar();
    const bool following = bar->value() >= bar->maximum();
    if (m_shown > 0) {
        const ChronicleEntry &newest = entries.at(m_shown - 1);
        if (newest.text.size() != m_lastLength || newest.eventCount != m_lastEvents) {
            QTextCursor cursor(m_text->document()->lastBlock());
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            writeEntry(m_shown - 1);
        }
    }
    for (; m_shown < entries.size(); ++m_shown)
        appendEntry(m_shown);
    if (following)
        bar->setValue(bar->maximum());
    const Timeline timeline = match.timeline();
    if (timeline.events().size() != m_drawnEvents || timeline.current() != m_drawnMinute
        || timeline.length() != m_drawnLength) {
        m_drawnEvents = timeline.events().size();
        m_drawnMinute = timeline.current();
        m_drawnLength = timeline.length();
        m_timeline->update();
    }
}

void Cronica::appendEntry(int index)
{
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    if (index > 0)
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    writeEntry(index);
}

// The newest block of the text, written from the chronicle's entry.
void Cronica::writeEntry(int index)
{
    const Chronicle &chronicle = m_match->chronicle();
    const ChronicleEntry &entry = chronicle.entries().at(index);
    m_lastLength = entry.text.size();
    m_lastEvents = entry.eventCount;

    QTextCursor cursor(m_text->document()->lastBlock());
    QTextBlockFormat block;
    const bool scoreLine = entry.kind != ChronicleEntry::Kind::Narration;
    bool goal = false;
    for (int i = entry.firstEvent; i < entry.firstEvent + entry.eventCount; ++i)
        goal = goal || chronicle.events().at(i).kind == ChronicleEvent::Kind::Goal;
    if (goal)
        block.setBackground(GoalRow);
    cursor.setBlockFormat(block);

    QTextCharFormat plain;
    QTextCharFormat minute;
    minute.setForeground(palette().color(QPalette::PlaceholderText));
    QTextCharFormat text;
    text.setFontWeight(scoreLine ? QFont::Bold : QFont::Normal);
    cursor.insertText(QStringLiteral("%1'").arg(entry.minute).rightJustified(5) + QStringLiteral("  "), minute);
    cursor.insertText(entry.text, text);

    const TeamsLine &teams = m_match->teams();
    const int named = qMin(entry.eventCount, MaxNamedEvents);
    for (int i = entry.firstEvent; i < entry.firstEvent + named; ++i) {
        const ChronicleEvent &event = chronicle.events().at(i);
        QTextCharFormat mark;
        mark.setForeground(MarkColours[int(event.kind)]);
        mark.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("   "), plain);
        cursor.insertText(Marks[int(event.kind)] + u' ', mark);
        cursor.insertText(eventCaption(event, event.away ? teams.away : teams.home), mark);
    }
    if (entry.eventCount > named)
        cursor.insertText(QStringLiteral("   (+%1)").arg(entry.eventCount - named), plain);
}
