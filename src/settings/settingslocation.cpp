#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString besideProgram(const QString &programDir)
{
    return programDir + QStringLiteral("/TPZ.INI");
}

bool canWriteBeside(const QString &programDir)
{
    const QFileInfo folder(programDir);
    if (folder.isDir() && folder.isWritable())
        return true;
    const QFileInfo file(besideProgram(programDir));
    return file.isFile() && file.isWritable();
}

} // namespace

QString settingsFilePath(const QString &programDir)
{
    if (canWriteBeside(programDir))
        return besideProgram(programDir);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty())
        return besideProgram(programDir);
    return config + QStringLiteral("/TPZ.INI");
}

QString settingsReadPath(const QString &programDir)
{
    const QString path = settingsFilePath(programDir);
    if (path != besideProgram(programDir) && !QFileInfo::exists(path))
        return besideProgram(programDir);
    return path;
}

bool saveSettingsFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    // A writable TPZ.INI in a folder that is not writable cannot be replaced
    // through a temporary file beside it; it is written in place instead.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString resolvePicturePath(const QString &programDir, const QString &value, bool relative)
{
    if (!relative)
        return value;
    QString tail = value;
    tail.replace(u'\\', u'/');
    return programDir + tail;
}
