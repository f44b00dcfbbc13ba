#pragma once

// Layout rows that the configurator windows share but for their place and tab index.

#include "ui/layouttable.h"

namespace velantra::dip
{

using namespace ui;

constexpr Font kArial975{"Arial", 9.75, 400};
constexpr Font kArialBlack975{"Arial Black", 9.75, 900};

constexpr std::string_view kErrorText = "! ERROR !  DMX address: 1 - 511";
constexpr std::string_view kLeverNumbers12 = "1   2   3    4    5   6   7    8   9  10  11 12";
constexpr std::string_view kLeverNumbers4 = "1   2   3    4 ";

constexpr Colour kDiscRed = 0x000000FF;
constexpr Colour kDiscGreen = 0x0000C000;
constexpr Colour kDiscGrey = 0x00808080;

// Text1: the DMX start address, "1" when the window opens.
constexpr Control addressBox(Twips r, int tab)
{
    return textBox("Text1", "1", r, tab).set(Centred).withFont(kArial975).named("DMX address");
}

// Label7: shown while the address is refused.
constexpr Control errorLabel(Twips r, int tab)
{
    return label("Label7", kErrorText, r, tab)
        .set(Hidden | Centred | Border)
        .withFont(kArialBlack975)
        .colours(kWhite, kRed);
}

// Label4: a captionless bordered label that draws a line around the device drawing.
constexpr Control frameLine(Twips r, int tab)
{
    return label("Label4", "", r, tab).set(Transparent | Border);
}

constexpr Control redDisc(Twips r)
{
    return shape(Kind::Circle, "Shape34", r, kDiscRed);
}
constexpr Control greenDisc(Twips r)
{
    return shape(Kind::Circle, "Shape35", r, kDiscGreen);
}
constexpr Control greyDisc(Twips r)
{
    return shape(Kind::Circle, "Shape36", r, kDiscGrey);
}
constexpr Control knobBar(Twips r)
{
    return shape(Kind::Bar, "Shape37", r);
}
// The bodies of the banks: Shape1(0) behind the 12 levers, Shape1(1) behind the 4.
constexpr Control bankBody(std::string_view name, Twips r)
{
    return shape(Kind::Rectangle, name, r, kActiveBorder)
        .named(name == "Shape1(0)" ? "12-lever DIP-switch bank" : "4-lever DIP-switch bank");
}

} // namespace velantra::dip
