#include "picturebox.h"

#include "scaledlayout.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>

namespace {
// Enough for any line the area can show at its width; longer lines are cut so a
// report with a huge line costs no memory here.
constexpr qsizetype MaxKeptLineLength = 1024;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void PictureBox::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_scaledPicture = QPixmap();
    update();
}

void PictureBox::setScale(qreal scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_scaledPicture = QPixmap();
    update();
}

int PictureBox::lineStep() const
{
    // Rows follow one em apart, as with the classic console font the layout was
    // drawn for; that keeps 21 statistics rows above the page buttons.
    return qMax(1, QFontInfo(font()).pixelSize());
}

void PictureBox::print(const QString &line)
{
    // Only lines that start inside the area can ever be seen; the rest are
    // counted but not kept, and change nothing on screen. A report without
    // the narration marker prints every line it has.
    const bool visible = (m_textLines * lineStep()) < height();
    ++m_textLines;
    if (!visible)
        return;
    m_lines.append(line.left(MaxKeptLineLength));
    updateAccessibleText();
    update();
}

void PictureBox::cls()
{
    m_lines.clear();
    m_textLines = 0;
    updateAccessibleText();
    update();
}

QString PictureBox::text() const
{
    return m_lines.join(u'\n');
}

void PictureBox::updateAccessibleText()
{
    setAccessibleDescription(text());
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    if (!m_picture.isNull() && m_scale == 1) {
        painter.drawPixmap(0, 0, m_picture);
    } else if (!m_picture.isNull()) {
        // Drawn in the screen's own pixels, so a sharp screen gets the most of it.
        const qreal ratio = devicePixelRatioF();
        if (m_scaledPicture.isNull() || m_scaledPicture.devicePixelRatio() != ratio) {
            const QSize shown = ScaledLayout::scaled(m_picture.deviceIndependentSize().toSize(), m_scale);
            m_scaledPicture = m_picture.scaled(shown * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_scaledPicture.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(0, 0, m_scaledPicture);
    }
    if (m_lines.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(m_foreColor);
    const int step = lineStep();
    const int ascent = painter.fontMetrics().ascent();
    for (int i = 0; i < m_lines.size(); ++i)
        painter.drawText(0, i * step + ascent, m_lines.at(i));
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}
