#include "scaledlayout.h"

#include <QFontInfo>
#include <QWidget>

#include <cmath>

namespace {

int scaledEdge(int edge, qreal scale)
{
    // Half away from zero, as the twips are rounded: negative places mirror positive ones.
    return int(std::lround(edge * scale));
}

} // namespace

QRect ScaledLayout::scaled(const QRect &rect, qreal scale)
{
    if (scale == 1)
        return rect;
    const int left = scaledEdge(rect.x(), scale);
    const int top = scaledEdge(rect.y(), scale);
    return QRect(left, top, scaledEdge(rect.x() + rect.width(), scale) - left,
                 scaledEdge(rect.y() + rect.height(), scale) - top);
}

QSize ScaledLayout::scaled(const QSize &size, qreal scale)
{
    return scaled(QRect(QPoint(), size), scale).size();
}

QFont ScaledLayout::scaled(const QFont &font, qreal scale)
{
    if (scale == 1)
        return font;
    // Whole pixels, rounded down: text stays crisp, and a text that fitted
    // its place at the layout's own size does not outgrow it scaled, though
    // glyphs do not widen exactly with their size.
    QFont larger = font;
    larger.setPixelSize(qMax(1, int(std::floor(QFontInfo(font).pixelSize() * scale + 1e-9))));
    return larger;
}

void ScaledLayout::place(QWidget *widget, const QRect &rect)
{
    // A container placed and scaled before its children are made would
    // hand them its scaled font as their own.
    const bool ownFont = widget->testAttribute(Qt::WA_SetFont) || !find(widget->parentWidget());
    m_entries.append({widget, rect, widget->font(), ownFont});
    show(m_entries.constLast());
}

void ScaledLayout::setRect(QWidget *widget, const QRect &rect)
{
    if (Entry *entry = find(widget)) {
        entry->rect = rect;
        show(*entry);
    }
}

void ScaledLayout::setFont(QWidget *widget, const QFont &font)
{
    if (Entry *entry = find(widget)) {
        entry->font = font;
        entry->ownFont = true;
        show(*entry);
    }
}

QRect ScaledLayout::rect(const QWidget *widget) const
{
    const Entry *entry = find(widget);
    return entry ? entry->rect : QRect();
}

QFont ScaledLayout::font(const QWidget *widget) const
{
    const Entry *entry = find(widget);
    return entry ? entry->font : QFont();
}

void ScaledLayout::setScale(qreal scale)
{
    m_scale = scale;
    for (const Entry &entry : std::as_const(m_entries))
        show(entry);
}

ScaledLayout::Entry *ScaledLayout::find(const QWidget *widget)
{
    for (Entry &entry : m_entries) {
        if (entry.widget == widget)
            return &entry;
    }
    return nullptr;
}

const ScaledLayout::Entry *ScaledLayout::find(const QWidget *widget) const
{
    return const_cast<ScaledLayout *>(this)->find(widget);
}

void ScaledLayout::show(const Entry &entry) const
{
    if (!entry.widget)
        return;
    entry.widget->setGeometry(scaled(entry.rect, m_scale));
    if (!entry.ownFont)
        return;
    // A font left as it was keeps following its container's.
    const QFont font = scaled(entry.font, m_scale);
    if (entry.widget->font() != font)
        entry.widget->setFont(font);
}
