#pragma once

#include <QColor>

// The configuration keeps colours as 0x00BBGGRR: red in the lowest byte.
inline QColor ColorFromConfig(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 ConfigFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}
