#pragma once

// Only regular files are read. A named pipe would block the program until something writes to
// it, a device may never end, and a folder or socket holds no file: each is refused before it
// is opened, with the reason.

#include <QByteArray>
#include <QString>
#include <optional>

namespace velantra::files
{

// The first `limit` bytes of the regular file `path`, or nothing with `reason` set ("it is a
// named pipe, not a file").
std::optional<QByteArray> readRegularFile(const QString& path, qint64 limit, QString* reason);

} // namespace velantra::files
