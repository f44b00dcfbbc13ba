#pragma once

// Where the lever rectangles of a configurator's DIP-switch banks stand, and the layout rows
// that create them. Lever k of the 12-lever bank is drawn by Shape(2k) (upper) and Shape(2k+1)
// (lower); lever k of the 4-lever bank by Shape(2k+24) and Shape(2k+25).

#include "ui/layouttable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace velantra::dip
{

using ui::join;

enum class Bank : std::uint8_t { Twelve, Four };
enum class Row : std::uint8_t { Upper, Lower };

constexpr int kTwelve = 12;
constexpr int kFour = 4;
constexpr int leverCount(Bank bank)
{
    return bank == Bank::Twelve ? kTwelve : kFour;
}

struct BankGeometry {
    int left12 = 0; // Left of lever 1 of the 12-lever bank, twips
    int left4 = -1; // Left of lever 1 of the 4-lever bank; -1: the device has none
    Row onRow = Row::Lower;
    std::uint16_t initiallyOn12 = 0; // bit k−1 set: lever k ON when the window is built
    std::uint8_t initiallyOn4 = 0;
    constexpr bool hasFourBank() const { return left4 >= 0; }
};

constexpr int kLeverPitch = 240;
constexpr int kLeverWidth = 135;
constexpr int kLeverHeight = 375;
constexpr int kUpperTop = 480;
constexpr int kLowerTop = 720;

constexpr std::string_view kShapeNames[] = {
    "Shape0",  "Shape1",  "Shape2",  "Shape3",  "Shape4",  "Shape5",  "Shape6",
    "Shape7",  "Shape8",  "Shape9",  "Shape10", "Shape11", "Shape12", "Shape13",
    "Shape14", "Shape15", "Shape16", "Shape17", "Shape18", "Shape19", "Shape20",
    "Shape21", "Shape22", "Shape23", "Shape24", "Shape25", "Shape26", "Shape27",
    "Shape28", "Shape29", "Shape30", "Shape31", "Shape32", "Shape33",
};

constexpr int shapeNumber(Bank bank, int lever, Row row)
{
    return 2 * lever + (bank == Bank::Four ? 24 : 0) + (row == Row::Lower ? 1 : 0);
}

// The layout row of one lever rectangle, Shape2 … Shape33, visible where the initial state
// of its lever puts it.
constexpr ui::Control leverShape(const BankGeometry& g, int number)
{
    const Bank bank = number >= 26 ? Bank::Four : Bank::Twelve;
    const int lever = (number - (bank == Bank::Four ? 24 : 0)) / 2;
    const Row row = number % 2 ? Row::Lower : Row::Upper;
    const int left = (bank == Bank::Four ? g.left4 : g.left12) + kLeverPitch * (lever - 1);
    const unsigned initial = bank == Bank::Four ? g.initiallyOn4 : g.initiallyOn12;
    const bool on = initial & (1u << (lever - 1));
    const bool visible = on == (row == g.onRow);
    const ui::Twips rect{left, row == Row::Upper ? kUpperTop : kLowerTop, kLeverWidth,
                         kLeverHeight};
    const ui::Control c = ui::shape(ui::Kind::SolidRectangle, kShapeNames[number], rect);
    return visible ? c : c.set(ui::Hidden);
}

// The lever rectangles from Shape`from` to Shape`to`, in that order.
template <int from, int to> constexpr auto leverShapes(const BankGeometry& g)
{
    constexpr int count = (from > to ? from - to : to - from) + 1;
    std::array<ui::Control, count> rows{};
    for (int i = 0; i < count; ++i)
        rows[std::size_t(i)] = leverShape(g, from > to ? from - i : from + i);
    return rows;
}

} // namespace velantra::dip
