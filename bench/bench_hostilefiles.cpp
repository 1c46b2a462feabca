// Reads files made to exhaust the readers: counts as large as a reader
// allows, solutions nested as deep and as wide as allowed, sparse gigabyte
// files (nothing real is written), files of the smallest records, and what is
// not a file at all (a device that never ends, a FIFO nobody writes to).
// Prints for each the time it took and the peak memory it added, and fails
// when a file takes a second or more, adds 100 MB or more, or is not refused
// with the reader's own message.

#include "support/filebytes.h"
#include "support/messagerecorder.h"

#include "core/calctypes.h"
#include "core/rconfig.h"
#include "core/rworksheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace FileBytes;

namespace {

constexpr qint64 MiB = qint64(1) << 20;

// Kilobytes of the process's resident set: now ("VmRSS") or at its peak
// ("VmHWM"); -1 where the system does not say.
long StatusKilobytes(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Starts a new peak: from here on the peak is measured from what is held now.
void ResetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A file of `size` bytes: `head`, then what `fill` appends until it would
// pass `size`, then zeros (a hole, on a sparse file system).
QString MakeFile(const QString& path, const QByteArray& head, qint64 size,
                 const std::function<void(QByteArray&, qint64)>& fill = {}) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    QByteArray bytes = head;
    if (fill)
        fill(bytes, size);
    file.write(bytes.left(size));
    file.resize(size);
    return path;
}

QString Fifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// Field records nested `depth` levels below this one, each with the most
// solutions a field may have, depth first, until `bytes` reaches `size`.
void NestedSolutions(QByteArray& bytes, qint64 size, int depth) {
    const bool leaf = depth == RField::MaxSolutionDepth;
    bytes += FieldHead(leaf ? 0 : RField::MaxSolutions);
    for (int i = 0; !leaf && i < RField::MaxSolutions && bytes.size() < size; ++i)
        NestedSolutions(bytes, size, depth + 1);
}

struct Case {
    const char* what;
    bool worksheet; // else a configuration
    QString path;
};

// What reading one file took, passed from the process that read it.
struct Outcome {
    double ms = 0;
    double addedMb = -1; // -1 where the system does not say
    bool read = false;
    bool refused = false; // with a message
    char message[200] = {};
};

Outcome Measure(const Case& c, const CalculatorCatalog& catalog, MessageRecorder& messages) {
    messages.Reset();
    ResetPeak();
    const long before = StatusKilobytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    Outcome outcome;
    if (c.worksheet) {
        RWorksheet worksheet;
        worksheet.FileName = c.path;
        outcome.read = worksheet.Read(catalog);
    } else {
        RConfig config;
        config.FileName = c.path;
        outcome.read = config.Read();
    }
    outcome.ms = timer.nsecsElapsed() / 1e6;
    const long peak = StatusKilobytes("VmHWM:");
    if (before >= 0 && peak >= 0)
        outcome.addedMb = (peak - before) / 1024.0;
    outcome.refused = !outcome.read && !messages.boxes.isEmpty();
    const QByteArray message =
        outcome.read ? QByteArray("(read)") : messages.boxes.value(0).toUtf8();
    qstrncpy(outcome.message, message.constData(), sizeof outcome.message);
    return outcome;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    RConfig config;
    TypeCatalog catalog(config);
    MessageRecorder messages;
    const auto file = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };

    RWorksheet sample;
    sample.CreateDefault(catalog);
    sample.FileName = file("empty.kvw");
    sample.Write();

