#pragma once

#include <QString>

// How the program tells the user something. The main window installs a sink
// that shows message boxes and the status bar line; tests install a recorder.

enum class MessageBoxKind { Fatal, Error, Warning };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box titled "Kelvo"; the text already carries its prefix.
    virtual void ShowBox(MessageBoxKind kind, const QString& text) = 0;
    // The warning line of the main window's status bar.
    virtual void ShowWarning(const QString& text) = 0;
    virtual void ClearWarning() = 0;
    // After a fatal error: end the program once the current event is handled.
    virtual void Terminate() = 0;
};

// Installs the sink that receives every message; nullptr restores the
// default sink, which writes to standard error.
void SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();

void FatalError(const QString& message);     // "Fatal Error: " box, then the program ends
void ShowError(const QString& message);      // "Error: " box
void ShowWarningBox(const QString& message); // "Warning: " box
void ShowWarning(const QString& message);    // status bar line, no box
void ClearWarning();                         // empties the status bar line
