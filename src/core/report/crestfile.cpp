#include "crestfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString crestNamed(const QString &programDir, const QString &key, const QString &suffix)
{
    // The key comes from the report: it must name a file, not a path.
    if (key.isEmpty() || key.contains(u'/') || key.contains(u'\\') || key.contains(QChar(0)))
        return {};

    const QDir folder(programDir + QStringLiteral("/escudos"));
    const QString name = key + suffix;
    const QFileInfo exact(folder.filePath(name));
    if (exact.isFile())
        return exact.filePath();

    // Sorted, so that of several names differing only in case the same one is
    // always taken. The listing holds links to pipes and devices too.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isFile() && entry.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return entry.filePath();
    }
    return {};
}

} // namespace

QString crestFile(const QString &programDir, const QString &key)
{
    return crestNamed(programDir, key, QStringLiteral(".gif"));
}

QString sharpCrestFile(const QString &programDir, const QString &key)
{
    const QString drawing = crestNamed(programDir, key, QStringLiteral(".svg"));
    return drawing.isEmpty() ? crestNamed(programDir, key, QStringLiteral(".png")) : drawing;
}

CrestFiles crestFiles(const QString &programDir, const QString &key)
{
    return {crestFile(programDir, key), sharpCrestFile(programDir, key)};
}
