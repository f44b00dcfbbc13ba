#pragma once

class QWidget;

namespace velantra::sheets
{

// Each builds a new data-sheet window, unshown.
QWidget* createEasyrun();
QWidget* createDat();
QWidget* createDat2();
QWidget* createDat3();
QWidget* createDat4();

} // namespace velantra::sheets
