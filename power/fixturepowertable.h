#pragma once

// The constant data of the two power configurators: the fixture of each grid row, its name as
// its model label shows it and what it draws from a CC or a CV output, and what sets the 75 W
// controller apart from the 36 W one.

#include "i18n/translatable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velantra::power
{

// Grid rows 1 … 14.
constexpr int kRows = 14;

struct Fixture {
    std::string_view model;         // empty: the row holds no fixture
    std::int16_t ledsPerColour = 0; // CC fixtures only
    double watts = 0;
};

struct FixtureRow {
    Fixture cc;
    Fixture cv;
};

struct FixturePowerTable {
    std::array<FixtureRow, kRows> rows;

    constexpr const FixtureRow& row(int row) const { return rows[std::size_t(row - 1)]; }
    constexpr std::int16_t LedsPerColour(int r) const { return row(r).cc.ledsPerColour; }
    constexpr double WattsCC(int r) const { return row(r).cc.watts; }
    constexpr double WattsCV(int r) const { return row(r).cv.watts; }
};

// The fixtures of the ORVO controllers. The CC ones of rows 1–12 draw 3.5 W per LED per colour;
// rows 13 and 14 are rated 10.5 W each all the same. Rows 11–14 of the CV side hold none.
inline constexpr FixturePowerTable kOrvoFixtures{{{
    {{"Pomra RGB", 1, 3.5}, {"Belmira soft RGB", 0, 1.5}},
    {{"Pallaro RGB", 1, 3.5}, {"Orsello 600 mm", 0, 12}},
    {{"Gemmo RGB ", 1, 3.5}, {"Orsello 900 mm", 0, 18}},
    {{"Tessino RGB380 mm", 2, 7}, {"Quellin 600mm", 0, 6}},
    {{"Tessino RGB 560 mm", 3, 10.5}, {"Quellin 900 mm", 0, 9}},
    {{"Tessino RGB 740 mm", 4, 14}, {"Ribbo 390 mm", 0, 3.84}},
    {{"Tessino RGB 920 mm", 5, 17.5}, {"Ribbo690 mm", 0, 7.6}},
    {{"Ondrel RGB ", 1, 3.5}, {"Ribbo 1090 mm", 0, 11.5}},
    {{"Corvale RGB big", 3, 10.5}, {"Sorvel RGB", 0, 1.5}},
    {{"Corvale RGB small", 1, 3.5}, {"Fenda color", 0, 12}},
    {{"Aldrace adjustable RGB", 1, 3.5}, {}},
    {{"Orsello classic", 3, 10.5}, {}},
    {{"Orsello Magnetic", 6, 10.5}, {}},
    {{"Tizzano RGB (700mA)", 2, 10.5}, {}},
}}};

// The same fixtures with none on one row of the CV side.
constexpr FixturePowerTable withoutCvFixture(FixturePowerTable table, int row)
{
    table.rows[std::size_t(row - 1)].cv = {};
    return table;
}

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

// The ORVO 75 (75 W, 6 LEDs per colour) and the ORVO 36 (36 W, 9 LEDs per colour, no fixture on
// row 10 of the CV side).
inline constexpr PowerVariant kOrvo75Power{
    .table = kOrvoFixtures,
    .ledLimit = 6,
    .powerLimit = 75,
    .ledMessageCC1 = VT_TEXT("Messages", "Max 6 led / colour on each constant current output !"),
    .ledMessageCC2 = VT_TEXT("Messages", "Max 6 led / colour on each constant current output ! "),
    .totalMessage = VT_TEXT("Messages", "TOTAL POWER > 75 W !!!"),
    .currentRulesCC2 = true,
};

inline constexpr PowerVariant kOrvo36Power{
    .table = withoutCvFixture(kOrvoFixtures, 10),
    .ledLimit = 9,
    .powerLimit = 36,
    .ledMessageCC1 = VT_TEXT("Messages", "Max 9 led / colour on each constant current output !"),
    .ledMessageCC2 = VT_TEXT("Messages", "Max 9 led / colour on each constant current output ! "),
    .totalMessage = VT_TEXT("Messages", "TOTAL POWER > 36 W !!!"),
    .currentRulesCC2 = false,
};

} // namespace velantra::power
