#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Files that are not regular files, made in a test's own folder.

inline bool IsOfType(const QString& path, mode_t type) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           (status.st_mode & S_IFMT) == type;
}

// `folder`/<name> as the device /dev/<name> ("null", "full"): as root (who
// could replace the system's own) a node of the same device, else a link to
// it; empty when neither can be made.
inline QString CharacterDevice(const QString& folder, const QString& name) {
    const QByteArray system = "/dev/" + name.toLatin1();
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    struct stat status {};
    const bool made = ::stat(system.constData(), &status) == 0 && S_ISCHR(status.st_mode) &&
                      (::geteuid() == 0 ? ::mknod(path.constData(), S_IFCHR | 0666, status.st_rdev)
                                        : ::symlink(system.constData(), path.constData())) == 0;
    // A folder on a file system mounted without devices cannot use the node.
    const int fd = made ? ::open(path.constData(), O_WRONLY) : -1;
    return fd >= 0 && ::close(fd) == 0 ? QFile::decodeName(path) : QString();
}

// A FIFO whose reading end the test holds, so that a writer never waits and
// what it wrote (up to the pipe's capacity) can be taken afterwards; -1 when
// none can be made.
inline int HeldFifo(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    return ::mkfifo(encoded.constData(), 0600) == 0
               ? ::open(encoded.constData(), O_RDWR | O_NONBLOCK)
               : -1;
}

inline QByteArray TakeFromFifo(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, qsizetype(got));
    return bytes;
}
