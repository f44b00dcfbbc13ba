// ORVO FLUO / Nembra: a 4-lever bank (terminator, pushbutton) and a 12-lever bank (address, speed
// and show, modulation on lever 10, pushbutton on lever 11, master mode on lever 12).
#include "app/windowcatalogue.h"
#include "dip/commonprofile.h"
#include "dip/commonrows.h"
#include "dip/dipconfigurator.h"

namespace velantra::dip
{
namespace
{

using namespace ui;

constexpr WindowSpec kWindow{.name = "Dip_FLUO",
                             .caption = "ORVO FLUO / Nembra dip-switch configurator",
                             .clientWidth = 9090,
                             .clientHeight = 8025,
                             .left = 6810,
                             .top = 4005};

// ON is the lower row; lever 1 (address 1) is ON when the window is built.
constexpr BankGeometry kBanks{
    .left12 = 5400, .left4 = 2760, .onRow = Row::Lower, .initiallyOn12 = 0b1};

constexpr auto kLayout = join(
    std::array{
        check("Check3", "1-100 % Modulation", {960, 3600, 1935, 195}, 38),
        timer("Timer1"),
        check("Check2", "Ext. pushbotton", {6480, 6960, 1455, 495}, 32),
        frame("Frame3", "Shows", {3000, 4320, 3255, 3135}, 8),
    },
    orvoShowOptions(35, 34),
    std::array{
        option("Option2", "Master", {960, 2760, 1575, 255}, 6),
        option("Option1", "DMX (slave)", {960, 2040, 1575, 255}, 5).set(Checked),
        addressBox({4440, 2160, 495, 375}, 0),
        frame("Frame1", "Mode", {600, 1680, 2175, 1695}, 7),
        frame("Frame2", "Speeds", {720, 4320, 1695, 3135}, 9),
    },
    orvoSpeedOptions(),
    std::array{
        frame("Frame4", "DMX mode", {3360, 1920, 2535, 1455}, 29),
        check("Check1", "Res. 120 ohm", {240, 1080, 1335, 195}, 30).in("Frame4"),
        label("Label5", "DMX address", {840, 720, 1335, 375}, 31).in("Frame4"),
        frame("Frame5", "Master mode", {240, 4080, 7815, 3735}, 33),
        errorLabel({3120, 3600, 3855, 375}, 37),
        label("Label6", kLeverNumbers4, {2760, 1440, 1095, 255}, 36),
        knobBar({4200, 480, 135, 495}),
        greyDisc({3840, 360, 855, 735}),
        greenDisc({4800, 840, 255, 255}),
        redDisc({4800, 480, 255, 255}),
    },
    leverShapes<32, 33>(kBanks), leverShapes<31, 26>(kBanks), leverShapes<25, 2>(kBanks),
    std::array{
        label("Label3", kLeverNumbers12, {5400, 1440, 3255, 255}, 3),
        label("Label2", "ON", {8520, 960, 495, 255}, 2),
        label("Label1", "OFF", {8520, 480, 495, 255}, 1),
        bankBody("Shape1(0)", {5280, 360, 3015, 855}),
        frameLine({2520, 240, 5895, 1095}, 4),
        bankBody("Shape1(1)", {2640, 360, 1095, 855}),
    });

// The modulation box Check3 is in neither list and no step touches it or lever 10.
constexpr Step kDmxEntry[] = {off(11),   off(12),    setText1(),     on(1),
                              off(2, 9), off4(1, 4), clear("Check2")};

// Check1 "Res. 120 ohm": 4-bank lever 1. Check2 "Ext. pushbotton": 4-bank levers 2 and 3 with
// lever 11. Check3 "1-100 % Modulation": lever 10, in either mode.
constexpr Step kTerminatorOn[] = {on4(1)};
constexpr Step kTerminatorOff[] = {off4(1)};
constexpr Step kPushbuttonOn[] = {on4(2), on4(3), on(11)};
constexpr Step kPushbuttonOff[] = {off4(2), off4(3), off(11)};
constexpr Step kModulationOn[] = {on(10)};
constexpr Step kModulationOff[] = {off(10)};
constexpr ClickProcedure kProcedures[] = {
    {"Check1", kTerminatorOn, kTerminatorOff},
    {"Check2", kPushbuttonOn, kPushbuttonOff},
    {"Check3", kModulationOn, kModulationOff},
};

constexpr ConfiguratorSpec kSpec{.window = kWindow,
                                 .banks = kBanks,
                                 .layout = kLayout,
                                 .addressMap = kLevers1To9,
                                 .profile = {.dmxControls = kDmxFrameControls,
                                             .masterControls = kSpeedShowPushbuttonControls,
                                             .dmxEntry = kDmxEntry,
                                             .masterPreset = kPresetSpeed4Show0,
                                             .masterEntry = kMasterLever12,
                                             .pollFixed = kClearShowAndSpeed,
                                             .selectionMaps = kSpeedMaps,
                                             .showBits = kShowOnLevers5To8},
                                 .procedures = kProcedures};

} // namespace

QWidget* createDip_FLUO()
{
    return new DipConfigurator(kSpec);
}

} // namespace velantra::dip
