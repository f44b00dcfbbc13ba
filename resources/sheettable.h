#pragma once

// The data sheets are pictures of reference tables. Each table is described here as plain data:
// its picture size and file, the widths of its grid columns, its title and headings, and its
// rows as the installer reads them. One renderer (tablerenderer.h) turns a description into the
// picture; the generator writes the pictures into resources/sheets/, and the windows show them.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velantra::sheets
{

// A picture among the program's resources. The generator writes it to the same path below the
// resources folder.
struct PictureFile {
    std::string_view resource; // ":/sheets/dat.png"
    std::string_view format;   // "PNG" (lossless, 24-bit pixels) or "JPEG"
    int width = 0, height = 0;
};

inline constexpr PictureFile kShowListPicture{":/sheets/showlist.jpg", "JPEG", 725, 599};
inline constexpr PictureFile kSpeedPicture{":/sheets/speeds.png", "PNG", 257, 143};
inline constexpr PictureFile kPassivePicture{":/sheets/dat.png", "PNG", 702, 545};
inline constexpr PictureFile kRgbPicture{":/sheets/dat2.png", "PNG", 466, 216};
inline constexpr PictureFile kDorPicture{":/sheets/dat3.png", "PNG", 466, 221};
inline constexpr PictureFile kTunesPicture{":/sheets/dat4.png", "PNG", 354, 205};

// A heading cell of the grid below the title; spans cover grid columns and heading rows.
struct Heading {
    std::string_view text;
    int row = 0, column = 0;
    int rowSpan = 1, columnSpan = 1;
};

enum class Align : std::uint8_t { Left, Centre };

// How the values of one column of the rows are drawn.
enum class Fill : std::uint8_t {
    Text, // the value as text in one grid column
    Mark, // a short upright stroke in sub-column N of `span` grid columns, none for an empty value
};

struct Column {
    int first = 0; // grid column
    Align align = Align::Centre;
    Fill fill = Fill::Text;
    int span = 1;
};

// Wide enough for the widest sheet; a row leaves its unused cells empty.
constexpr int kMaxColumns = 8;
using Row = std::array<std::string_view, kMaxColumns>;

// A spreadsheet table drawn from the picture's top-left corner: black grid lines one pixel wide
// around every cell, light grey cells, bold headings. Sizes are in pixels without grid lines.
struct SheetTable {
    PictureFile picture;
    std::string_view title; // one cell across all columns; empty: no title row
    int titleHeight = 0;
    std::span<const int> columnWidths;
    std::span<const int> headingHeights;
    std::span<const Heading> headings;
    int emptyRows = 0; // empty rows between the headings and the first row
    int rowHeight = 0;
    std::span<const Column> columns;
    std::span<const Row> rows;
};

// The show list: a dark band with a heading above the show numbers, each beside a colour bar
// that runs through the named colours from left to right.
struct ShowBar {
    std::string_view show;
    std::array<std::string_view, 4> colours; // left to right; unused ones empty
};

struct ShowList {
    PictureFile picture;
    int tableWidth = 0, tableHeight = 0; // the rest of the picture is white
    std::string_view heading;
    int numberWidth = 0, rowHeight = 0;
    std::span<const ShowBar> bars;
};

// A colour the show bars name, 0xRRGGBB.
struct NamedColour {
    std::string_view name;
    std::uint32_t rgb;
};

// The sheets of the program.
const ShowList& showList();          // Easyrun, Picture1
const SheetTable& speedTable();      // Easyrun, Picture2
const SheetTable& passiveFixtures(); // Dat
const SheetTable& rgbFixtures();     // Dat2
const SheetTable& dorFixtures();     // Dat3
const SheetTable& tunes();           // Dat4

// Every spreadsheet table, for the generator.
std::span<const SheetTable* const> tables();

// What a picture holds, in words for a screen reader: the title, the number of rows and the
// column headings ("RGB Passive Fixtures, table of 27 rows: Fixture, N. led, …"); a heading over
// numbered sub-headings reads "Dip 2 (1 to 4)".
std::string describe(const SheetTable& table);
std::string describe(const ShowList& list);

// The colour of a bar's colour name; black for a name it does not know.
std::uint32_t colourNamed(std::string_view name);

// The size in pixels of the drawn table: its cells with the grid lines between and around them.
constexpr int tableWidth(const SheetTable& table)
{
    int width = 1;
    for (int column : table.columnWidths)
        width += column + 1;
    return width;
}

constexpr int tableHeight(const SheetTable& table)
{
    int height = 1;
    if (!table.title.empty())
        height += table.titleHeight + 1;
    for (int row : table.headingHeights)
        height += row + 1;
    return height + (table.emptyRows + int(table.rows.size())) * (table.rowHeight + 1);
}

} // namespace velantra::sheets
