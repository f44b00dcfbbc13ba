#include "tools/resgen/icofile.h"

#include <QBuffer>
#include <QtEndian>

namespace velantra::artwork
{

namespace
{

constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kBitmapInfoBytes = 40;

void put16(QByteArray& out, quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), 2);
}

void put32(QByteArray& out, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), 4);
}

QByteArray png(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// A device-independent bitmap as icons keep it: the height counts the colour rows and the mask
// rows together, rows run bottom-up, then a 1-bit mask (all zero: the alpha channel decides).
QByteArray bitmap(const QImage& picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const int size = argb.width();
    const int maskRowBytes = ((size + 31) / 32) * 4;
    QByteArray out;
    put32(out, kBitmapInfoBytes);
    put32(out, quint32(size));
    put32(out, quint32(size * 2));
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, 0);  // no compression
    put32(out, quint32(size * size * 4 + size * maskRowBytes));
    for (int unused = 0; unused < 4; ++unused) // resolution and palette
        put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < size; ++x)
            put32(out, row[x]); // 0xAARRGGBB stored little-endian is B, G, R, A
    }
    out.append(QByteArray(size * maskRowBytes, '\0'));
    return out;
}

} // namespace

QByteArray icoFile(const QList<QImage>& pictures)
{
    QList<QByteArray> images;
    for (const QImage& picture : pictures)
        images.append(picture.width() >= 256 ? png(picture) : bitmap(picture));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, quint16(images.size()));
    quint32 offset = quint32(kHeaderBytes + kEntryBytes * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = pictures[i].width();
        out.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append('\0'); // no palette
        out.append('\0');
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(images[i].size()));
        put32(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace velantra::artwork
