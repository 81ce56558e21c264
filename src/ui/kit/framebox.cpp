#include "framebox.h"

#include <QPainter>

FrameBox::FrameBox(QWidget *parent)
    : QWidget(parent)
    , m_backColor(palette().color(QPalette::Window))
    , m_foreColor(palette().color(QPalette::WindowText))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameBox::setTitle(const QString &title)
{
    m_title = title;
    setAccessibleName(title);
    update();
}

void FrameBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void FrameBox::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    const QFontMetrics metrics(font());
    // The border runs through the middle of the caption's line.
    const int top = m_title.isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    const QColor shadow = m_backColor.darker(170);
    const QColor light = m_backColor.lighter(190);
    painter.setPen(shadow);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(light);
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_title.isEmpty())
        return;
    const int textWidth = metrics.horizontalAdvance(m_title);
    const QRect caption(6, 0, textWidth + 4, metrics.height());
    painter.fillRect(caption, m_backColor);
    painter.setFont(font());
    painter.setPen(m_foreColor);
    painter.drawText(caption, Qt::AlignCenter, m_title);
}
