#pragma once

#include <QByteArray>
#include <QFile>
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

inline qint32 Int32At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
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

// Empty fields of the given unit kinds.
inline QList<QByteArray> EmptyFields(const QList<int>& unitKinds) {
    QList<QByteArray> fields;
    for (int kind : unitKinds)
        fields << Field({}, {}, 0, kind);
    return fields;
}

// A calculation record up to and including its field count: the field
// records and the solution index follow it.
inline QByteArray CalculationHead(qint32 type, const QByteArray& name, qint32 fieldCount,
                                  bool current = true, qint32 configuration = 0,
                                  qint32 unknown = 0) {
    return Int32(type) + Text(name) + char(current ? 1 : 0) + Int32(configuration) +
           Int32(unknown) + Int32(0) + Int32(fieldCount);
}

inline QByteArray Calculation(qint32 type, const QByteArray& name,
                              const QList<QByteArray>& fields = {}, qint32 solution = -1,
                              bool current = true) {
    QByteArray bytes = CalculationHead(type, name, qint32(fields.size()), current);
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

// The extension block that may follow a worksheet's end magic, and one
// entry of it: the position of its calculation, a key and a value.
inline QByteArray Extra(qint32 position, const QByteArray& key, const QByteArray& value) {
    return Int32(position) + Text(key) + Text(value);
}

inline QByteArray ExtrasBlock(const QList<QByteArray>& entries, qint32 version = 1) {
    QByteArray bytes = "%KVX" + Int32(version) + Int32(qint32(entries.size()));
    for (const QByteArray& entry : entries)
        bytes += entry;
    return bytes + "%KXE";
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

// The bytes of a file; none when it cannot be read.
inline QByteArray Load(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool Save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace FileBytes
