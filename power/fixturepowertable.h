#pragma once

// The constant data of the two power configurators: what each fixture row draws from a CC or a
// CV output, and what sets the 75 W controller apart from the 36 W one.

#include <array>
#include <cstdint>
#include <string_view>

namespace velantra::power
{

// Grid rows 1 … 14.
constexpr int kRows = 14;

struct FixturePowerTable {
    std::array<std::int16_t, kRows> ledsPerColour; // CC fixture: LEDs per colour
    std::array<double, kRows> wattsCC;             // CC fixture: watts each
    std::array<double, kRows> wattsCV;             // CV fixture: watts each; 0 for an empty row

    constexpr std::int16_t LedsPerColour(int row) const { return ledsPerColour[row - 1]; }
    constexpr double WattsCC(int row) const { return wattsCC[row - 1]; }
    constexpr double WattsCV(int row) const { return wattsCV[row - 1]; }
};

struct PowerVariant {
    FixturePowerTable table;
    int ledLimit;      // most LEDs per colour on one CC output
    double powerLimit; // most total watts
    std::string_view ledMessageCC1;
    std::string_view ledMessageCC2;
    std::string_view totalMessage;
    // Whether the current choice rules the CC #2 column. The 36 W controller offers no choice
    // there, and its window keeps the column disabled and empty.
    bool currentRulesCC2;
};

// The ORVO 75 (75 W, 6 LEDs per colour) and the ORVO 36 (36 W, 9 LEDs per colour).
const PowerVariant& Orvo75Power();
const PowerVariant& Orvo36Power();

} // namespace velantra::power
