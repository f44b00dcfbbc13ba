#pragma once

class QWidget;

namespace velantra::power
{

// Each builds a new power configurator window, runs its load procedure, and leaves it unshown.
QWidget* createCalc();  // ORVO 75, 75 W
QWidget* createCalc2(); // ORVO 36, 36 W

} // namespace velantra::power
