#pragma once

namespace velantra
{

// The twelve windows that the menu of the main window shows.
enum class WindowId {
    Dip_DMX,
    Dip_36,
    Dip_FLUO,
    Intell,
    dipDOR,
    Calc,
    Calc2,
    Easyrun,
    Dat,
    Dat2,
    Dat3,
    Dat4,
};
constexpr int kWindowCount = 12;

} // namespace velantra
