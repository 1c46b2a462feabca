#pragma once

#include "core/messages.h"

#include <QBuffer>
#include <QByteArray>

// Messages are expected while reading damaged files; they go nowhere here.
class QuietSink final : public MessageSink {
public:
    void ShowBox(MessageBoxKind, const QString&) override {}
    void ShowWarning(const QString&) override {}
    void ClearWarning() override {}
    void Terminate() override {}
};

inline void InstallQuietSink() {
    static QuietSink sink;
    SetMessageSink(&sink);
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
