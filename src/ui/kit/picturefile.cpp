#include "picturefile.h"

#include "textfile/regularfile.h"

#include <QFile>
#include <QImageReader>

QPixmap loadPicture(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    QImageReader reader(&file);
    return QPixmap::fromImage(reader.read());
}

bool fitsCrestBox(const QSize &size)
{
    return size.width() <= CrestBox.width() && size.height() <= CrestBox.height();
}

QSize fittedCrestSize(const QSize &size)
{
    return fitsCrestBox(size) ? size : size.scaled(CrestBox, Qt::KeepAspectRatio);
}
