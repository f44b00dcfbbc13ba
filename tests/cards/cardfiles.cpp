#include "tests/cards/cardfiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace velantra::test
{
namespace
{

std::optional<QByteArray> run(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}

} // namespace

std::optional<QString> pdfText(const QString& pdf)
{
    const auto out =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return out ? std::optional<QString>(QString::fromUtf8(*out)) : std::nullopt;
}

std::optional<QImage> pdfPage(const QString& pdf)
{
    const auto out =
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"), QStringLiteral("1"),
             QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), pdf});
    if (!out)
        return std::nullopt;
    return QImage::fromData(*out, "PNG");
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace velantra::test
