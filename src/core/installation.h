#pragma once

#include <QString>

// The folder of Kelvo's data (help pages) of the installation the program in
// programFolder belongs to: found from the program's own place (/usr/bin/kelvo
// has /usr/share/kelvo), so that a relocated or unpacked installation is
// whole. Empty for a program that is not installed, such as one in its build
// tree.
QString InstalledDataFolder(const QString& programFolder);

// Where the configuration file "Kelvo.cfg" lies: beside the program where it
// may be kept there, else in "kelvo" in the user's configuration folder (and
// beside the program all the same when the user has none).
QString ConfigFileNameFor(const QString& programFolder, bool besideProgram,
                          const QString& userConfigFolder);

// The configuration file of the running program, the same for its window and
// its command line. Finding it creates nothing: RConfig::Write makes the folder.
QString DefaultConfigFileName();
