#pragma once

// The two power windows. Each builds a new instance of its window, runs its load procedure and
// leaves it unshown; the window catalogue (app/windowcatalogue.h) lists them.

class QWidget;

namespace velantra::power
{

QWidget* createCalc();
QWidget* createCalc2();

} // namespace velantra::power
