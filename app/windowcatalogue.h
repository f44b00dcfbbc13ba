#pragma once

#include "app/windowid.h"

class QWidget;

namespace velantra
{

// Builds a new instance of a window: its layout, then its load procedure. It is not shown yet.
QWidget* createWindow(WindowId id);

} // namespace velantra
