#pragma once

#include "core/messages.h"

#include <QStringList>

// Installs itself as the message sink for its lifetime and records what the
// program would have shown: boxes, the status bar warning and terminations.
class MessageRecorder final : public MessageSink {
public:
    MessageRecorder() : previous_(CurrentMessageSink()) { SetMessageSink(this); }
    ~MessageRecorder() override { SetMessageSink(previous_); }

    void ShowBox(MessageBoxKind kind, const QString& text) override {
        boxes.append(text);
        kinds.append(kind);
    }
    void ShowWarning(const QString& text) override {
        warning = text;
        warnings.append(text);
    }
    void ClearWarning() override {
        warning.clear();
        ++clears;
    }
    void Terminate() override { ++terminations; }

    void Reset() {
        boxes.clear();
        kinds.clear();
        warnings.clear();
        warning.clear();
        clears = 0;
        terminations = 0;
    }

    QStringList boxes;
    QList<MessageBoxKind> kinds;
    QStringList warnings;
    QString warning; // what the status bar shows now
    int clears = 0;
    int terminations = 0;

private:
    MessageSink* previous_;
};
