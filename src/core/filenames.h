#pragma once

#include <QString>

// Path helpers that accept both "/" and "\" as folder separators.

// The characters after the last separator; the whole path when it has none.
QString ExtractFileName(const QString& path);
// The file name without its last extension ("antenna.old.kvw" gives "antenna.old").
QString ExtractBaseName(const QString& path);
// The characters up to and including the last separator; empty when there is none.
QString ExtractFilePath(const QString& path);
