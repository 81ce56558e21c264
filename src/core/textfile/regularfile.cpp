#include "regularfile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

bool openRegularFile(QFile &file, const QString &path)
{
    file.close();
    // A NUL would cut the name short and open another file.
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    // The type is taken from the descriptor, not the path, which may have been
    // replaced since the user chose it.
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat info;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}
