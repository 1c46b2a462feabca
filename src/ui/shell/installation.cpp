#include "ui/shell/installation.h"

#include <QDir>

QString InstalledDataFolder(const QString& programFolder) {
    const QDir data(QDir(programFolder).filePath(QStringLiteral(KELVO_DATADIR_FROM_PROGRAM)));
    return data.exists() ? QDir::cleanPath(data.absolutePath()) : QString();
}
