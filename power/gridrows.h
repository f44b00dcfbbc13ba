#pragma once

// Layout rows shared by the two power windows: the fourteen grid rows of input boxes and model
// labels, the figure boxes, the current choices and the headings, built from per-window data.

#include "i18n/translatable.h"
#include "power/fixturepowertable.h"
#include "ui/layouttable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace velantra::power
{

constexpr ui::Font kArial12Bold{"Arial", 12, 700};
constexpr ui::Font kSansSerif975Bold{"MS Sans Serif", 9.75, 700};
constexpr ui::Colour kCaptionText = 0x80000009;

// One grid row: the tab index of each input box and the names of the labels that show its
// fixtures.
struct GridRow {
    int tab1, tab2, tab3, tab4;
    std::string_view ccLabel, cvLabel;
};
using Grid = std::array<GridRow, kRows>;

// The grid of both windows; the ORVO 36 window puts Text1(1) elsewhere in the tab order.
constexpr Grid kGrid{{
    {118, 58, 71, 72, "Label8", "Label28"},
    {108, 59, 73, 74, "Label10", "Label27"},
    {47, 60, 75, 76, "Label9", "Label25"},
    {48, 61, 77, 78, "Label4", "Label26"},
    {49, 62, 79, 80, "Label3", "Label23"},
    {50, 63, 81, 82, "Label6", "Label24"},
    {51, 64, 83, 84, "Label5", "Label21"},
    {52, 65, 85, 86, "Label12", "Label22"},
    {53, 66, 87, 88, "Label11", "Label19"},
    {54, 67, 89, 90, "Label1", "Label20"},
    {55, 68, 91, 92, "Label2", "Label17"},
    {56, 69, 93, 94, "Label7", "Label18"},
    {57, 70, 95, 96, "Label14", "Label15"},
    {97, 98, 100, 99, "Label13", "Label16"},
}};

constexpr Grid withFirstTab(Grid grid, int tab)
{
    grid[0].tab1 = tab;
    return grid;
}

struct ModelLabelColours {
    ui::Colour ccBack, ccText, cvBack, cvText;
};

// Names of the input boxes: column c (1 … 4), index 0 … 14.
constexpr std::string_view kBoxNames[4][kRows + 1] = {
    {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)", "Text1(6)", "Text1(7)",
     "Text1(8)", "Text1(9)", "Text1(10)", "Text1(11)", "Text1(12)", "Text1(13)", "Text1(14)"},
    {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)", "Text2(4)", "Text2(5)", "Text2(6)", "Text2(7)",
     "Text2(8)", "Text2(9)", "Text2(10)", "Text2(11)", "Text2(12)", "Text2(13)", "Text2(14)"},
    {"Text3(0)", "Text3(1)", "Text3(2)", "Text3(3)", "Text3(4)", "Text3(5)", "Text3(6)", "Text3(7)",
     "Text3(8)", "Text3(9)", "Text3(10)", "Text3(11)", "Text3(12)", "Text3(13)", "Text3(14)"},
    {"Text4(0)", "Text4(1)", "Text4(2)", "Text4(3)", "Text4(4)", "Text4(5)", "Text4(6)", "Text4(7)",
     "Text4(8)", "Text4(9)", "Text4(10)", "Text4(11)", "Text4(12)", "Text4(13)", "Text4(14)"},
};

constexpr int kColumnLeft[4] = {720, 1560, 6720, 7560};
constexpr int kCCModelLeft = 2760;
constexpr int kCVModelLeft = 8280;

constexpr int rowTop(int row)
{
    return 1560 + 360 * (row - 1);
}

// Input box `row` of column `column` (1 … 4): 300 × 285, centred, empty.
constexpr ui::Control inputBox(const Grid& grid, int column, int row, unsigned flags = 0)
{
    const GridRow& r = grid[std::size_t(row - 1)];
    const int tabs[4] = {r.tab1, r.tab2, r.tab3, r.tab4};
    return ui::textBox(kBoxNames[column - 1][row], "",
                       {kColumnLeft[column - 1], rowTop(row), 300, 285}, tabs[column - 1])
        .set(ui::Centred | flags);
}

