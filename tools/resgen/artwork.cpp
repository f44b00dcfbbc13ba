#include "tools/resgen/artwork.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

namespace velantra::artwork
{

QImage drawIcon(int size)
{
    // Clockwise from the top, the colours of an RGB fixture's colour wheel.
    static constexpr std::array<QRgb, 8> kDots = {
        0xFFE01010, // red
        0xFFE010C8, // magenta
        0xFF8A2BE2, // violet
        0xFF1E40E0, // blue
        0xFF10C8E0, // cyan
        0xFF18B018, // green
        0xFF9ACD10, // yellow-green
        0xFFF0D800, // yellow
    };
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double centre = size / 2.0;
    const double ring = size * 0.34;
    const double dot = std::max(2.0, size * 0.24);
    painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), std::max(1.0, size / 32.0)));
    painter.drawEllipse(QPointF(centre, centre), ring, ring);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kDots.size(); ++i) {
        const double angle = -std::numbers::pi / 2 + double(i) * std::numbers::pi / 4;
        const QPointF at(centre + ring * std::cos(angle), centre + ring * std::sin(angle));
        painter.setBrush(QColor::fromRgb(kDots[i]));
        painter.drawEllipse(at, dot / 2, dot / 2);
    }
    return image;
}

QImage drawLogo()
{
    QImage image(80, 33, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setWeight(QFont::Black);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    painter.drawText(QRect(0, 2, 80, 15), Qt::AlignCenter, QStringLiteral("MORANDEL"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    painter.drawText(QRect(0, 17, 80, 14), Qt::AlignCenter, QStringLiteral("BRANVIK"));
    return image;
}

} // namespace velantra::artwork
