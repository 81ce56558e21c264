#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString besideProgram(const QString &programDir)
{
    return programDir + QStringLiteral("/TPZ.INI");
}

// The file is replaced through a temporary file beside it, so the folder must
// be writable. A writable TPZ.INI in a read-only folder could only be
// truncated and rewritten in place, and a kill half-way would leave it empty.
bool canReplaceBeside(const QString &programDir)
{
    const QFileInfo folder(programDir);
    return folder.isDir() && folder.isWritable();
}

SaveResult failed(const QString &reason)
{
    return {false, reason};
}

struct Reason
{
    int code;
    const char *text;
};

// The common failures of a save in Spanish: the system's own texts are English.
constexpr Reason Reasons[] = {
    {ENOSPC, "no queda espacio en el disco"},
#ifdef EDQUOT
    {EDQUOT, "se ha superado la cuota de disco"},
#endif
    {EACCES, "permiso denegado"},
    {EPERM, "permiso denegado"},
    {EROFS, "el disco es de solo lectura"},
    {ENOENT, "la carpeta no existe"},
    {ENOTDIR, "la carpeta no existe"},
    {EIO, "error de lectura o escritura en el disco"},
    {EMFILE, "hay demasiados archivos abiertos"},
};

QString reasonForCode(int code)
{
    for (const Reason &reason : Reasons) {
        if (reason.code == code)
            return QString::fromUtf8(reason.text);
    }
    return QStringLiteral("no se pudo escribir el archivo");
}

// A file device keeps the system's text of its failure, not the error number;
// the text is matched against the system's text of each number.
QString reasonFor(const QFileDevice &file)
{
    const QString text = file.errorString();
    for (const Reason &reason : Reasons) {
        if (text == qt_error_string(reason.code))
            return QString::fromUtf8(reason.text);
    }
    if (file.error() == QFileDevice::RenameError)
        return QStringLiteral("no se pudo reemplazar el archivo anterior");
    return reasonForCode(0);
}

// Some file systems (network ones, disks with quotas) tell of a full disk
// only when the data goes out; QSaveFile's own sync ignores that.
QString syncFailure(QFileDevice &file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return reasonForCode(errno);
#else
    Q_UNUSED(file);
#endif
    return {};
}

// QSaveFile's temporary files of saves killed half-way: regular files named
// as the file, a point and six letters of mixed case, in the same folder. Where the system
// hands out unnamed temporary files none are left.
void removeStrayTemporaries(const QFileInfo &target)
{
    const QString prefix = target.fileName() + u'.';
    const QFileInfoList entries = target.absoluteDir().entryInfoList(
        {prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const auto lower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        // Name filters ignore case.
        if (!name.startsWith(prefix))
            continue;
        // The random suffix mixes upper and lower case; a word in one case
        // ("TPZ.INI.backup") is a copy the user made, and stays.
        const QStringView suffix = QStringView(name).mid(prefix.size());
        if (std::all_of(suffix.begin(), suffix.end(), letter) && std::any_of(suffix.begin(), suffix.end(), lower)
            && !std::all_of(suffix.begin(), suffix.end(), lower))
            QFile::remove(entry.filePath());
    }
}

} // namespace

QString settingsFilePath(const QString &programDir)
{
    if (canReplaceBeside(programDir))
        return besideProgram(programDir);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty())
        return besideProgram(programDir);
    return config + QStringLiteral("/TPZ.INI");
}

QString recentReportsPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/recientes.txt");
}

QString settingsReadPath(const QString &programDir)
{
    const QString path = settingsFilePath(programDir);
    if (path != besideProgram(programDir) && !QFileInfo::exists(path))
        return besideProgram(programDir);
    return path;
}

SaveResult saveSettingsFile(const QString &path, const QByteArray &bytes)
{
    // Never written in place (no direct-write fallback): a kill half-way
    // would leave the only copy truncated.
    QSaveFile file(path);
    return saveSettingsFile(file, bytes);
}

SaveResult saveSettingsFile(QSaveFile &file, const QByteArray &bytes)
{
    const QFileInfo target(file.fileName());
    // QSaveFile refuses these two as well, with no reason a user could read.
    if (target.isDir())
        return failed(QStringLiteral("ya hay una carpeta con ese nombre"));
    if (target.exists() && !target.isWritable())
        return failed(QStringLiteral("el archivo es de solo lectura"));
    // A folder that cannot be made shows as the reason the file does not open.
    QDir().mkpath(target.absolutePath());
    removeStrayTemporaries(target);
    // Unbuffered, so that a full disk shows at the write that meets it:
    // buffered, it showed only in the flush inside commit(), which then
    // replaced the file with an empty one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(reasonFor(file));
    QString reason;
    for (qint64 done = 0; done < bytes.size() && reason.isEmpty();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written > 0)
            done += written;
        else
            reason = reasonFor(file);
    }
    if (reason.isEmpty())
        reason = syncFailure(file);
    if (!reason.isEmpty()) {
        // A cancelled save's commit() removes the temporary file and leaves
        // the old one.
        file.cancelWriting();
        file.commit();
        return failed(reason);
    }
    if (!file.commit())
        return failed(reasonFor(file));
    return {true, {}};
}

QString resolvePicturePath(const QString &programDir, const QString &value, bool relative)
{
    if (!relative)
        return value;
    QString tail = value;
    tail.replace(u'\\', u'/');
    return programDir + tail;
}
