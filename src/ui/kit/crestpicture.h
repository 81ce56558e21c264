#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// A team's crest as it is drawn at any size. Where the crest shows at the
// size of its GIF or smaller, the GIF is drawn as it always was. Where it
// shows larger (a larger layout, a screen of more pixels per point), a sharper
// picture of the same crest serves when there is one: a drawing (SVG) drawn
// at that size, or a picture (PNG) larger than the GIF, scaled smoothly.
// Without either the GIF is scaled smoothly too. The sharp picture is read
// only once it is needed: at the GIF's own size it never is.
class CrestPicture
{
public:
    // Largest side kept of a sharp picture: far more than any screen shows of a crest.
    static constexpr int MaxSide = 2048;
    // A drawing is a small file; one larger than this is not read.
    static constexpr qint64 MaxDrawingSize = 1 << 20;

    CrestPicture() = default;
    // gif may be null (no GIF, or one that did not load); sharpFile may be
    // empty or name a file that is no SVG or PNG, which is then passed over.
    CrestPicture(const QPixmap &gif, const QString &sharpFile);
    // A stored crest: its picture and the drawing it was made from (a resource).
    static CrestPicture stored(const QPixmap &picture, const QString &drawingResource);

    // Neither a GIF nor a sharp picture.
    bool isNull() const;
    // Its size in the layout at its own size: the GIF's, else the sharp picture's.
    QSize size() const;
    // The crest drawn to fill size (logical pixels) on a screen of that ratio.
    QPixmap drawn(const QSize &size, qreal devicePixelRatio) const;

    // A drawing that refers to nothing outside itself (a file it would read
    // could be a pipe), and that the renderer understands; empty otherwise.
    static QByteArray readDrawing(const QString &path);

private:
    void readSharp() const;

    QPixmap m_gif;
    QString m_sharpFile;
    mutable bool m_sharpRead = false;
    mutable QByteArray m_drawing;
    mutable QImage m_large;
};
