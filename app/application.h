#pragma once

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "ui/applicationsetup.h"

class QApplication;

namespace velantra
{

// Shows the main window and runs until the program ends; returns the exit status.
int runWindows(QApplication& app);

} // namespace velantra
