// The five data-sheet windows: the master mode's shows and speeds, the passive and intelligent
// fixtures, and the colour-temperature tunes.
#include "i18n/translatable.h"
#include "resources/sheettable.h"
#include "sheets/sheetreader.h"
#include "sheets/sheetwindow.h"
#include "sheets/windows.h"
#include "ui/qstr.h"

#include <string>
#include <vector>

namespace velantra::sheets
{
namespace
{

using namespace ui;

constexpr WindowSpec kEasyrun{.name = "Easyrun",
                              .caption = VT_TEXT("Layout", "Easy run menu"),
                              .client = {-1, -1, 9705, 4785},
                              .sizable = true};
constexpr WindowSpec kDat{.name = "Dat",
                          .caption = VT_TEXT("Layout", "Passive fixtures data"),
                          .client = {-1, -1, 10530, 8175},
                          .sizable = true};
constexpr WindowSpec kDat2{.name = "Dat2",
                           .caption = VT_TEXT("Layout", "Intelligent RGB fixtures data"),
                           .client = {-1, -1, 6960, 3210},
                           .sizable = true};
constexpr WindowSpec kDat3{.name = "Dat3",
                           .caption = VT_TEXT("Layout", "DOR Intelligent fixtures data "),
                           .client = {5610, 3135, 6960, 3285},
                           .sizable = true};
constexpr WindowSpec kDat4{.name = "Dat4",
                           .caption = VT_TEXT("Layout", "Atmospehre tunes"),
                           .client = {7830, 3690, 5295, 3060},
                           .sizable = true};

// Without borders the boxes show their tables whole: a border would cover the outer grid lines.
constexpr Control kEasyrunLayout[] = {
    picture("Picture1", kShowListPicture.resource, {120, 120, 5415, 4575}, 1)
        .named(VT_TEXT("Layout", "Built-in shows and their colours")),
    picture("Picture2", kSpeedPicture.resource, {5760, 2520, 3855, 2175}, 0)
        .colours(kActiveBorder)
        .named(VT_TEXT("Layout", "Show play-back speeds")),
};

QString resource(const PictureFile& file)
{
    return qstr(file.resource);
}

// A sheet whose window draws one table; a screen reader hears what the table holds.
QWidget* tableWindow(const WindowSpec& spec, const SheetTable& table)
{
    auto* window = new SheetWindow(spec, resource(table.picture));
    window->setAccessibleDescription(QString::fromStdString(describe(table)));
    new SheetReader(window, table);
    return window;
}

} // namespace

namespace
{

// The show list read as a table, a show and its colours to a row: its picture has no grid, so
// the cells are the number and the bar beside it.
const SheetTable& showTable()
{
    static const ShowList& list = showList();
    static const int widths[] = {list.numberWidth - 1, list.tableWidth - list.numberWidth - 2};
    static const int headingHeights[] = {list.rowHeight - 1};
    static const Heading headings[] = {{VT_TEXT("Sheets", "Show"), 0, 0},
                                       {VT_TEXT("Sheets", "Colours, left to right"), 0, 1}};
    static const Column columns[] = {{0}, {1, Align::Left}};
    static const std::vector<std::string> colours = [] {
        std::vector<std::string> joined;
        for (const ShowBar& bar : list.bars) {
            std::string text;
            for (std::string_view colour : bar.colours) {
                if (!colour.empty())
                    text += (text.empty() ? "" : ", ") + std::string(colour);
            }
            joined.push_back(text);
        }
        return joined;
    }();
    static const std::vector<Row> rows = [] {
        std::vector<Row> made;
        for (std::size_t i = 0; i < list.bars.size(); ++i)
            made.push_back(Row{list.bars[i].show, colours[i]});
        return made;
    }();
    static const SheetTable table{.picture = list.picture,
                                  .columnWidths = widths,
                                  .headingHeights = headingHeights,
                                  .headings = headings,
                                  .rowHeight = list.rowHeight - 1,
                                  .columns = columns,
                                  .rows = rows};
    return table;
}

} // namespace

QWidget* createEasyrun()
{
    auto* window = new SheetWindow(kEasyrun, {}, kEasyrunLayout);
    auto* shows = window->findChild<QWidget*>(QStringLiteral("Picture1"));
    shows->setAccessibleDescription(QString::fromStdString(describe(showList())));
    new SheetReader(shows, showTable());
    auto* speeds = window->findChild<QWidget*>(QStringLiteral("Picture2"));
    speeds->setAccessibleDescription(QString::fromStdString(describe(speedTable())));
    new SheetReader(speeds, speedTable());
    return window;
}

QWidget* createDat()
{
    return tableWindow(kDat, passiveFixtures());
}

QWidget* createDat2()
{
    return tableWindow(kDat2, rgbFixtures());
}

QWidget* createDat3()
{
    return tableWindow(kDat3, dorFixtures());
}

QWidget* createDat4()
{
    return tableWindow(kDat4, tunes());
}

} // namespace velantra::sheets
