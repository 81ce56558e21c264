#pragma once

#include <QFont>
#include <QList>
#include <QPointer>
#include <QRect>

class QWidget;

// The classic windows are laid out at one size, in logical pixels. Shown
// larger, every widget keeps the place and the font it has at that size and
// is given them times the scale, from that one place: edges are rounded to
// whole pixels one by one, so widgets that met at the layout's own size still
// meet and none that stood apart come to overlap; fonts take the whole pixel
// size at or below theirs times the scale. At scale 1 nothing changes.
class ScaledLayout
{
public:
    // Places widget at rect, at the layout's own size. Its font at that size
    // is the one it has now: its own, or one it inherits from outside the
    // layout. One inherited from a container in the layout follows it.
    void place(QWidget *widget, const QRect &rect);
    // A new place or font at the layout's own size, shown at the scale.
    void setRect(QWidget *widget, const QRect &rect);
    void setFont(QWidget *widget, const QFont &font);
    QRect rect(const QWidget *widget) const;
    QFont font(const QWidget *widget) const;

    qreal scale() const { return m_scale; }
    void setScale(qreal scale);

    static QRect scaled(const QRect &rect, qreal scale);
    static QSize scaled(const QSize &size, qreal scale);
    static QFont scaled(const QFont &font, qreal scale);

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        QRect rect;
        QFont font;
        bool ownFont;
    };

    Entry *find(const QWidget *widget);
    const Entry *find(const QWidget *widget) const;
    void show(const Entry &entry) const;

    QList<Entry> m_entries;
    qreal m_scale = 1;
};
