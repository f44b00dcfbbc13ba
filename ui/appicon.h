#pragma once

#include <QIcon>

namespace velantra::ui
{

// The icon every window carries: eight coloured dots on a ring, at 16, 32 and 48 pixels.
QIcon applicationIcon();

} // namespace velantra::ui
