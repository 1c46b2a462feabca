#include "core/binaryio.h"

#include <QIODevice>
#include <QtEndian>

#include <cstring>

void BinaryWriter::WriteBytes(const char* data, qint64 size) {
    if (error_ || size == 0)
        return;
    if (device_.write(data, size) != size)
        error_ = true;
}

void BinaryWriter::WriteInt32(qint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    WriteBytes(bytes, 4);
}

void BinaryWriter::WriteByte(quint8 value) {
    const char byte = char(value);
    WriteBytes(&byte, 1);
}

void BinaryWriter::WriteText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > MaxTextBytes) {
        error_ = true;
        return;
    }
    WriteInt32(qint32(bytes.size()));
    WriteBytes(bytes.constData(), bytes.size());
}

void BinaryWriter::WriteMagic(const char* magic) { WriteBytes(magic, qint64(std::strlen(magic))); }

BinaryReader::BinaryReader(QIODevice& device)
    : device_(device), size_(device.isSequential() ? -1 : device.size()) {}

bool BinaryReader::ReadBytes(char* data, qint64 size) {
    if (error_)
        return false;
    if (size == 0)
        return true;
    if (device_.read(data, size) != size) {
        error_ = true;
        return false;
    }
    return true;
}

qint32 BinaryReader::ReadInt32() {
    char bytes[4];
    if (!ReadBytes(bytes, 4))
        return 0;
    return qFromLittleEndian<qint32>(bytes);
}

quint8 BinaryReader::ReadByte() {
    char byte = 0;
    if (!ReadBytes(&byte, 1))
        return 0;
    return quint8(byte);
}

QString BinaryReader::ReadText() {
    const qint32 length = ReadInt32();
    if (error_ || length <= 0)
        return QString();
    if (length > MaxTextBytes || length > Remaining()) {
        error_ = true;
        return QString();
    }
    // A text of n bytes holds at most n UTF-16 units, plus its block's header.
    if (!Hold(2 * qint64(length) + 48))
        return QString();
    QByteArray bytes(length, Qt::Uninitialized);
    if (!ReadBytes(bytes.data(), length))
        return QString();
    return QString::fromUtf8(bytes);
}

bool BinaryReader::Hold(qint64 bytes) {
    if (error_ || bytes > allowance_) {
        error_ = true;
        return false;
    }
    allowance_ -= bytes;
    return true;
}

bool BinaryReader::CheckMagic(const char* magic) {
    const qint64 size = qint64(std::strlen(magic));
    QByteArray bytes(size, Qt::Uninitialized);
    if (!ReadBytes(bytes.data(), size))
        return false;
    return bytes == QByteArray(magic, size);
}

qint64 BinaryReader::Remaining() const {
    if (size_ < 0)
        return device_.bytesAvailable();
    return size_ - device_.pos();
}
