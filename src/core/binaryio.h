#pragma once

#include <QByteArray>
#include <QString>

#include <limits>

class QIODevice;

// The primitives of Kelvo's binary files: 32-bit little-endian integers,
// single bytes, texts as a 32-bit length followed by that many UTF-8 bytes,
// and 4-byte magic words.

// The longest text (in bytes) a file may hold. Readers refuse longer ones,
// writers refuse to write them.
constexpr int MaxTextBytes = 1023;

class BinaryWriter final {
public:
    explicit BinaryWriter(QIODevice& device) : device_(device) {}

    void WriteInt32(qint32 value);
    void WriteByte(quint8 value);
    // A text longer than MaxTextBytes is not written and counts as a write error.
    void WriteText(const QString& text);
    void WriteMagic(const char* magic);

    bool HasError() const { return error_; }

private:
    void WriteBytes(const char* data, qint64 size);

    QIODevice& device_;
    bool error_ = false;
};

// Once a read fails (short data, a text too long), every further read yields
// 0 or an empty text and the reader stays in its error state.
class BinaryReader final {
public:
    explicit BinaryReader(QIODevice& device);

    qint32 ReadInt32();
    quint8 ReadByte();
    // A stored length of 0 or less is the empty text; above MaxTextBytes is an error.
    QString ReadText();
    // Reads as many bytes as the magic word has; true when they equal it.
    bool CheckMagic(const char* magic);

    // Bytes left in the device; records that need more than this cannot be there.
    qint64 Remaining() const;
    void SetError() { error_ = true; }
    bool HasError() const { return error_; }

    // Memory the records read so far make the program hold is counted against
    // an allowance, so that no file, however long, can make a reader hold
    // more. Texts count themselves; a caller counts each record it keeps.
    void SetAllowance(qint64 bytes) { allowance_ = bytes; }
    // False, and the error state, once the allowance is spent.
    bool Hold(qint64 bytes);

private:
    bool ReadBytes(char* data, qint64 size);

    QIODevice& device_;
    qint64 size_; // of a random-access device, taken once; -1 for a stream
    qint64 allowance_ = std::numeric_limits<qint64>::max();
    bool error_ = false;
};
