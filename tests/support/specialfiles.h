#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Files that are not regular files, for tests of what the program writes to.

// The character device /dev/<name> ("null", "full") to write to without
// putting the system's own at risk: as root (who could replace it) a node of
// the same device made in `folder`, else the system's; empty when neither
// can be had.
inline QString CharacterDevice(const QString& folder, const QString& name) {
    const QByteArray system = "/dev/" + name.toLatin1();
    struct stat status {};
    if (::stat(system.constData(), &status) != 0 || !S_ISCHR(status.st_mode))
        return QString();
    if (::geteuid() != 0)
        return QString::fromLatin1(system);
    const QString path = QDir(folder).filePath(name);
    const QByteArray encoded = QFile::encodeName(path);
    if (::mknod(encoded.constData(), S_IFCHR | 0666, status.st_rdev) != 0)
        return QString();
    // A folder on a file system mounted without devices cannot use it.
    const int fd = ::open(encoded.constData(), O_WRONLY);
    if (fd < 0)
        return QString();
    ::close(fd);
    return path;
}

inline bool IsCharacterDevice(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

// A FIFO with its reading end held open, so that a writer never waits for a
// reader and what it wrote (up to the pipe's capacity) can be taken after.
class HeldFifo final {
public:
    explicit HeldFifo(const QString& path) : path_(path) {
        const QByteArray encoded = QFile::encodeName(path);
        if (::mkfifo(encoded.constData(), 0600) == 0)
            fd_ = ::open(encoded.constData(), O_RDWR | O_NONBLOCK);
    }
    ~HeldFifo() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    HeldFifo(const HeldFifo&) = delete;
    HeldFifo& operator=(const HeldFifo&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // Still a FIFO under its name, not a file put in its place.
    bool IsFifo() const {
        struct stat status {};
        return ::stat(QFile::encodeName(path_).constData(), &status) == 0 &&
               S_ISFIFO(status.st_mode);
    }
    // Everything written into it so far.
    QByteArray Take() {
        QByteArray bytes;
        char buffer[4096];
        ssize_t got = 0;
        while (fd_ >= 0 && (got = ::read(fd_, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, qsizetype(got));
        return bytes;
    }

private:
    QString path_;
    int fd_ = -1;
};
