#include "core/report/reportfile.h"

#include "core/filewriting.h"

bool WriteReportFile(const QString& path, const QByteArray& bytes) {
    return WriteFileSafely(path, bytes) == WriteOutcome::Written;
}
