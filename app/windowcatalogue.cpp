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
