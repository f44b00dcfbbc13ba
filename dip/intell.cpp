// Intelligent RGB fixtures: a 4-lever bank with a fixed mode pattern and the resistor (lever 4),
// and a 12-lever bank for the address, speed and show, and master mode (lever 12). ON is the
// upper row.
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

constexpr const DeviceInfo& kDevice = deviceInfo(Device::Intell);

constexpr WindowSpec kWindow{.name = kDevice.windowName,
                             .caption = kDevice.caption,
                             .client = {6525, 1170, 6960, 8370},
                             .sizable = true};

// ON is the upper row. The layout builds every lever OFF; the load procedure then draws the
// 4-lever bank's DMX pattern and the address of Text1.
constexpr BankGeometry kBanks{.left12 = 2760, .left4 = 960, .onRow = Row::Upper};

constexpr auto kLayout = join(
    std::array{frame("Frame2", VT_TEXT("Layout", "Speeds"), {600, 4560, 1695, 3135}, 21)},
    speedOptions({{0, 26}, {1, 25}, {2, 24}, {3, 23}, {4, 22}}),
    std::array{
        addressBox({3840, 2400, 495, 375}, 19),
        option("Option1", VT_TEXT("Layout", "DMX (slave)"), {840, 2280, 1575, 255}, 18)
            .set(Checked),
        option("Option2", VT_TEXT("Layout", "Master"), {840, 2880, 1575, 255}, 17),
        frame("Frame3", VT_TEXT("Layout", "Shows"), {2880, 4560, 3255, 3135}, 0),
    },
    showOptions({{0, 16},
                 {1, 15},
                 {3, 14},
                 {4, 13},
                 {5, 12},
                 {6, 11},
                 {7, 10},
                 {8, 9},
                 {9, 8},
                 {10, 7},
                 {11, 6},
                 {12, 5},
                 {13, 4},
                 {14, 3},
                 {2, 2},
                 {15, 1}}),
    std::array{
        timer("Timer1"),
        frame("Frame5", VT_TEXT("Layout", "Master mode"), {240, 4200, 6375, 3855}, 30),
        frame("Frame1", VT_TEXT("Layout", "Mode"), {480, 1920, 2175, 1575}, 20),
        frame("Frame4", VT_TEXT("Layout", "DMX mode"), {3240, 1920, 3255, 1575}, 27),
        check("Check1", VT_TEXT("Layout", "120 ohm resistor"), {1680, 1080, kResistorBoxWidth, 195},
              28)
            .in("Frame4"),
        label("Label5", VT_TEXT("Layout", "DMX address"), {360, 1080, 1335, 375}, 29).in("Frame4"),
        errorLabel({3000, 3600, 3735, 375}, 36),
        frameLine({600, 240, 5775, 1095}, 35),
        label("Label1", VT_TEXT("Layout", "OFF"), {5880, 960, 495, 255}, 34),
        label("Label2", VT_TEXT("Layout", "ON"), {5880, 480, 495, 255}, 33),
        label("Label3", kLeverNumbers12, {2760, 1440, 3255, 255}, 32),
    },
    leverShapes<2, 25>(kBanks), leverShapes<26, 31>(kBanks), leverShapes<33, 32>(kBanks),
    std::array{
        redDisc({2160, 480, 255, 255}),
        greenDisc({2160, 840, 255, 255}),
        label("Label6", kLeverNumbers4, {960, 1440, 1095, 255}, 31),
        bankBody("Shape1(0)", {2640, 360, 3015, 855}),
        bankBody("Shape1(1)", {840, 360, 1095, 855}),
    });

// No pushbutton box: the speeds, the shows and their frames.
constexpr std::string_view kSpeedShowControls[] = {
    "Frame2",   "Frame3",   "Frame5",   "Option3",  "Option4",  "Option5",  "Option6",  "Option7",
    "Option8",  "Option9",  "Option10", "Option11", "Option12", "Option13", "Option14", "Option15",
    "Option16", "Option17", "Option18", "Option19", "Option20", "Option21", "Option22", "Option25"};

constexpr Step kDmxEntry[] = {setText1(), on(1),   off(2, 9), off(11), off(12),
                              on4(1),     off4(2), on4(3),    off4(4)};
// Every tick also draws the 4-lever bank's master pattern: ON, ON, OFF, OFF.
constexpr Step kPollFixed[] = {off(5, 8), off(1, 4), on4(1), on4(2), off4(3), off4(4)};

constexpr ConfiguratorSpec kSpec{
    .device = Device::Intell,
    .window = kWindow,
    .banks = kBanks,
    .layout = kLayout,
    .profile = {.dmxControls = kDmxFrameControls,
                .masterControls = kSpeedShowControls,
                .loadSteps = kFixtureDmxPattern,
                .dmxEntry = kDmxEntry,
                .masterPreset = kPresetSpeed4Show0,
                .masterEntry = kMasterLever12,
                .pollFixed = kPollFixed,
                .selectionMaps = kSpeedMaps,
                .showBits = kShowOnLevers5To8},
    .procedures = kFixtureResistor,
    .setting = {.terminator = "Check1", .speeds = kSpeedOptions, .shows = kShowOptions}};
constexpr DeviceSpec kChecked = kSpec;

} // namespace

const ConfiguratorSpec& intellSpec()
{
    return *kChecked;
}

} // namespace velantra::dip
