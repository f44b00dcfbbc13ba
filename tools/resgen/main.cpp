// Writes the program's pictures into a resource folder:
//   velantra-resgen <resources folder>
// The files are committed and compiled in; run this again after changing any artwork or any row
// of a data sheet (sheets/sheettables.cpp).
#include "resources/artwork.h"
#include "resources/tablerenderer.h"
#include "tools/resgen/icofile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

using namespace velantra;

namespace
{

bool save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("icons"));
    bool ok = true;
    QList<QImage> icons;
    for (int size : {16, 32, 48, 256}) {
        icons.append(artwork::drawIcon(size));
        ok &= save(icons.back(), out.filePath(QStringLiteral("icons/velantra-%1.png").arg(size)),
                   "PNG");
    }
    QFile ico(out.filePath(QStringLiteral("icons/velantra.ico")));
    ok &= ico.open(QIODevice::WriteOnly) && ico.write(artwork::icoFile(icons)) > 0;
    QFile svg(out.filePath(QStringLiteral("icons/velantra.svg")));
    ok &= svg.open(QIODevice::WriteOnly) && svg.write(artwork::iconSvg()) > 0;
    ok &= save(artwork::drawLogo(), out.filePath(QStringLiteral("logo.jpg")), "JPEG", 95);
    out.mkpath(QStringLiteral("sheets"));
    for (const sheets::RenderedPicture& picture : sheets::renderAll()) {
        const std::string path(picture.file->resource.substr(2)); // without ":/"
        const std::string format(picture.file->format);
        ok &= save(picture.image, out.filePath(QString::fromStdString(path)), format.c_str(),
                   format == "JPEG" ? 95 : -1);
    }
    return ok ? 0 : 1;
}
