#include "app/windowcatalogue.h"

#include "dip/configurators.h"
#include "power/powerwindows.h"
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

constexpr WindowSpec kEasyrun{"Easyrun", "Easy run menu", 9705, 4785, -1, -1, true};
constexpr WindowSpec kDat{"Dat", "Passive fixtures data", 10530, 8175, -1, -1, true};
constexpr WindowSpec kDat2{"Dat2", "Intelligent RGB fixtures data", 6960, 3210, -1, -1, true};
constexpr WindowSpec kDat3{"Dat3", "DOR Intelligent fixtures data ", 6960, 3285, 5610, 3135, true};
constexpr WindowSpec kDat4{"Dat4", "Atmospehre tunes", 5295, 3060, 7830, 3690, true};
constexpr WindowSpec kDip36{"Dip_36", "ORVO 36 dip-switch configurator", 9090, 8025, 5820, 2895};
constexpr WindowSpec kDipFluo{
    "Dip_FLUO", "ORVO FLUO / Nembra dip-switch configurator", 9090, 8025, 6810, 4005};
constexpr WindowSpec kIntell{"Intell", "Intelligent fixture configurator", 6960, 8370, 6525, 1170,
                             true};
constexpr WindowSpec kDipDor{"dipDOR", "DOR fixture configurator", 6960, 8310, 6720, 3465, true};

} // namespace

QWidget* createWindow(WindowId id)
{
    switch (id) {
    case WindowId::Dip_DMX:
        return dip::createDip_DMX();
    case WindowId::Dip_36:
        return pendingWindow(kDip36);
    case WindowId::Dip_FLUO:
        return pendingWindow(kDipFluo);
    case WindowId::Intell:
        return pendingWindow(kIntell);
    case WindowId::dipDOR:
        return pendingWindow(kDipDor);
    case WindowId::Calc:
        return power::createCalc();
    case WindowId::Calc2:
        return power::createCalc2();
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
