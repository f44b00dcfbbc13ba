#include "app/windowcatalogue.h"

#include "dip/configurators.h"
#include "sheets/sheetwindows.h"
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
        return pendingWindow(kCalc);
    case WindowId::Calc2:
        return pendingWindow(kCalc2);
    case WindowId::Easyrun:
        return sheets::createEasyrun();
    case WindowId::Dat:
        return sheets::createDat();
    case WindowId::Dat2:
        return sheets::createDat2();
    case WindowId::Dat3:
        return sheets::createDat3();
    case WindowId::Dat4:
        return sheets::createDat4();
    }
    return nullptr;
}

} // namespace velantra
