#include "artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Artwork {

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
    QIcon result;
    for (int side : sizes) {
        result.addPixmap(pixmap(resource, QSize(side, side)));
        result.addPixmap(pixmap(resource, QSize(side, side), 2.0));
    }
    return result;
}

} // namespace Artwork
