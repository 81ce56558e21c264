#include "crestpicture.h"

#include "picturefile.h"
#include "textfile/regularfile.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

// Every reference in a drawing must stay inside it: a fragment ("#id") or
// data written into it ("data:").
bool refersOutside(const QByteArray &drawing)
{
    static const QRegularExpression reference(QStringLiteral(R"(href\s*=\s*["']\s*([^"']*))"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromUtf8(drawing);
    for (auto match = reference.globalMatch(text); match.hasNext();) {
        const QString target = match.next().captured(1);
        if (!target.startsWith(u'#') && !target.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QImage readLarge(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.width() > CrestPicture::MaxSide || size.height() > CrestPicture::MaxSide)
        reader.setScaledSize(size.scaled(CrestPicture::MaxSide, CrestPicture::MaxSide, Qt::KeepAspectRatio));
    return reader.read();
}

QSize drawingSize(const QByteArray &drawing)
{
    const QSize size = QSvgRenderer(drawing).defaultSize();
    return size.isEmpty() ? CrestBox : size;
}

} // namespace

CrestPicture::CrestPicture(const QPixmap &gif, const QString &sharpFile)
    : m_gif(gif)
    , m_sharpFile(sharpFile)
{
}

CrestPicture CrestPicture::stored(const QPixmap &picture, const QString &drawingResource)
{
    CrestPicture crest(picture, QString());
    QFile drawing(drawingResource);
    if (drawing.open(QIODevice::ReadOnly))
        crest.m_drawing = drawing.readAll();
    crest.m_sharpRead = true;
    return crest;
}

void CrestPicture::readSharp() const
{
    if (m_sharpRead || m_sharpFile.isEmpty())
        return;
    m_sharpRead = true;
    if (m_sharpFile.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        m_drawing = readDrawing(m_sharpFile);
        return;
    }
    // A picture no larger than the GIF would draw no sharper than it.
    const QImage large = readLarge(m_sharpFile);
    if (!large.isNull() && (m_gif.isNull() || large.width() * large.height() > m_gif.width() * m_gif.height()))
        m_large = large;
}

QByteArray CrestPicture::readDrawing(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    const QByteArray drawing = file.read(MaxDrawingSize + 1);
    if (drawing.size() > MaxDrawingSize || refersOutside(drawing) || !QSvgRenderer(drawing).isValid())
        return {};
    return drawing;
}

bool CrestPicture::isNull() const
{
    if (!m_gif.isNull())
        return false;
    readSharp();
    return m_drawing.isEmpty() && m_large.isNull();
}

QSize CrestPicture::size() const
{
    if (!m_gif.isNull())
        return m_gif.size();
    readSharp();
    if (!m_drawing.isEmpty())
        return drawingSize(m_drawing);
    return m_large.size();
}

QPixmap CrestPicture::drawn(const QSize &size, qreal devicePixelRatio) const
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (pixels.isEmpty())
        return {};
    QPixmap result;
    const bool gifServes = !m_gif.isNull() && pixels.width() <= m_gif.width() && pixels.height() <= m_gif.height();
    if (!gifServes)
        readSharp();
    if (gifServes && pixels == m_gif.size()) {
        result = m_gif;
    } else if (gifServes || (m_drawing.isEmpty() && m_large.isNull())) {
        result = m_gif.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else if (!m_drawing.isEmpty()) {
        result = QPixmap(pixels);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        QSvgRenderer(m_drawing).render(&painter);
    } else {
        result = QPixmap::fromImage(m_large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}