// The grid boxes in the order in which both windows create them: Text3(14), Text4(14),
// Text2(14), Text1(14), then Text4(r), Text3(r) from row 13 up, then Text2(13) … Text2(1),
// then Text1(13) … Text1(3).
constexpr std::array<ui::Control, 54> gridBoxes(const Grid& grid, unsigned text2Flags = 0)
{
    std::array<ui::Control, 54> rows{};
    std::size_t at = 0;
    rows[at++] = inputBox(grid, 3, 14);
    rows[at++] = inputBox(grid, 4, 14);
    rows[at++] = inputBox(grid, 2, 14, text2Flags);
    rows[at++] = inputBox(grid, 1, 14);
    for (int row = 13; row >= 1; --row) {
        rows[at++] = inputBox(grid, 4, row);
        rows[at++] = inputBox(grid, 3, row);
    }
    for (int row = 13; row >= 1; --row)
        rows[at++] = inputBox(grid, 2, row, text2Flags);
    for (int row = 13; row >= 3; --row)
        rows[at++] = inputBox(grid, 1, row);
    return rows;
}

constexpr int labelNumber(std::string_view name)
{
    int number = 0;
    for (char c : name.substr(name.find_first_of("0123456789")))
        number = number * 10 + (c - '0');
    return number;
}

// The 28 model labels, created in descending order of their number.
constexpr std::array<ui::Control, 2 * kRows>
modelLabels(const Grid& grid, const FixturePowerTable& fixtures, ModelLabelColours colours)
{
    std::array<ui::Control, 2 * kRows> rows{};
    for (int row = 1; row <= kRows; ++row) {
        const GridRow& r = grid[std::size_t(row - 1)];
        const FixtureRow& f = fixtures.row(row);
        const int top = rowTop(row);
        rows[std::size_t(2 * row - 2)] =
            ui::label(r.ccLabel, f.cc.model, {kCCModelLeft, top, 1815, 285}, -1)
                .set(ui::Border | ui::Centred)
                .colours(colours.ccBack, colours.ccText);
        rows[std::size_t(2 * row - 1)] =
            ui::label(r.cvLabel, f.cv.model, {kCVModelLeft, top, 1815, 285}, -1)
                .set(ui::Border | ui::Centred)
                .colours(colours.cvBack, colours.cvText);
    }
    std::sort(rows.begin(), rows.end(), [](const ui::Control& a, const ui::Control& b) {
        return labelNumber(a.name) > labelNumber(b.name);
    });
    return rows;
}

// A figure box: read-only, centred, "0".
constexpr ui::Control figureBox(std::string_view name, ui::Twips r, int tab)
{
    return ui::textBox(name, "0", r, tab).set(ui::ReadOnly | ui::Centred);
}

// Text63, the total power.
constexpr ui::Control totalBox(int tab)
{
    return figureBox("Text63", {3360, 9720, 900, 300}, tab).withFont(kSansSerif975Bold);
}

constexpr ui::Control unitLabel(std::string_view name, ui::Twips r)
{
    return ui::label(name, VT_TEXT("Layout", "W"), r, -1);
}

// The three current choices of one CC output in its frame, 350 at the top.
constexpr ui::Control current350(std::string_view name, std::string_view frame, int tab)
{
    return ui::option(name, "350", {120, 240, 615, 195}, tab).in(frame);
}
constexpr ui::Control current700(std::string_view name, std::string_view frame, int tab)
{
    return ui::option(name, "700", {120, 480, 615, 195}, tab).in(frame);
}
constexpr ui::Control current1000(std::string_view name, std::string_view frame, int tab)
{
    return ui::option(name, "1000", {120, 720, 735, 195}, tab).in(frame);
}

} // namespace velantra::power
