#pragma once

// Layout rows that the configurator windows share but for their place and tab index.

#include "dip/modeprofile.h"
#include "i18n/translatable.h"
#include "ui/layouttable.h"

#include <array>

namespace velantra::dip
{

constexpr ui::Font kArial975{"Arial", 9.75, 400};
constexpr ui::Font kArialBlack975{"Arial Black", 9.75, 900};

constexpr std::string_view kErrorText = VT_TEXT("Layout", "! ERROR !  DMX address: 1 - 511");
constexpr std::string_view kLeverNumbers12 = "1   2   3    4    5   6   7    8   9  10  11 12";
constexpr std::string_view kLeverNumbers4 = "1   2   3    4 ";

constexpr ui::Colour kDiscRed = 0x000000FF;
constexpr ui::Colour kDiscGreen = 0x0000C000;
constexpr ui::Colour kDiscGrey = 0x00808080;

// The fixtures' "120 ohm resistor" box is 1455 twips wide in the device drawings; it is widened
// to the right so that its caption fits in the program's font.
constexpr int kResistorBoxWidth = 1530;

// Text1: the DMX start address, "1" when the window opens.
constexpr ui::Control addressBox(ui::Twips r, int tab)
{
    return ui::textBox("Text1", "1", r, tab)
        .set(ui::Centred)
        .withFont(kArial975)
        .named(VT_TEXT("Layout", "DMX address"));
}

// Label7: shown while the address is refused.
constexpr ui::Control errorLabel(ui::Twips r, int tab)
{
    return ui::label("Label7", kErrorText, r, tab)
        .set(ui::Hidden | ui::Centred | ui::Border | ui::Alert)
        .withFont(kArialBlack975)
        .colours(ui::kWhite, ui::kRed);
}

// Label4: a captionless bordered label that draws a line around the device drawing.
constexpr ui::Control frameLine(ui::Twips r, int tab)
{
    return ui::label("Label4", "", r, tab)
        .set(ui::Transparent | ui::Border)
        .named(VT_TEXT("Layout", "Device outline"));
}

constexpr ui::Control redDisc(ui::Twips r)
{
    return ui::shape(ui::Kind::Circle, "Shape34", r, kDiscRed)
        .named(VT_TEXT("Layout", "Red indicator lamp"));
}
constexpr ui::Control greenDisc(ui::Twips r)
{
    return ui::shape(ui::Kind::Circle, "Shape35", r, kDiscGreen)
        .named(VT_TEXT("Layout", "Green indicator lamp"));
}
constexpr ui::Control greyDisc(ui::Twips r)
{
    return ui::shape(ui::Kind::Circle, "Shape36", r, kDiscGrey)
        .named(VT_TEXT("Layout", "Rotary knob"));
}
constexpr ui::Control knobBar(ui::Twips r)
{
    return ui::shape(ui::Kind::Bar, "Shape37", r).named(VT_TEXT("Layout", "Rotary knob groove"));
}
// The bodies of the banks: Shape1(0) behind the 12 levers, Shape1(1) behind the 4.
constexpr ui::Control bankBody(std::string_view name, ui::Twips r)
{
    return ui::shape(ui::Kind::Rectangle, name, r, ui::kActiveBorder)
        .named(name == "Shape1(0)" ? VT_TEXT("Layout", "12-lever DIP-switch bank")
                                   : VT_TEXT("Layout", "4-lever DIP-switch bank"));
}

// The speed and show option buttons stand at the same places in every window that has them;
// only their creation order and tab indices differ.
struct NumberedOption {
    int number; // speed 0–4 or show 0–15
    int tab;
};

constexpr std::string_view kSpeedCaptions[] = {
    VT_TEXT("Layout", "Speed 0"), VT_TEXT("Layout", "Speed 1"), VT_TEXT("Layout", "Speed 2"),
    VT_TEXT("Layout", "Speed 3"), VT_TEXT("Layout", "Speed 4")};
constexpr int kSpeedWidths[] = {1095, 1215, 1215, 1095, 1215};

constexpr std::string_view kShowCaptions[] = {
    VT_TEXT("Layout", "Show 0"),  VT_TEXT("Layout", "Show 1"),  VT_TEXT("Layout", "Show 2"),
    VT_TEXT("Layout", "Show 3"),  VT_TEXT("Layout", "Show 4"),  VT_TEXT("Layout", "Show 5"),
    VT_TEXT("Layout", "Show 6"),  VT_TEXT("Layout", "Show 7"),  VT_TEXT("Layout", "Show 8"),
    VT_TEXT("Layout", "Show 9"),  VT_TEXT("Layout", "Show 10"), VT_TEXT("Layout", "Show 11"),
    VT_TEXT("Layout", "Show 12"), VT_TEXT("Layout", "Show 13"), VT_TEXT("Layout", "Show 14"),
    VT_TEXT("Layout", "Show 15"),
};
constexpr int kShowWidths[] = {975,  1095, 975,  975,  1215, 1215, 1215, 1215,
                               1095, 1095, 1095, 1095, 1095, 1095, 1215, 975};

// "Speed n" in the frame "Speeds": one column, 360 twips apart.
constexpr ui::Control speedOption(NumberedOption o)
{
    const auto n = std::size_t(o.number);
    return ui::option(kSpeedOptions[n], kSpeedCaptions[n],
                      {360, 360 + 360 * o.number, kSpeedWidths[n], 375}, o.tab)
        .in("Frame2");
}

// "Show n" in the frame "Shows": shows 0–7 in the left column, 8–15 in the right one.
constexpr ui::Control showOption(NumberedOption o)
{
    const auto n = std::size_t(o.number);
    const int left = o.number < 8 ? 240 : 1680;
    const int top = 240 + 360 * (o.number % 8);
    return ui::option(kShowOptions[n], kShowCaptions[n], {left, top, kShowWidths[n], 255}, o.tab)
        .in("Frame3");
}

template <std::size_t N>
constexpr std::array<ui::Control, N> speedOptions(const NumberedOption (&order)[N])
{
    std::array<ui::Control, N> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = speedOption(order[i]);
    return rows;
}

template <std::size_t N>
constexpr std::array<ui::Control, N> showOptions(const NumberedOption (&order)[N])
{
    std::array<ui::Control, N> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = showOption(order[i]);
    return rows;
}

// The ORVO controllers create the speeds from Speed 4 down, tab indices 14 down to 10.
constexpr auto orvoSpeedOptions()
{
    return speedOptions({{4, 14}, {3, 13}, {2, 12}, {1, 11}, {0, 10}});
}

// The ORVO controllers create the shows Show 15, Show 2, then Show 14 down to Show 3, then Show 1
// and Show 0; only the tab indices of Show 15 and Show 2 differ between them.
constexpr auto orvoShowOptions(int tabShow15, int tabShow2)
{
    return showOptions({{15, tabShow15},
                        {2, tabShow2},
                        {14, 28},
                        {13, 27},
                        {12, 26},
                        {11, 25},
                        {10, 24},
                        {9, 23},
                        {8, 22},
                        {7, 21},
                        {6, 20},
                        {5, 19},
                        {4, 18},
                        {3, 17},
                        {1, 16},
                        {0, 15}});
}

} // namespace velantra::dip
