#include "fitlabel.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Sizes between the label's own and the smallest are tried in these steps.
constexpr qreal SizeStep = 0.5;

// The start of a text, never half a surrogate pair.
QString leftWhole(const QString &text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

qreal pointSizeOf(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

FitLabel::FitLabel(const QString &text, QWidget *parent)
    : QLabel(parent)
{
    // Text from a report is shown as it is: "<i>" and "&lt;" are characters.
    setTextFormat(Qt::PlainText);
    setText(text);
}

void FitLabel::setText(const QString &text)
{
    QLabel::setText(leftWhole(text, MaxKeptLength));
    refit();
}

void FitLabel::clear()
{
    QLabel::clear();
    refit();
}

void FitLabel::setDescription(const QString &description)
{
    m_description = description;
    refit();
}

void FitLabel::setSmallestPointSize(qreal points)
{
    if (points == m_smallest)
        return;
    m_smallest = points;
    m_fit = {};
    refit();
    update();
}

QFont FitLabel::shownFont() const
{
    return m_fit.shownFont;
}

QString FitLabel::shownText() const
{
    return m_fit.shownText;
}

QRect FitLabel::textBox() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

// As QLabel draws plain text.
int FitLabel::drawFlags() const
{
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    flags |= text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    return flags;
}

bool FitLabel::fits(const QFont &font, const QString &text) const
{
    const QRect box = textBox();
    const QRect needed = QFontMetrics(font, this).boundingRect(box, drawFlags(), text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// The text in as many lines as the box holds at this font, the last one
// ending in "…" when the rest does not fit in it. A word wider than the box
// is broken anywhere.
QString FitLabel::cutToBox(const QFont &font, bool *elided) const
{
    const QString whole = text();
    const QRect box = textBox();
    const QFontMetrics metrics(font, this);
    QList<qsizetype> starts{0};
    if (wordWrap()) {
        starts.clear();
        QTextLayout layout(whole, font, this);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            starts << line.textStart();
        }
        layout.endLayout();
    }
    const qsizetype mostLines = qMax(1, box.height() / qMax(1, metrics.lineSpacing()) + 1);
    QString shown;
    for (qsizetype room = qMin(starts.size(), mostLines); room >= 1; --room) {
        QStringList lines;
        for (qsizetype i = 0; i + 1 < room; ++i)
            lines << withoutTrailingBlanks(whole.mid(starts.at(i), starts.at(i + 1) - starts.at(i)));
        const QString rest = whole.mid(starts.at(room - 1));
        const QString last = metrics.elidedText(rest, Qt::ElideRight, box.width());
        lines << last;
        shown = lines.join(u'\n');
        *elided = last != rest;
        if (fits(font, shown))
            break;
    }
    return shown;
}

bool FitLabel::fitIsFor(const QString &text, const QSize &box) const
{
    return m_fit.text == text && m_fit.box == box && m_fit.font == font() && m_fit.wordWrap == wordWrap();
}

void FitLabel::refit()
{
    const QString whole = text();
    const QRect box = textBox();
    if (!fitIsFor(whole, box.size()))
        m_fit = fitFor(whole, box);

    // Whoever cannot see the whole text can still read or hear it.
    const QString tip = m_fit.cut ? Qt::convertFromPlainText(whole, Qt::WhiteSpaceNormal) : QString();
    if (toolTip() != tip)
        setToolTip(tip);
    const QString description = m_fit.cut ? whole : m_description;
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

FitLabel::Fit FitLabel::fitFor(const QString &whole, const QRect &box) const
{
    Fit fit{whole, box.size(), font(), wordWrap(), font(), whole};
    if (!whole.isEmpty() && !box.isEmpty() && !fits(font(), whole)) {
        fit.reduced = true;
        const qreal own = pointSizeOf(font());
        const qreal smallest = qMin(own, m_smallest);
        const auto sized = [&](int steps) {
            QFont reduced = font();
            reduced.setPointSizeF(smallest + steps * SizeStep);
            return reduced;
        };
        if (fits(sized(0), whole)) {
            // The largest size that fits, by halving the sizes left to try.
            int low = 0;
            int high = int((own - smallest) / SizeStep);
            while (low < high) {
                const int middle = (low + high + 1) / 2;
                if (fits(sized(middle), whole))
                    low = middle;
                else
                    high = middle - 1;
            }
            fit.shownFont = sized(low);
        } else {
            fit.shownFont = sized(0);
            fit.shownText = cutToBox(fit.shownFont, &fit.cut);
        }
    }
    return fit;
}

void FitLabel::paintEvent(QPaintEvent *event)
{
    // Also catches a text set through QLabel itself.
    refit();
    if (!m_fit.reduced) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(m_fit.shownFont);
    style()->drawItemText(&painter, textBox(), drawFlags(), palette(), isEnabled(), m_fit.shownText,
                          foregroundRole());
}

void FitLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refit();
}

void FitLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange)
        refit();
}
