#pragma once

#include <QByteArray>
#include <QString>

// Writes a report file whole or not at all (a device or FIFO such as
// /dev/stdout is written straight into; a folder is refused). False when the
// file could not be written; an earlier file of that name is then unchanged.
bool WriteReportFile(const QString& path, const QByteArray& bytes);
