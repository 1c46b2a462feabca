#include "core/messages.h"

#include <cstdio>

namespace {

class StandardErrorSink final : public MessageSink {
public:
    void ShowBox(MessageBoxKind, const QString& text) override {
        std::fprintf(stderr, "Kelvo: %s\n", qPrintable(text));
    }
    void ShowWarning(const QString& text) override {
        std::fprintf(stderr, "Kelvo: %s\n", qPrintable(text));
    }
    void ClearWarning() override {}
    void Terminate() override {}
};

StandardErrorSink standardErrorSink;
MessageSink* installedSink = nullptr;

MessageSink& Sink() { return installedSink ? *installedSink : standardErrorSink; }

} // namespace

void SetMessageSink(MessageSink* sink) { installedSink = sink; }

MessageSink* CurrentMessageSink() { return installedSink; }

void FatalError(const QString& message) {
    Sink().ShowBox(MessageBoxKind::Fatal, QStringLiteral("Fatal Error: ") + message);
    Sink().Terminate();
}

void ShowError(const QString& message) {
    Sink().ShowBox(MessageBoxKind::Error, QStringLiteral("Error: ") + message);
}

void ShowWarningBox(const QString& message) {
    Sink().ShowBox(MessageBoxKind::Warning, QStringLiteral("Warning: ") + message);
}

void ShowWarning(const QString& message) { Sink().ShowWarning(message); }

void ClearWarning() { Sink().ClearWarning(); }
