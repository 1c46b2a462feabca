#pragma once

#include <QColor>

// The configuration keeps colours as 0x00BBGGRR: red in the lowest byte.
inline QColor ColorFromConfig(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 ConfigFromColor(const QColor& color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}
