#pragma once

#include <QString>

// The folder of Kelvo's data (help pages) of the installation the program in
// programFolder belongs to: found from the program's own place (/usr/bin/kelvo
// has /usr/share/kelvo), so that a relocated or unpacked installation is
// whole. Empty for a program that is not installed, such as one in its build
// tree.
QString InstalledDataFolder(const QString& programFolder);
