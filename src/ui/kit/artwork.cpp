#include "artwork.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace Artwork {

namespace {

// Renders an icon only when a size of it is asked for: drawing every size of
// every icon up front took a good part of the start-up, for pictures that a
// desktop may never show.
class SvgIconEngine : public QIconEngine
{
public:
    SvgIconEngine(const QString &resource, QList<QSize> sizes)
        : m_resource(resource)
        , m_sizes(std::move(sizes))
    {
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_resource, m_sizes); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QString key = QStringLiteral("tezmaro-icon:%1:%2x%3:%4")
                                .arg(m_resource)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode));
        QPixmap result;
        if (QPixmapCache::find(key, &result))
            return result;
        result = Artwork::pixmap(m_resource, size);
        // Disabled and selected looks come from the style, as for any icon.
        if (mode != QIcon::Normal) {
            if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
                QStyleOption option;
                option.palette = QApplication::palette();
                const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, result, &option);
                if (!generated.isNull())
                    result = generated;
            }
        }
        result.setDevicePixelRatio(scale);
        QPixmapCache::insert(key, result);
        return result;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap picture = scaledPixmap(rect.size() * scale, mode, state, scale);
        painter->drawPixmap(rect, picture);
    }

    QString key() const override { return QStringLiteral("tezmaro-svg"); }

private:
    QString m_resource;
    QList<QSize> m_sizes;
};

} // namespace

QPixmap pixmap(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resource);
    QPixmap result(size * devicePixelRatio);
    result.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&result);
        renderer.render(&painter);
    }
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

QIcon icon(const QString &resource, std::initializer_list<int> sizes)
{
    QList<QSize> available;
    for (int side : sizes)
        available << QSize(side, side);
    return QIcon(new SvgIconEngine(resource, available));
}

} // namespace Artwork
