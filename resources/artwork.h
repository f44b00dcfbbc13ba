#pragma once

#include <QByteArray>
#include <QImage>
#include <string_view>

namespace velantra::artwork
{

// A white picture of width × height pixels at `ratio` device pixels per pixel, to draw on in
// pixels.
QImage blankPicture(int width, int height, qreal ratio);

// The application icon: eight coloured dots on a ring on a white square.
QImage drawIcon(int size);

// The same icon as scalable vector graphics, for the desktop's icon theme.
QByteArray iconSvg();

inline constexpr std::string_view kLogoResource = ":/logo.jpg";

// The maker's word mark, two lines in dark grey on white, 80 × 33 pixels, drawn at `ratio`
// device pixels per pixel.
QImage drawLogo(qreal ratio = 1);

} // namespace velantra::artwork
