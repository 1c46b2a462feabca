#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

// The bytes of Kelvo's binary files, put together piece by piece, for tests
// and benchmarks that feed the readers files the program would never write.
namespace FileBytes {

inline QByteArray Int32(qint32 value) {
    QByteArray bytes(4, 0);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray Text(const QByteArray& text) {
    return Int32(qint32(text.size())) + text;
}

// A field record up to and including its solution count; the solution
// records (if any) follow it.
inline QByteArray FieldHead(qint32 solutionCount, const QByteArray& text = {},
                            const QByteArray& imag = {}, qint32 unitIndex = 0,
                            qint32 unitKind = 0) {
    return Text(text) + Text(imag) + Int32(unitIndex) + Int32(unitKind) + Int32(solutionCount);
}

inline QByteArray Field(const QByteArray& text = {}, const QByteArray& imag = {},
                        qint32 unitIndex = 0, qint32 unitKind = 0,
                        const QList<QByteArray>& solutions = {}) {
    QByteArray bytes = FieldHead(qint32(solutions.size()), text, imag, unitIndex, unitKind);
    for (const QByteArray& solution : solutions)
        bytes += solution;
    return bytes;
}

// A calculation record up to and including its field count: the field
// records and the solution index follow it.
inline QByteArray CalculationHead(qint32 type, const QByteArray& name, qint32 fieldCount) {
    return Int32(type) + Text(name) + '\x01' + Int32(0) + Int32(0) + Int32(0) + Int32(fieldCount);
}

inline QByteArray Calculation(qint32 type, const QByteArray& name,
                              const QList<QByteArray>& fields = {}, qint32 solution = -1) {
    QByteArray bytes = CalculationHead(type, name, qint32(fields.size()));
    for (const QByteArray& field : fields)
        bytes += field;
    return bytes + Int32(solution);
}

// The start of a worksheet file: magic, current index and record count.
inline QByteArray WorksheetHead(qint32 count, qint32 currentIndex = 0) {
    return "%KVW" + Int32(currentIndex) + Int32(count);
}

inline QByteArray Worksheet(const QList<QByteArray>& calculations, qint32 currentIndex = 0) {
    QByteArray bytes = WorksheetHead(qint32(calculations.size()), currentIndex);
    for (const QByteArray& calculation : calculations)
        bytes += calculation;
    return bytes + "%KVE";
}

// A configuration file with the initial preferences up to and including the
// recent-files count; the recent paths, the last folder, the placement and
// the end magic follow it.
inline QByteArray ConfigHead(qint32 recentCount) {
    QByteArray bytes = "%CF2" + Int32(0);
    for (qint32 unit : {0, 0, 0, 2, 1, 2, 1, 2, 1, 2, 0, 0, 1, 1, 1, 1})
        bytes += Int32(unit);
    return bytes + Int32(0x00FFFFFF) + Int32(0x00800000) + Int32(8) + Int32(recentCount);
}

// A configuration file with the given recent files and the initial values otherwise.
inline QByteArray Config(const QList<QByteArray>& recent, const QByteArray& lastFolder = {}) {
    QByteArray bytes = ConfigHead(qint32(recent.size()));
    for (const QByteArray& path : recent)
        bytes += Text(path);
    bytes += Text(lastFolder) + Int32(0) + Int32(16) + Int32(16) + Int32(673) + Int32(495);
    return bytes + "%KVE";
}

} // namespace FileBytes
