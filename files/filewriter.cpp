#include "files/filewriter.h"

#include "i18n/language.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#if !defined(Q_OS_WIN) && __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace velantra::files
{
namespace
{

// Writes everything or fails. A short write is retried, so that the next one gives the
// system's reason (the file size limit, a full disk) instead of a silent truncation.
bool writeAll(QFileDevice& file, const QByteArray& bytes, QString* reason)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            *reason = file.error() != QFileDevice::NoError
                          ? file.errorString()
                          : i18n::translate("Files", "only %1 of %2 bytes could be written")
                                .arg(done)
                                .arg(bytes.size());
            return false;
        }
        done += n;
    }
    return true;
}

// The data on the disk before the new file takes the old one's place; QSaveFile's own sync
// ignores a failure. (On Windows Qt keeps a native handle, no descriptor to sync; QSaveFile
// flushes it there.)
bool syncToDisk(QFileDevice& file, QString* reason)
{
#if !defined(Q_OS_WIN) && __has_include(<unistd.h>)
    const int failed = ::fsync(file.handle());
#else
    Q_UNUSED(file);
    const int failed = 0;
#endif
    // A device or pipe cannot be synced, and need not be.
    if (failed != 0 && errno != EINVAL && errno != EROFS) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

// Writes to a device in place: renaming over it would replace the device itself.
bool writeDirectly(const QString& path, const QByteArray& bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    return writeAll(file, bytes, reason);
}

} // namespace

bool saveWhole(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QFileInfo info(path);
    if (path.isEmpty()) {
        *reason = i18n::translate("Files", "no file name");
        return false;
    }
    if (info.isDir()) {
        *reason = i18n::translate("Files", "it is a folder");
        return false;
    }
    if (info.exists() && !info.isFile())
        return writeDirectly(path, bytes, reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes, reason) || !syncToDisk(file, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit() || file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace velantra::files
