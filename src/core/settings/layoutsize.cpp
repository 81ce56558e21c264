#include "layoutsize.h"

#include "textfile/regularfile.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// "200\r\n" with room for blanks an editor adds.
constexpr qint64 MaxFileSize = 16;

} // namespace

QString layoutSizePath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/tamano.txt");
}

int parseLayoutSize(const QByteArray &bytes)
{
    bool number = false;
    const int percent = bytes.trimmed().toInt(&number);
    return number && std::ranges::find(LayoutSizes, percent) != std::end(LayoutSizes) ? percent : LayoutSizes[0];
}

QByteArray formatLayoutSize(int percent)
{
    return QByteArray::number(percent) + '\n';
}

int readLayoutSize(const QString &file)
{
    QFile size;
    if (file.isEmpty() || !openRegularFile(size, file))
        return LayoutSizes[0];
    const QByteArray bytes = size.read(MaxFileSize + 1);
    return bytes.size() > MaxFileSize ? LayoutSizes[0] : parseLayoutSize(bytes);
}

SaveResult saveLayoutSize(const QString &file, int percent)
{
    if (file.isEmpty())
        return {true, {}};
    return saveSettingsFile(file, formatLayoutSize(percent));
}
