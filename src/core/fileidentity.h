#pragma once

#include <QString>

// Whether two paths name one and the same existing file, however they are
// spelled: a symbolic link, a relative path or "./" name the file they lead
// to. Compared by the file system's identity of the file (its device and
// inode), not by name; false when either does not exist.
bool IsSameFile(const QString& first, const QString& second);
