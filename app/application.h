#pragma once

#include "app/mainwindow.h"
#include "app/windowregistry.h"

class QApplication;

namespace velantra
{

// Application-wide look: the classic 8 pt sans-serif default font, the style and the icon.
void setUpApplication(QApplication& app);

// Shows the main window and runs until the program ends; returns the exit status.
int runWindows(QApplication& app);

} // namespace velantra
