#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// How writing a file went; each writer turns it into its own message.
enum class WriteOutcome {
    Written,
    NotOpened,  // a folder, a missing folder, no permission: nothing was written
    NotWritten, // the writer or the device failed; a file being replaced is unchanged
};

// Fills the open device; false when something could not be written.
using DeviceWriter = std::function<bool(QIODevice&)>;

// The one way Kelvo writes a file, by what the path names:
// - a regular file or a new name: the bytes go to a temporary file in the
//   same folder that replaces the old file only when complete, so a failed
//   write never destroys it; where the folder allows no new file but the file
//   itself may be written, it is written in place. A symbolic link stays and
//   the file it points to is replaced.
// - a character device or a FIFO (/dev/null, /dev/stdout, a pipe): written
//   straight into, as a program writing to standard output does; replacing
//   it would put a regular file where the device was.
// - a folder or anything else (a block device, a socket): refused.
WriteOutcome WriteFileSafely(const QString& path, const DeviceWriter& write);
WriteOutcome WriteFileSafely(const QString& path, const QByteArray& bytes);

// Writes as WriteFileSafely does and says through the message sink what
// failed: "Could not open file '<path>' for writing." or "Error writing to
// file file '<path>'." followed by the writer's own hint (" The disk could
// be full.").
bool WriteFileOrSay(const QString& path, const DeviceWriter& write,
                    const QString& writeFailureHint = QString());

// Whether both paths name one existing file, however they are spelled:
// through a symbolic link, "./", or a second hard link.
bool IsSameFile(const QString& first, const QString& second);
