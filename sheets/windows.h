#pragma once

// The data-sheet windows. Each builds a new instance of its window, runs its load procedure and
// leaves it unshown; the window catalogue (app/windowcatalogue.h) lists them.

class QWidget;

namespace velantra::sheets
{

QWidget* createEasyrun();
QWidget* createDat();
QWidget* createDat2();
QWidget* createDat3();
QWidget* createDat4();

} // namespace velantra::sheets
