#include "core/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString InstalledDataFolder(const QString& programFolder) {
    const QDir data(QDir(programFolder).filePath(QStringLiteral(KELVO_DATADIR_FROM_PROGRAM)));
    return data.exists() ? QDir::cleanPath(data.absolutePath()) : QString();
}

QString ConfigFileNameFor(const QString& programFolder, bool besideProgram,
                          const QString& userConfigFolder) {
    const QString file = QStringLiteral("Kelvo.cfg");
    if (besideProgram || userConfigFolder.isEmpty())
        return QDir(programFolder).filePath(file);
    return QDir(userConfigFolder).filePath(QStringLiteral("kelvo/") + file);
}

QString DefaultConfigFileName() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // An installed program never writes beside itself, even where it could
    // (root running /usr/bin/kelvo): preferences are each user's own.
    const bool besideProgram =
        InstalledDataFolder(programFolder).isEmpty() && QFileInfo(programFolder).isWritable();
    return ConfigFileNameFor(programFolder, besideProgram, user);
}
