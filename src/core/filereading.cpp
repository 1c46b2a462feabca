#include "core/filereading.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

OpenOutcome OpenRegularFile(QFile& file) {
#ifdef Q_OS_UNIX
    // Opened without blocking, so that a FIFO without a writer cannot hang
    // the program, and judged by what was opened rather than by a name that
    // could change in between.
    const QByteArray path = QFile::encodeName(file.fileName());
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return OpenOutcome::Unreadable;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(fd);
        return OpenOutcome::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return OpenOutcome::NotAFile;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenOutcome::Unreadable;
    }
    return OpenOutcome::Opened;
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isDir() && !info.isFile())
        return OpenOutcome::NotAFile;
    if (!file.open(QIODevice::ReadOnly))
        return OpenOutcome::Unreadable;
    return file.isSequential() ? OpenOutcome::NotAFile : OpenOutcome::Opened;
#endif
}
