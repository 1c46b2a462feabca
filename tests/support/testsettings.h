#pragma once

#include <QSettings>
#include <QTemporaryDir>

// The settings Kelvo keeps beyond Kelvo.cfg (QSettings, the user scope) in a
// folder of this test process, empty at its start and removed at its end:
// tests never read or change the user's, and tests running side by side
// never share them. Returns the folder; Kelvo's file is Quillmarsh/Kelvo.conf in it.
inline QString UseTestSettings() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    return folder.path();
}
