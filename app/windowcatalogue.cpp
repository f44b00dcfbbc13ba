#include "app/windowcatalogue.h"

#include "cards/cardactions.h"
#include "dip/configurators.h"
#include "power/powerwindows.h"
#include "sheets/sheetwindows.h"

#include <QWidget>

namespace velantra
{
namespace
{
QWidget* build(WindowId id)
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
        return power::createCalc();
    case WindowId::Calc2:
        return power::createCalc2();
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
} // namespace

QWidget* createWindow(WindowId id)
{
    QWidget* window = build(id);
    cards::addCardActions(window);
    return window;
}

} // namespace velantra
