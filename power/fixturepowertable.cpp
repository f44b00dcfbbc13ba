#include "power/fixturepowertable.h"

namespace velantra::power
{
namespace
{

// Rows 1–12 draw 3.5 W per LED per colour; rows 13 and 14 are rated 10.5 W each all the same.
constexpr std::array<std::int16_t, kRows> kLedsPerColour{1, 1, 1, 2, 3, 4, 5, 1, 3, 1, 1, 3, 6, 2};
constexpr std::array<double, kRows> kWattsCC{3.5, 3.5,  3.5, 7,   10.5, 14,   17.5,
                                             3.5, 10.5, 3.5, 3.5, 10.5, 10.5, 10.5};

constexpr PowerVariant kOrvo75{
    {kLedsPerColour, kWattsCC, {1.5, 12, 18, 6, 9, 3.84, 7.6, 11.5, 1.5, 12, 0, 0, 0, 0}},
    6,
    75,
    "Max 6 led / colour on each constant current output !",
    "Max 6 led / colour on each constant current output ! ",
    "TOTAL POWER > 75 W !!!",
    true,
};

// Row 10 of the CV side holds no fixture here.
constexpr PowerVariant kOrvo36{
    {kLedsPerColour, kWattsCC, {1.5, 12, 18, 6, 9, 3.84, 7.6, 11.5, 1.5, 0, 0, 0, 0, 0}},
    9,
    36,
    "Max 9 led / colour on each constant current output !",
    "Max 9 led / colour on each constant current output ! ",
    "TOTAL POWER > 36 W !!!",
    false,
};

} // namespace

const PowerVariant& Orvo75Power()
{
    return kOrvo75;
}

const PowerVariant& Orvo36Power()
{
    return kOrvo36;
}

} // namespace velantra::power
