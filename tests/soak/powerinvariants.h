#pragma once

#include "tests/soak/useractions.h"

#include <QColor>
#include <QStringList>
#include <array>

namespace velantra::test
{

// What a power window shows that the next action's check compares with: the fifty-six input
// boxes (Text1(1) … Text4(14), column by column), the colours of the three boxes that blink
// (Text57, Text58, Text63) and the power mode.
struct PowerLook {
    QStringList inputs;
    std::array<QColor, 3> latched;
    bool average = false;
};

bool isPowerWindow(const QWidget* window);
PowerLook lookOf(const QWidget* window);

// Checks a power window against figures computed here from the counts it shows and the fixture
// data; `before` is what it showed before the action, or null when it has just opened.
QString checkPowerWindow(QWidget* window, const PowerLook* before, const Action& done);

} // namespace velantra::test
