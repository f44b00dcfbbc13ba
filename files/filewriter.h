#pragma once

// The one way a file leaves the program: whole or not at all. The bytes are made in memory
// first (a PDF, an image, a plan), then written unbuffered to a temporary file beside the
// target, synced, and renamed over it. Every write is checked where it happens: Qt 6.4's
// QSaveFile buffers small writes and commit() renames the file even when the final flush
// failed, and QPdfWriter and QImageWriter report nothing, or "Unknown error", for a file that
// was cut short. Any failure discards the temporary file; the previous file stays as it was.

#include <QByteArray>
#include <QString>

namespace velantra::files
{

// Saves `bytes` as `path`, or returns false and sets `reason` to the system's reason ("No
// space left on device"). A device such as /dev/stdout is written in place, never replaced.
bool saveWhole(const QString& path, const QByteArray& bytes, QString* reason);

} // namespace velantra::files
