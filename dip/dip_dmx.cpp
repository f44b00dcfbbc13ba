// ORVO 75: a 4-lever bank (terminator, pushbutton) and a 12-lever bank (address, channel count,
// speed and show, master mode).
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

constexpr const DeviceInfo& kDevice = deviceInfo(Device::Orvo75);

constexpr WindowSpec kWindow{
    .name = kDevice.windowName, .caption = kDevice.caption, .client = {4935, 1770, 9090, 8025}};

// ON is the lower row; lever 1 (address 1) is ON when the window is built.
constexpr BankGeometry kBanks{
    .left12 = 5400, .left4 = 2760, .onRow = Row::Lower, .initiallyOn12 = 0b1};

constexpr auto kLayout = join(
    std::array{
        timer("Timer1"),
        check("Check2", VT_TEXT("Layout", "Ext. pushbotton"), {6480, 6960, 1455, 495}, 34),
        frame("Frame3", VT_TEXT("Layout", "Shows"), {3000, 4320, 3255, 3135}, 8),
    },
    orvoShowOptions(37, 36),
    std::array{
        option("Option2", VT_TEXT("Layout", "Master"), {960, 2760, 1575, 255}, 6),
        option("Option1", VT_TEXT("Layout", "DMX (slave)"), {960, 2040, 1575, 255}, 5).set(Checked),
        addressBox({5520, 2160, 495, 375}, 0),
        frame("Frame1", VT_TEXT("Layout", "Mode"), {600, 1680, 2175, 1695}, 7),
        frame("Frame2", VT_TEXT("Layout", "Speeds"), {720, 4320, 1695, 3135}, 9),
    },
    orvoSpeedOptions(),
    std::array{
        frame("Frame4", VT_TEXT("Layout", "DMX mode"), {3360, 1800, 3255, 1575}, 29),
        check("Check1", VT_TEXT("Layout", "Res. 120 ohm"), {240, 1200, 2535, 195}, 32).in("Frame4"),
        option("Option24", VT_TEXT("Layout", "6 Ch"), {240, 720, 1455, 255}, 31).in("Frame4"),
        option("Option23", VT_TEXT("Layout", "3 Ch "), {240, 360, 1215, 255}, 30).in("Frame4"),
        label("Label5", VT_TEXT("Layout", "DMX address"), {1800, 840, 1335, 375}, 33).in("Frame4"),
        frame("Frame5", VT_TEXT("Layout", "Master mode"), {240, 4080, 7815, 3735}, 35),
        errorLabel({3120, 3600, 3855, 375}, 39),
        label("Label6", kLeverNumbers4, {2760, 1440, 1095, 255}, 38),
        knobBar({4200, 480, 135, 495}),
        greyDisc({3840, 360, 855, 735}),
        greenDisc({4800, 840, 255, 255}),
        redDisc({4800, 480, 255, 255}),
    },
    leverShapes<32, 33>(kBanks), leverShapes<31, 2>(kBanks),
    std::array{
        label("Label3", kLeverNumbers12, {5400, 1440, 3255, 255}, 3),
        label("Label2", VT_TEXT("Layout", "ON"), {8520, 960, 495, 255}, 2),
        label("Label1", VT_TEXT("Layout", "OFF"), {8520, 480, 495, 255}, 1),
        bankBody("Shape1(0)", {5280, 360, 3015, 855}),
        frameLine({2520, 240, 5895, 1095}, 4),
        bankBody("Shape1(1)", {2640, 360, 1095, 855}),
    });

constexpr std::string_view kDmxControls[] = {"Frame4", "Option23", "Option24",
                                             "Check1", "Text1",    "Label5"};

constexpr Step kMasterPreset[] = {clear("Check1"),   setText1(),         select("Option7"),
                                  select("Option8"), select("Option23"), deselect("Option24")};

// Option23/24: the channel count.
constexpr Step kThreeChannels[] = {off(11)};
constexpr Step kSixChannels[] = {on(11)};
constexpr ClickProcedure kProcedures[] = {
    kOrvoTerminator,
    kOrvoPushbutton,
    {"Option23", kThreeChannels, {}},
    {"Option24", kSixChannels, {}},
};

constexpr ConfiguratorSpec kSpec{.device = kDevice.device,
                                 .window = kWindow,
                                 .banks = kBanks,
                                 .layout = kLayout,
                                 .profile = {.dmxControls = kDmxControls,
                                             .masterControls = kSpeedShowPushbuttonControls,
                                             .dmxEntry = kOrvoDmxEntry,
                                             .masterPreset = kMasterPreset,
                                             .masterEntry = kMasterLever12,
                                             .pollFixed = kClearShowAndSpeed,
                                             .selectionMaps = kSpeedMaps,
                                             .showBits = kShowOnLevers5To8},
                                 .procedures = kProcedures,
                                 .setting = {.terminator = "Check1",
                                             .pushbutton = "Check2",
                                             .threeChannels = "Option23",
                                             .sixChannels = "Option24",
                                             .speeds = kSpeedOptions,
                                             .shows = kShowOptions}};
constexpr DeviceSpec kChecked = kSpec;

} // namespace

const ConfiguratorSpec& orvo75Spec()
{
    return *kChecked;
}

} // namespace velantra::dip
