// The five data-sheet windows: the master mode's shows and speeds, the passive and intelligent
// fixtures, and the colour-temperature tunes.
#include "resources/sheettable.h"
#include "sheets/sheetreader.h"
#include "sheets/sheetwindow.h"
#include "sheets/windows.h"
#include "ui/qstr.h"

namespace velantra::sheets
{
namespace
{

using namespace ui;

constexpr WindowSpec kEasyrun{
    .name = "Easyrun", .caption = "Easy run menu", .client = {-1, -1, 9705, 4785}, .sizable = true};
constexpr WindowSpec kDat{.name = "Dat",
                          .caption = "Passive fixtures data",
                          .client = {-1, -1, 10530, 8175},
                          .sizable = true};
constexpr WindowSpec kDat2{.name = "Dat2",
                           .caption = "Intelligent RGB fixtures data",
                           .client = {-1, -1, 6960, 3210},
                           .sizable = true};
constexpr WindowSpec kDat3{.name = "Dat3",
                           .caption = "DOR Intelligent fixtures data ",
                           .client = {5610, 3135, 6960, 3285},
                           .sizable = true};
constexpr WindowSpec kDat4{.name = "Dat4",
                           .caption = "Atmospehre tunes",
                           .client = {7830, 3690, 5295, 3060},
                           .sizable = true};

// Without borders the boxes show their tables whole: a border would cover the outer grid lines.
constexpr Control kEasyrunLayout[] = {
    picture("Picture1", kShowListPicture.resource, {120, 120, 5415, 4575}, 1)
        .named("Built-in shows and their colours"),
    picture("Picture2", kSpeedPicture.resource, {5760, 2520, 3855, 2175}, 0)
        .colours(kActiveBorder)
        .named("Show play-back speeds"),
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

QWidget* createEasyrun()
{
    auto* window = new SheetWindow(kEasyrun, {}, kEasyrunLayout);
    window->findChild<QWidget*>(QStringLiteral("Picture1"))
        ->setAccessibleDescription(QString::fromStdString(describe(showList())));
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
