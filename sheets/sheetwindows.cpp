// The five data-sheet windows: the master mode's shows and speeds, the passive and intelligent
// fixtures, and the colour-temperature tunes.
#include "sheets/sheetwindows.h"

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

} // namespace

QWidget* createEasyrun()
{
    return new SheetWindow(kEasyrun, {}, kEasyrunLayout);
}

QWidget* createDat()
{
    return new SheetWindow(kDat, resource(kPassivePicture));
}

QWidget* createDat2()
{
    return new SheetWindow(kDat2, resource(kRgbPicture));
}

QWidget* createDat3()
{
    return new SheetWindow(kDat3, resource(kDorPicture));
}

QWidget* createDat4()
{
    return new SheetWindow(kDat4, resource(kTunesPicture));
}

} // namespace velantra::sheets
