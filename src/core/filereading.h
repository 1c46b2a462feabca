#pragma once

class QFile;

// How opening a file for reading went.
enum class OpenOutcome {
    Opened,     // a regular file, open and positioned at its start
    Unreadable, // missing, not permitted, or a folder
    NotAFile,   // a device, a FIFO or a socket: not something a reader can hold
};

// Opens the file named by file.fileName() for reading, but only when it is a
// regular file. Devices and FIFOs are refused before anything is read from
// them: /dev/zero never ends and a FIFO blocks until someone writes to it.
OpenOutcome OpenRegularFile(QFile& file);
