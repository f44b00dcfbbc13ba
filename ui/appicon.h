#pragma once

#include <QIcon>

namespace velantra::ui
{

// The application's icon, which every window shows: eight coloured dots on a ring, at 16, 32
// and 48 pixels.
QIcon applicationIcon();

} // namespace velantra::ui
