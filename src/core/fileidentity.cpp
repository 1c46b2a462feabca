#include "core/fileidentity.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool IsSameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#else
    const QString a = QFileInfo(first).canonicalFilePath();
    return !a.isEmpty() &&
           a.compare(QFileInfo(second).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#endif
}
