// The rows of the six data-sheet pictures, as the installer reads them. Correcting a row here and
// running `make resources` redraws its picture.
//
// Article codes: "MB" and the range of the family (41 passive fixtures, 52 intelligent RGB
// fixtures, 53 DOR fixtures), then the model within the range.
#include "i18n/translatable.h"
#include "resources/sheettable.h"

namespace velantra::sheets
{
namespace
{

constexpr ShowBar kShowBars[] = {
    {"o", {VT_TEXT("Sheets", "red"), VT_TEXT("Sheets", "green"), VT_TEXT("Sheets", "blue")}},
    {"01",
     {VT_TEXT("Sheets", "red"), VT_TEXT("Sheets", "green"), VT_TEXT("Sheets", "blue"),
      VT_TEXT("Sheets", "white")}},
    {"02",
     {VT_TEXT("Sheets", "blue"), VT_TEXT("Sheets", "green"), VT_TEXT("Sheets", "blue"),
      VT_TEXT("Sheets", "red")}},
    {"03", {VT_TEXT("Sheets", "green"), VT_TEXT("Sheets", "blue")}},
    {"04", {VT_TEXT("Sheets", "green"), VT_TEXT("Sheets", "bluish"), VT_TEXT("Sheets", "blue")}},
    {"05", {VT_TEXT("Sheets", "red"), VT_TEXT("Sheets", "blue")}},
    {"06", {VT_TEXT("Sheets", "red"), VT_TEXT("Sheets", "green")}},
    {"07", {VT_TEXT("Sheets", "red"), VT_TEXT("Sheets", "yellow"), VT_TEXT("Sheets", "green")}},
    {"08", {VT_TEXT("Sheets", "red")}},
    {"09", {VT_TEXT("Sheets", "green")}},
    {"10", {VT_TEXT("Sheets", "blue")}},
    {"11", {VT_TEXT("Sheets", "yellow")}},
    {"12", {VT_TEXT("Sheets", "bluish")}},
    {"13", {VT_TEXT("Sheets", "purple")}},
    {"14", {VT_TEXT("Sheets", "white cold")}},
    {"15", {VT_TEXT("Sheets", "white warm")}},
};

constexpr NamedColour kColours[] = {
    {"red", 0xFF0000},    {"green", 0x00FF00},      {"blue", 0x0000FF},
    {"white", 0xFFFFFF},  {"bluish", 0x00B0F0},     {"yellow", 0xFFFF00},
    {"purple", 0xA000E0}, {"white cold", 0xE4EEFF}, {"white warm", 0xFFE0A8},
};

constexpr ShowList kShowList{
    .picture = kShowListPicture,
    .tableWidth = 360,
    .tableHeight = 306,
    .heading = VT_TEXT("Sheets", "show N."),
    .numberWidth = 48,
    .rowHeight = 18,
    .bars = kShowBars,
};

// Easyrun, Picture2: the master mode's playback speeds on the levers of the 12-lever bank.
constexpr int kSpeedWidths[] = {52, 24, 24, 24, 24, 102};
constexpr int kSpeedHeadingHeights[] = {15, 15};
constexpr Heading kSpeedHeadings[] = {
    {VT_TEXT("Sheets", "Speed"), 0, 0, 2, 1},
    {VT_TEXT("Sheets", "Dip 2"), 0, 1, 1, 4},
    {VT_TEXT("Sheets", "Step time"), 0, 5, 2, 1},
    {"1", 1, 1},
    {"2", 1, 2},
    {"3", 1, 3},
    {"4", 1, 4},
};
constexpr Column kSpeedColumns[] = {{0}, {1}, {2}, {3}, {4}, {5}};
// clang-format off
constexpr Row kSpeedRows[] = {
    {"0", "0", "0", "0", "0", VT_TEXT("Sheets", "10,6 min")},
    {"1", "1", "0", "0", "0", VT_TEXT("Sheets", "5,3 min")},
    {"2", "0", "1", "0", "0", VT_TEXT("Sheets", "160 sec")},
    {"3", "0", "0", "1", "0", VT_TEXT("Sheets", "80 sec")},
    {"4", "0", "0", "0", "1", VT_TEXT("Sheets", "30 sec")},
};
// clang-format on
constexpr SheetTable kSpeedTable{
    .picture = kSpeedPicture,
    .title = VT_TEXT("Sheets", "Show play-back speed"),
    .titleHeight = 19,
    .columnWidths = kSpeedWidths,
    .headingHeights = kSpeedHeadingHeights,
    .headings = kSpeedHeadings,
    .rowHeight = 17,
    .columns = kSpeedColumns,
    .rows = kSpeedRows,
};

// Dat: the passive fixtures that the controllers drive.
constexpr int kPassiveWidths[] = {162, 44, 52, 118, 56, 56, 124, 81};
constexpr int kPassiveHeadingHeights[] = {28};
constexpr Heading kPassiveHeadings[] = {
    {VT_TEXT("Sheets", "Fixture"), 0, 0},
    {VT_TEXT("Sheets", "N. led"), 0, 1},
    {VT_TEXT("Sheets", "N. led / colour"), 0, 2},
    {VT_TEXT("Sheets", "Driving mode"), 0, 3},
    {VT_TEXT("Sheets", "Nominal power"), 0, 4},
    {VT_TEXT("Sheets", "Average power"), 0, 5},
    {VT_TEXT("Sheets", "LED"), 0, 6},
    {VT_TEXT("Sheets", "Code"), 0, 7},
};
constexpr Column kPassiveColumns[] = {{0, Align::Left}, {1}, {2}, {3, Align::Left}, {4}, {5},
                                      {6, Align::Left}, {7}};
// clang-format off
constexpr Row kPassiveRows[] = {
    {"Corvale big", "9", "3", VT_TEXT("Sheets", "Const. Curr. 350mA"), "10,5", "7,0", VT_TEXT("Sheets", "Power led 1W"), "MB 41.111"},
    {"Corvale small", "3", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Power led 1W"), "MB 41.112"},
    {"Tessino 380", "6", "2", VT_TEXT("Sheets", "Const. Curr. 350mA"), "7", "4,7", VT_TEXT("Sheets", "Power led 1W"), "MB 41.138"},
    {"Tessino 560", "9", "3", VT_TEXT("Sheets", "Const. Curr. 350mA"), "10,5", "7,0", VT_TEXT("Sheets", "Power led 1W"), "MB 41.156"},
    {"Tessino 740", "12", "4", VT_TEXT("Sheets", "Const. Curr. 350mA"), "14", "9,3", VT_TEXT("Sheets", "Power led 1W"), "MB 41.174"},
    {"Tessino 920", "15", "5", VT_TEXT("Sheets", "Const. Curr. 350mA"), "17,5", "11,7", VT_TEXT("Sheets", "Power led 1W"), "MB 41.192"},
    {"Pomra", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.301"},
    {"Aldrace adjustable 6°/ 30°", "3", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Power led 1W"), "MB 41.311"},
    {"Belmira soft", "9", "1", VT_TEXT("Sheets", "Constant volt."), "1,5", "1,0", VT_TEXT("Sheets", "3mm LED"), "MB 41.321"},
    {"Orsello 600", "40", "", VT_TEXT("Sheets", "Constant volt."), "12", "8,0", VT_TEXT("Sheets", "Multichip LED 0.3 W"), "MB 41.460"},
    {"Orsello 900", "60", "", VT_TEXT("Sheets", "Constant volt."), "18", "12,0", VT_TEXT("Sheets", "Multichip LED 0.3 W"), "MB 41.490"},
    {"Quellin 600", "20", "", VT_TEXT("Sheets", "Constant volt."), "6", "4,0", VT_TEXT("Sheets", "Multichip LED 0.3 W"), "MB 41.560"},
    {"Quellin 900", "30", "", VT_TEXT("Sheets", "Constant volt."), "9", "6,0", VT_TEXT("Sheets", "Multichip LED 0.3 W"), "MB 41.590"},
    {"Orsello classic RGB", "9", "3", VT_TEXT("Sheets", "Const. Curr. 350mA"), "10,5", "7,0", VT_TEXT("Sheets", "Power led 1W"), "MB 41.401"},
    {"Orsello magnetic RGB", "18", "6", VT_TEXT("Sheets", "Const. Curr. 350mA"), "22", "14,7", VT_TEXT("Sheets", "Power led 1W"), "MB 41.402"},
    {"Pallaro", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.331"},
    {"Gemmo fischio", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.341"},
    {"Gemmo piramide", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.342"},
    {"Gemmo cubo", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.343"},
    {"Gemmo round", "1", "1", VT_TEXT("Sheets", "Const. Curr. 350mA"), "3,5", "2,3", VT_TEXT("Sheets", "Multichip LED 3.5 W"), "MB 41.344"},
    {"Tizzano RGB", "1", "1/2/1", VT_TEXT("Sheets", "Const. Curr. 700mA"), "10", "6,7", VT_TEXT("Sheets", "Multichipled 7,5 W"), "MB 41.351"},
    {"Ribbo 390", "45", "", VT_TEXT("Sheets", "Constant volt."), "3,84", "2,6", VT_TEXT("Sheets", "5mm LED"), "MB 41.603"},
    {"Ribbo 690", "90", "", VT_TEXT("Sheets", "Constant volt."), "7,6", "5,1", VT_TEXT("Sheets", "5mm LED"), "MB 41.606"},
    {"Ribbo 1090", "135", "", VT_TEXT("Sheets", "Constant volt."), "11,5", "7,7", VT_TEXT("Sheets", "5mm LED"), "MB 41.610"},
    {"Ondrel RGB 6°- 30°", "3", "", VT_TEXT("Sheets", "Constant curr."), "3,5", "2,3", "Luxeon K2 1 W", "MB 41.361"},
    {"Sorvel RGB", "1", "", VT_TEXT("Sheets", "Constant volt."), "1,5", "1,0", VT_TEXT("Sheets", "Multichip LED 5 mm"), "MB 41.371"},
    {"Fenda color RGB", "40", "", VT_TEXT("Sheets", "Constant volt."), "12", "8,0", VT_TEXT("Sheets", "Multichip LED 0.3 W"), "MB 41.701"},
};
// clang-format on
constexpr SheetTable kPassiveFixtures{
    .picture = kPassivePicture,
    .title = VT_TEXT("Sheets", "RGB Passive Fixtures"),
    .titleHeight = 21,
    .columnWidths = kPassiveWidths,
    .headingHeights = kPassiveHeadingHeights,
    .headings = kPassiveHeadings,
    .emptyRows = 2,
    .rowHeight = 16,
    .columns = kPassiveColumns,
    .rows = kPassiveRows,
};

// Dat2 and Dat3: the intelligent fixtures, addressed by their own DIP switches. The windows are
// a pixel or two smaller than the pictures, so the tables end inside the windows.
constexpr int kIntelligentWidths[] = {130, 60, 88, 88, 92};
constexpr int kRgbHeadingHeights[] = {28};
constexpr int kDorHeadingHeights[] = {26};
constexpr Heading kIntelligentHeadings[] = {
    {VT_TEXT("Sheets", "Fixture"), 0, 0},         {VT_TEXT("Sheets", "N. led"), 0, 1},
    {VT_TEXT("Sheets", "N. led / colour"), 0, 2}, {VT_TEXT("Sheets", "Max. Power"), 0, 3},
    {VT_TEXT("Sheets", "Codice"), 0, 4},
};
constexpr Column kIntelligentColumns[] = {{0, Align::Left}, {1}, {2}, {3}, {4}};
constexpr Row kRgbRows[] = {
    {"Nano Ardeo", "5", "5", "23 W", "MB 52.105"},
    {"Ardeo", "15", "5", "53W", "MB 52.115"},
    {"Vestri 620mm", "18", "6", "28 W", "MB 52.206"},
    {"Vestri 1200mm", "36", "12", "56 W", "MB 52.212"},
    {"Vestri 1800mm", "54", "18", "84 W", "MB 52.218"},
    {"Vestri 2400mm", "72", "24", "112 W", "MB 52.224"},
    {"Alaro 10°", "15", "5", "23W", "MB 52.310"},
    {"Alaro 30°", "15", "5", "23W", "MB 52.330"},
    {"Talvo 620mm", "18", "6", "28W", "MB 52.406"},
};
constexpr Row kDorRows[] = {
    {"Ardeo 10°", "15", "10/5", "45W", "MB 53.110"},
    {"Ardeo 40°", "15", "10/5", "45W", "MB 53.140"},
    {"Vestri 620mm", "18", "12/6", "28 W", "MB 53.206"},
    {"Vestri 1200mm", "36", "24/12", "56 W", "MB 53.212"},
    {"Vestri 1800mm", "54", "36/18", "84 W", "MB 53.218"},
    {"Vestri 2400mm", "72", "48/24", "112 W", "MB 53.224"},
    {"Alaro 10°", "15", "10/5", "23W", "MB 53.310"},
    {"Alaro 30°", "15", "10/5", "23W", "MB 53.330"},
    {"Talvo 620mm", "18", "12/6", "28W", "MB 53.406"},
};
constexpr SheetTable kRgbFixtures{
    .picture = kRgbPicture,
    .title = VT_TEXT("Sheets", "RGB Intelligent Fixtures dip-switch settable"),
    .titleHeight = 21,
    .columnWidths = kIntelligentWidths,
    .headingHeights = kRgbHeadingHeights,
    .headings = kIntelligentHeadings,
    .rowHeight = 17,
    .columns = kIntelligentColumns,
    .rows = kRgbRows,
};
constexpr SheetTable kDorFixtures{
    .picture = kDorPicture,
    .title = VT_TEXT("Sheets", "DOR Intelligent Fixtures dip-switch settable"),
    .titleHeight = 19,
    .columnWidths = kIntelligentWidths,
    .headingHeights = kDorHeadingHeights,
    .headings = kIntelligentHeadings,
    .rowHeight = 18,
    .columns = kIntelligentColumns,
    .rows = kDorRows,
};

// Dat4: the colour-temperature tunes on the levers of the DOR fixtures' Dip 2 bank.
constexpr int kTuneWidths[] = {58, 58, 25, 25, 25, 25, 25, 25, 25, 25, 25};
constexpr int kTuneHeadingHeights[] = {21, 20};
constexpr Heading kTuneHeadings[] = {
    {VT_TEXT("Sheets", "CCT"), 0, 0, 2, 1},
    {VT_TEXT("Sheets", "°K"), 0, 1, 2, 1},
    {VT_TEXT("Sheets", "Dip 2"), 0, 2, 1, 9},
    {"1", 1, 2},
    {"2", 1, 3},
    {"3", 1, 4},
    {"4", 1, 5},
    {"5", 1, 6},
    {"6", 1, 7},
    {"7", 1, 8},
    {"8", 1, 9},
    {"9", 1, 10},
};
constexpr Column kTuneColumns[] = {{0}, {1}, {2, Align::Centre, Fill::Mark, 9}};
// clang-format off
constexpr Row kTuneRows[] = {
    {"CCT0", "5400", ""},
    {"CCT1", "5100", "1"},
    {"CCT2", "4800", "2"},
    {"CCT3", "4500", "3"},
    {"CCT4", "4200", "4"},
    {"CCT5", "3900", "5"},
    {"CCT6", "3600", "6"},
    {"CCT7", "3300", "7"},
    {"CCT8", "3000", "8"},
    {"CCT9", "2700", "9"},
};
// clang-format on
constexpr SheetTable kTunes{
    .picture = kTunesPicture,
    .columnWidths = kTuneWidths,
    .headingHeights = kTuneHeadingHeights,
    .headings = kTuneHeadings,
    .rowHeight = 15,
    .columns = kTuneColumns,
    .rows = kTuneRows,
};

constexpr const SheetTable* kTables[] = {&kSpeedTable, &kPassiveFixtures, &kRgbFixtures,
                                         &kDorFixtures, &kTunes};

// Every table ends inside its picture box or window as it opens: only white margin is cut off.
constexpr bool fits(const SheetTable& table, int width, int height)
{
    return tableWidth(table) <= width && tableHeight(table) <= height;
}
static_assert(fits(kSpeedTable, 257, 145) && fits(kPassiveFixtures, 702, 545));
static_assert(fits(kRgbFixtures, 464, 214) && fits(kDorFixtures, 464, 219));
static_assert(fits(kTunes, 353, 204));

} // namespace

const ShowList& showList()
{
    return kShowList;
}
const SheetTable& speedTable()
{
    return kSpeedTable;
}
const SheetTable& passiveFixtures()
{
    return kPassiveFixtures;
}
const SheetTable& rgbFixtures()
{
    return kRgbFixtures;
}
const SheetTable& dorFixtures()
{
    return kDorFixtures;
}
const SheetTable& tunes()
{
    return kTunes;
}

std::span<const SheetTable* const> tables()
{
    return kTables;
}

std::uint32_t colourNamed(std::string_view name)
{
    for (const NamedColour& colour : kColours) {
        if (colour.name == name)
            return colour.rgb;
    }
    return 0x000000;
}

} // namespace velantra::sheets