    const int most = RWorksheet::MaxCalculations;
    const QList<Case> cases = {
        {"the default worksheet (for comparison)", true, sample.FileName},
        {"16 MiB of nested solution counts", true,
         MakeFile(file("nested.kvw"), WorksheetHead(most) + CalculationHead(1, "N", 16), 16 * MiB,
                  [](QByteArray& bytes, qint64 size) {
                      while (bytes.size() < size)
                          NestedSolutions(bytes, size, 0);
                  })},
        {"16 MiB of the smallest calculations with the most fields", true,
         MakeFile(file("fields.kvw"), WorksheetHead(most), 16 * MiB,
                  [](QByteArray& bytes, qint64 size) {
                      const QByteArray record = Calculation(
                          1, "c", QList<QByteArray>(RCalculation::MaxFields, Field("1", "2")));
                      while (bytes.size() < size)
                          bytes += record;
                  })},
        {"48 MiB of calculations with the longest names", true,
         MakeFile(file("names.kvw"), WorksheetHead(most), 48 * MiB,
                  [](QByteArray& bytes, qint64 size) {
                      const QByteArray record = Calculation(1, QByteArray(1023, 'n'));
                      while (bytes.size() < size)
                          bytes += record;
                  })},
        {"1 GiB sparse, the largest calculation count allowed", true,
         MakeFile(file("sparse.kvw"), WorksheetHead(most), 1024 * MiB)},
        {"1 GiB sparse, a count for every 29 bytes", true,
         MakeFile(file("counted.kvw"), WorksheetHead(qint32(1024 * MiB / 29)), 1024 * MiB)},
        {"256 MiB Kelvo.cfg, a recent count for every 4 bytes", false,
         MakeFile(file("huge.cfg"), ConfigHead(qint32(256 * MiB / 4)), 256 * MiB)},
        {"256 MiB Kelvo.cfg, the largest recent count allowed", false,
         MakeFile(file("sparse.cfg"), ConfigHead(RConfig::MaxStoredRecentFiles), 256 * MiB)},
        {"1 GiB sparse, a foreign magic word", true,
         MakeFile(file("foreign.kvw"), "PK\x03\x04", 1024 * MiB)},
        {"1 GiB sparse, the magic word, then zeros", true,
         MakeFile(file("zeros.kvw"), "%KVW", 1024 * MiB)},
        {"1 GiB sparse Kelvo.cfg, a foreign magic word", false,
         MakeFile(file("foreign.cfg"), "%KVW", 1024 * MiB)},
        {"1 GiB sparse Kelvo.cfg, the magic word, then zeros", false,
         MakeFile(file("zeros.cfg"), "%CF2", 1024 * MiB)},
        {"/dev/zero as a worksheet", true, QStringLiteral("/dev/zero")},
        {"/dev/zero as Kelvo.cfg", false, QStringLiteral("/dev/zero")},
        {"a FIFO nobody writes to, as a worksheet", true, Fifo(file("worksheet.fifo"))},
        {"a FIFO nobody writes to, as Kelvo.cfg", false, Fifo(file("config.fifo"))},
    };

    bool withinBounds = true;
    std::printf("%-58s %10s %12s  %s\n", "file", "read ms", "peak +MB", "message");
    for (const Case& c : cases) {
        // Each file in a process of its own, so that what one reading left
        // to the allocator does not hide what the next one takes.
        int pipe[2];
        if (::pipe(pipe) != 0)
            return 1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipe[0]);
            const Outcome outcome = Measure(c, catalog, messages);
            const bool written = ::write(pipe[1], &outcome, sizeof outcome) == sizeof outcome;
            ::_exit(written ? 0 : 1);
        }
        ::close(pipe[1]);
        Outcome outcome;
        const bool got = child > 0 && ::read(pipe[0], &outcome, sizeof outcome) == sizeof outcome;
        ::close(pipe[0]);
        if (child > 0)
            ::waitpid(child, nullptr, 0);
        if (!got)
            return 1;
        const bool expected = c.path == sample.FileName ? outcome.read : outcome.refused;
        withinBounds = withinBounds && expected && outcome.ms < 1000 && outcome.addedMb < 100;
        std::printf("%-58s %10.1f %12.1f  %s\n", c.what, outcome.ms, outcome.addedMb,
                    outcome.message);
    }
    if (!withinBounds)
        std::printf("A file took a second or more, added 100 MB or more, or was not refused.\n");
    return withinBounds ? 0 : 1;
}
