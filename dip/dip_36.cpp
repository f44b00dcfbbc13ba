// ORVO 36: one 12-lever bank for the address, speed and show, pushbutton (lever 10), master mode
// (lever 11) and terminator (lever 12).
#include "devices/devices.h"
#include "dip/commonprofile.h"
#include "dip/commonrows.h"
#include "dip/profiles.h"
#include "i18n/translatable.h"

namespace velantra::dip
{
namespace
{

using namespace ui;

constexpr const DeviceInfo& kDevice = deviceInfo(Device::Orvo36);

constexpr WindowSpec kWindow{
    .name = kDevice.windowName, .caption = kDevice.caption, .client = {5820, 2895, 9090, 8025}};

// ON is the lower row; lever 1 (address 1) is ON when the window is built. No 4-lever bank.
constexpr BankGeometry kBanks{
    .left12 = 5400, .left4 = -1, .onRow = Row::Lower, .initiallyOn12 = 0b1};

constexpr auto kLayout = join(
    std::array{
        timer("Timer1"),
        check("Check2", VT_TEXT("Layout", "Ext. pushbotton"), {6480, 6960, 1455, 495}, 32),
        frame("Frame3", VT_TEXT("Layout", "Shows"), {3000, 4320, 3255, 3135}, 8),
    },
    orvoShowOptions(35, 34),
    std::array{
        option("Option2", VT_TEXT("Layout", "Master"), {960, 2760, 1575, 255}, 6),
        option("Option1", VT_TEXT("Layout", "DMX (slave)"), {960, 2040, 1575, 255}, 5).set(Checked),
        addressBox({4680, 2160, 495, 375}, 0),
        frame("Frame1", VT_TEXT("Layout", "Mode"), {600, 1680, 2175, 1695}, 7),
        frame("Frame2", VT_TEXT("Layout", "Speeds"), {720, 4320, 1695, 3135}, 9),
    },
    orvoSpeedOptions(),
    std::array{
        frame("Frame4", VT_TEXT("Layout", "DMX mode"), {3360, 1800, 3135, 1575}, 29),
        check("Check1", VT_TEXT("Layout", "Res. 120 ohm"), {360, 1200, 2535, 195}, 30).in("Frame4"),
        label("Label5", VT_TEXT("Layout", "DMX address"), {1080, 840, 1335, 375}, 31).in("Frame4"),
        frame("Frame5", VT_TEXT("Layout", "Master mode"), {240, 4080, 7815, 3735}, 33),
        errorLabel({3120, 3600, 3855, 375}, 36),
        greenDisc({4800, 840, 255, 255}),
        redDisc({4800, 480, 255, 255}),
    },
    leverShapes<25, 2>(kBanks),
    std::array{
        label("Label3", kLeverNumbers12, {5400, 1440, 3255, 255}, 3),
        label("Label2", VT_TEXT("Layout", "ON"), {8640, 960, 495, 255}, 2),
        label("Label1", VT_TEXT("Layout", "OFF"), {8640, 480, 495, 255}, 1),
        bankBody("Shape1(0)", {5280, 360, 3015, 855}),
        frameLine({4680, 240, 3855, 1095}, 4),
    });

constexpr Step kDmxEntry[] = {off(11), off(12), setText1(), on(1), off(2, 9), clear("Check2")};
constexpr Step kMasterEntry[] = {off(1, 9), on(11)};

// Check1 "Res. 120 ohm": the line terminator, lever 12. Check2 "Ext. pushbotton": lever 10.
constexpr Step kTerminatorOn[] = {on(12)};
constexpr Step kTerminatorOff[] = {off(12)};
constexpr Step kPushbuttonOn[] = {on(10)};
constexpr Step kPushbuttonOff[] = {off(10)};
constexpr ClickProcedure kProcedures[] = {
    {"Check1", kTerminatorOn, kTerminatorOff},
    {"Check2", kPushbuttonOn, kPushbuttonOff},
};

constexpr ConfiguratorSpec kSpec{.device = kDevice.device,
                                 .window = kWindow,
                                 .banks = kBanks,
                                 .layout = kLayout,
                                 .profile = {.dmxControls = kDmxFrameControls,
                                             .masterControls = kSpeedShowPushbuttonControls,
                                             .dmxEntry = kDmxEntry,
                                             .masterPreset = kPresetSpeed4Show0,
                                             .masterEntry = kMasterEntry,
                                             .pollFixed = kClearShowAndSpeed,
                                             .selectionMaps = kSpeedMaps,
                                             .showBits = kShowOnLevers5To8},
                                 .procedures = kProcedures,
                                 .setting = {.terminator = "Check1",
                                             .pushbutton = "Check2",
                                             .speeds = kSpeedOptions,
                                             .shows = kShowOptions}};
constexpr DeviceSpec kChecked = kSpec;

} // namespace

const ConfiguratorSpec& orvo36Spec()
{
    return *kChecked;
}

} // namespace velantra::dip
