#pragma once

// Budget reports read from the power windows: the counts in the grid, the figures in the result
// boxes, the chosen currents and the mode, as the window shows them.

#include "cards/powerreport.h"

#include <QDate>

class QWidget;

namespace velantra::cards
{

// Whether the window is one of the two power windows.
bool isPowerWindow(const QWidget* window);

// The report of a power window as it stands. Outputs whose column lies outside the window are
// left out.
PowerReport readReport(const QWidget* powerWindow, QDate date = QDate::currentDate());

} // namespace velantra::cards
