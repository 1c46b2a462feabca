#include "core/filewriting.h"

#include "core/messages.h"

#include <QFile>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

enum class Target { Replaceable, Stream, Refused };

#ifdef Q_OS_UNIX
bool IsStream(mode_t mode) {
    return S_ISCHR(mode) || S_ISFIFO(mode);
}

// Judged by what the path leads to, through any symbolic links.
Target Classify(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return Target::Replaceable; // a new file; creating it says what is wrong
    if (S_ISREG(status.st_mode))
        return Target::Replaceable;
    return IsStream(status.st_mode) ? Target::Stream : Target::Refused;
}

// Opened without creating or truncating anything, and judged once more by
// what was opened, so that a name changed in between cannot be overwritten.
bool OpenStream(const QString& path, QFile& file) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !IsStream(status.st_mode) ||
        !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
#else
Target Classify(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return Target::Replaceable;
    return info.isDir() ? Target::Refused : Target::Stream;
}

bool OpenStream(const QString& path, QFile& file) {
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly);
}
#endif

WriteOutcome WriteStream(const QString& path, const DeviceWriter& write) {
    QFile file;
    if (!OpenStream(path, file))
        return WriteOutcome::NotOpened;
    // A full device (/dev/full) may only say so when the buffer is flushed.
    const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    return written ? WriteOutcome::Written : WriteOutcome::NotWritten;
}

WriteOutcome Replace(const QString& path, const DeviceWriter& write) {
    QSaveFile file(path);
    // Where the folder forbids new files but the file itself may be written
    // (a shared folder), writing in place is the only way left.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return WriteOutcome::NotOpened;
    if (!write(file) || !file.commit()) {
        file.cancelWriting();
        return WriteOutcome::NotWritten;
    }
    return WriteOutcome::Written;
}

} // namespace

WriteOutcome WriteFileSafely(const QString& path, const DeviceWriter& write) {
    switch (Classify(path)) {
    case Target::Replaceable:
        return Replace(path, write);
    case Target::Stream:
        return WriteStream(path, write);
    case Target::Refused:
        break;
    }
    return WriteOutcome::NotOpened;
}

WriteOutcome WriteFileSafely(const QString& path, const QByteArray& bytes) {
    return WriteFileSafely(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

bool IsSameFile(const QString& first, const QString& second) {
#ifdef Q_OS_UNIX
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(first).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
#else
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
#endif
}

bool WriteFileOrSay(const QString& path, const DeviceWriter& write,
                    const QString& writeFailureHint) {
    switch (WriteFileSafely(path, write)) {
    case WriteOutcome::Written:
        return true;
    case WriteOutcome::NotOpened:
        ShowError(QStringLiteral("Could not open file '") + path +
                  QStringLiteral("' for writing."));
        return false;
    case WriteOutcome::NotWritten:
        break;
    }
    ShowError(QStringLiteral("Error writing to file file '") + path + QStringLiteral("'.") +
              writeFailureHint);
    return false;
}
