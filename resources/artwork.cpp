#include "resources/artwork.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <cmath>
#include <numbers>

namespace velantra::artwork
{

namespace
{

// Clockwise from the top, the colours of an RGB fixture's colour wheel.
constexpr std::array<QRgb, 8> kDots = {
    0xFFE01010, // red
    0xFFE010C8, // magenta
    0xFF8A2BE2, // violet
    0xFF1E40E0, // blue
    0xFF10C8E0, // cyan
    0xFF18B018, // green
    0xFF9ACD10, // yellow-green
    0xFFF0D800, // yellow
};
constexpr double kRing = 0.34; // ring radius, as a share of the icon's size
constexpr double kDot = 0.24;  // dot diameter
constexpr QRgb kRingColour = 0xFFB0B0B0;

QPointF dotCentre(std::size_t i, double size)
{
    const double angle = -std::numbers::pi / 2 + double(i) * std::numbers::pi / 4;
    return {size / 2 + size * kRing * std::cos(angle), size / 2 + size * kRing * std::sin(angle)};
}

} // namespace

QImage blankPicture(int width, int height, qreal ratio)
{
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double centre = size / 2.0;
    const double ring = size * kRing;
    const double dot = std::max(2.0, size * kDot);
    painter.setPen(QPen(QColor::fromRgb(kRingColour), std::max(1.0, size / 32.0)));
    painter.drawEllipse(QPointF(centre, centre), ring, ring);
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kDots.size(); ++i) {
        painter.setBrush(QColor::fromRgb(kDots[i]));
        painter.drawEllipse(dotCentre(i, size), dot / 2, dot / 2);
    }
    return image;
}

QByteArray iconSvg()
{
    constexpr double size = 48;
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                     "viewBox=\"0 0 48 48\">\n"
                     "  <rect width=\"48\" height=\"48\" fill=\"#ffffff\"/>\n";
    svg += QStringLiteral("  <circle cx=\"24\" cy=\"24\" r=\"%1\" fill=\"none\" stroke=\"%2\" "
                          "stroke-width=\"1.5\"/>\n")
               .arg(size * kRing)
               .arg(QColor::fromRgb(kRingColour).name())
               .toUtf8();
    for (std::size_t i = 0; i < kDots.size(); ++i) {
        const QPointF at = dotCentre(i, size);
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(at.x(), 0, 'f', 3)
                   .arg(at.y(), 0, 'f', 3)
                   .arg(size * kDot / 2)
                   .arg(QColor::fromRgb(kDots[i]).name())
                   .toUtf8();
    }
    return svg + "</svg>\n";
}

QImage drawLogo(qreal ratio)
{
    QImage image = blankPicture(80, 33, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setHintingPreference(QFont::PreferVerticalHinting); // not the application's: see sheetFont
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
