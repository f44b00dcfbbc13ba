// The five data-sheet windows: the master mode's shows and speeds, the passive and intelligent
// fixtures, and the colour-temperature tunes.
#include "app/windowcatalogue.h"
#include "sheets/sheettable.h"
#include "sheets/sheetwindow.h"

namespace velantra::sheets
{
namespace
{

using namespace ui;

constexpr WindowSpec kEasyrun{"Easyrun", "Easy run menu", 9705, 4785, -1, -1, true};
constexpr WindowSpec kDat{"Dat", "Passive fixtures data", 10530, 8175, -1, -1, true};
constexpr WindowSpec kDat2{"Dat2", "Intelligent RGB fixtures data", 6960, 3210, -1, -1, true};
constexpr WindowSpec kDat3{"Dat3", "DOR Intelligent fixtures data ", 6960, 3285, 5610, 3135, true};
constexpr WindowSpec kDat4{"Dat4", "Atmospehre tunes", 5295, 3060, 7830, 3690, true};

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
    return QString::fromUtf8(file.resource.data(), qsizetype(file.resource.size()));
}

// A sheet whose window draws one table; a screen reader hears what the table holds.
QWidget* tableWindow(const WindowSpec& spec, const SheetTable& table)
{
    auto* window = new SheetWindow(spec, resource(table.picture));
    window->setAccessibleDescription(QString::fromStdString(describe(table)));
    return window;
}

} // namespace

QWidget* createEasyrun()
{
    auto* window = new SheetWindow(kEasyrun, {}, kEasyrunLayout);
    window->findChild<QWidget*>(QStringLiteral("Picture1"))
        ->setAccessibleDescription(QString::fromStdString(describe(showList())));
    window->findChild<QWidget*>(QStringLiteral("Picture2"))
        ->setAccessibleDescription(QString::fromStdString(describe(speedTable())));
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
