#include "files/filereader.h"

#include "i18n/language.h"

#include <QFile>
#include <QFileInfo>

#if __has_include(<sys/stat.h>)
#include <sys/stat.h>
#endif

namespace velantra::files
{
namespace
{

// What the file is when it is not a regular file; empty for a regular file.
QString notAFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {}; // opening it gives the system's reason
    if (info.isDir())
        return i18n::translate("Files", "it is a folder, not a file");
    if (info.isFile())
        return {};
#if __has_include(<sys/stat.h>) && !defined(Q_OS_WIN)
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode))
            return i18n::translate("Files", "it is a named pipe, not a file");
        if (S_ISSOCK(st.st_mode))
            return i18n::translate("Files", "it is a socket, not a file");
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            return i18n::translate("Files", "it is a device, not a file");
    }
#endif
    return i18n::translate("Files", "it is not a regular file");
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 limit, QString* reason)
{
    *reason = notAFile(path);
    if (!reason->isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace velantra::files
