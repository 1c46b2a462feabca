#pragma once

#include <QByteArray>
#include <QString>

// Writes a report file whole or not at all: the bytes go to a temporary file
// beside it that replaces the old file only when complete. False when the
// file could not be written; an earlier file of that name is then unchanged.
bool WriteReportFile(const QString& path, const QByteArray& bytes);
