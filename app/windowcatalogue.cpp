#include "app/windowcatalogue.h"

#include "dip/configurators.h"
#include "ui/layoutbuilder.h"

#include <QWidget>

namespace velantra
{
namespace
{

using ui::WindowSpec;

// Windows whose content is still to come: their caption and client area only.
QWidget* pendingWindow(const WindowSpec& spec)
{
    auto* window = new QWidget;
    ui::setUpWindow(window, spec);
    return window;
}

constexpr WindowSpec kCalc{"Calc", "ORVO power configurator", 11145, 10320, 3690, 735};
constexpr WindowSpec kCalc2{"Calc2", "ORVO 36 power configurator", 6630, 10320, 3690, 735};
constexpr WindowSpec kEasyrun{"Easyrun", "Easy run menu", 9705, 4785, -1, -1, true};
constexpr WindowSpec kDat{"Dat", "Passive fixtures data", 10530, 8175, -1, -1, true};
constexpr WindowSpec kDat2{"Dat2", "Intelligent RGB fixtures data", 6960, 3210, -1, -1, true};
constexpr WindowSpec kDat3{"Dat3", "DOR Intelligent fixtures data ", 6960, 3285, 5610, 3135, true};
constexpr WindowSpec kDat4{"Dat4", "Atmospehre tunes", 5295, 3060, 7830, 3690, true};

} // namespace

QWidget* createWindow(WindowId id)
{
    switch (id) {
    case WindowId::Dip_DMX:
        return dip::createDip_DMX();
    case WindowId::Dip_36:
        return dip::createDip_36();
    case WindowId::Dip_FLUO:
        return dip::createDip_FLUO();
    case WindowId::Intell:
        return dip::createIntell();
    case WindowId::dipDOR:
        return dip::createDipDOR();
    case WindowId::Calc:
        return pendingWindow(kCalc);
    case WindowId::Calc2:
        return pendingWindow(kCalc2);
    case WindowId::Easyrun:
        return pendingWindow(kEasyrun);
    case WindowId::Dat:
        return pendingWindow(kDat);
    case WindowId::Dat2:
        return pendingWindow(kDat2);
    case WindowId::Dat3:
        return pendingWindow(kDat3);
    case WindowId::Dat4:
        return pendingWindow(kDat4);
    }
    return nullptr;
}

} // namespace velantra
