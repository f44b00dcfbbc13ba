#pragma once

#include <QByteArray>
#include <QImage>

namespace velantra::artwork
{

// The application icon: eight coloured dots on a ring on a white square.
QImage drawIcon(int size);

// The same icon as scalable vector graphics, for the desktop's icon theme.
QByteArray iconSvg();

// The maker's word mark, two lines in dark grey on white, 80 × 33 pixels.
QImage drawLogo();

} // namespace velantra::artwork
