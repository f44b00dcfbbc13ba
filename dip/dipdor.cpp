// DOR fixtures: as the intelligent RGB fixtures, but master mode runs one of ten colour-
// temperature tunes, "CCT 0" … "CCT 9", each on at most one of levers 1–9, and lever 11 of the
// 12-lever bank is ON in every state. ON is the upper row.
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

constexpr const DeviceInfo& kDevice = deviceInfo(Device::Dor);

constexpr WindowSpec kWindow{.name = kDevice.windowName,
                             .caption = kDevice.caption,
                             .client = {6720, 3465, 6960, 8310},
                             .sizable = true};

// ON is the upper row; lever 11 is ON when the window is built. The load procedure then draws
// the 4-lever bank's DMX pattern and the address of Text1.
constexpr BankGeometry kBanks{
    .left12 = 2760, .left4 = 960, .onRow = Row::Upper, .initiallyOn12 = 1u << 10};

constexpr auto kLayout = join(
    std::array{
        addressBox({3840, 2400, 495, 375}, 12),
        option("Option1", VT_TEXT("Layout", "DMX (slave)"), {840, 2280, 1575, 255}, 11)
            .set(Checked),
        option("Option2", VT_TEXT("Layout", "Master"), {840, 2880, 1575, 255}, 10),
        frame("Frame3", VT_TEXT("Layout", "Atmosphere tune"), {1200, 4920, 2775, 2535}, 0),
        option("Option17", VT_TEXT("Layout", "CCT 9"), {1560, 1680, 1095, 255}, 24).in("Frame3"),
        option("Option8", VT_TEXT("Layout", "CCT 0"), {240, 240, 975, 255}, 9).in("Frame3"),
        option("Option9", VT_TEXT("Layout", "CCT 1"), {240, 600, 1095, 255}, 8).in("Frame3"),
        option("Option11", VT_TEXT("Layout", "CCT 3"), {240, 1320, 975, 255}, 7).in("Frame3"),
        option("Option12", VT_TEXT("Layout", "CCT 4"), {240, 1680, 1215, 255}, 6).in("Frame3"),
        option("Option13", VT_TEXT("Layout", "CCT 5"), {1560, 240, 975, 255}, 5).in("Frame3"),
        option("Option14", VT_TEXT("Layout", "CCT 6"), {1560, 600, 975, 255}, 4).in("Frame3"),
        option("Option15", VT_TEXT("Layout", "CCT 7"), {1560, 960, 975, 255}, 3).in("Frame3"),
        option("Option16", VT_TEXT("Layout", "CCT 8"), {1560, 1320, 1095, 255}, 2).in("Frame3"),
        option("Option10", VT_TEXT("Layout", "CCT 2"), {240, 960, 975, 255}, 1).in("Frame3"),
        timer("Timer1"),
        frame("Frame5", VT_TEXT("Layout", "Master mode"), {600, 4440, 5775, 3495}, 17),
        // Opaque, so that the outline Label4, which lies behind them, shows only between them.
        frame("Frame1", VT_TEXT("Layout", "Mode"), {480, 1920, 2175, 1575}, 13)
            .colours(kButtonFace),
        frame("Frame4", VT_TEXT("Layout", "DMX mode"), {3240, 1920, 3255, 1575}, 14)
            .colours(kButtonFace),
        check("Check1", VT_TEXT("Layout", "120 ohm resistor"), {1680, 1080, kResistorBoxWidth, 195},
              15)
            .in("Frame4"),
        label("Label5", VT_TEXT("Layout", "DMX address"), {360, 1080, 1335, 375}, 16).in("Frame4"),
        errorLabel({3000, 3600, 3735, 375}, 23),
        frameLine({840, 1320, 5535, 1095}, 22),
        label("Label1", VT_TEXT("Layout", "OFF"), {5880, 960, 495, 255}, 21),
        label("Label2", VT_TEXT("Layout", "ON"), {5880, 480, 495, 255}, 20),
        label("Label3", kLeverNumbers12, {2760, 1440, 3255, 255}, 19),
    },
    leverShapes<2, 25>(kBanks), leverShapes<26, 31>(kBanks), leverShapes<33, 32>(kBanks),
    std::array{
        redDisc({2160, 480, 255, 255}),
        greenDisc({2160, 840, 255, 255}),
        label("Label6", kLeverNumbers4, {960, 1440, 1095, 255}, 18),
        bankBody("Shape1(0)", {2640, 360, 3015, 855}),
        bankBody("Shape1(1)", {840, 360, 1095, 855}),
    });

constexpr std::string_view kTuneControls[] = {"Frame3",   "Frame5",   "Option8",  "Option9",
                                              "Option10", "Option11", "Option12", "Option13",
                                              "Option14", "Option15", "Option16", "Option17"};

constexpr Step kDmxEntry[] = {setText1(), on(1),   off(2, 9), on(11), off(12),
                              on4(1),     off4(2), on4(3),    off4(4)};
constexpr Step kMasterPreset[] = {clear("Check1"), setText1(), select("Option8")};
// Every tick clears the tune levers and draws the 4-lever bank's master pattern.
constexpr Step kPollFixed[] = {off(5, 9), off(1, 4), on4(1), on4(2), off4(3), off4(4)};

// "CCT k" puts lever k ON; "CCT 0" none.
constexpr SelectionOption kTunes[] = {
    {"Option8", nothing()}, {"Option9", on(1)},  {"Option10", on(2)}, {"Option11", on(3)},
    {"Option12", on(4)},    {"Option13", on(5)}, {"Option14", on(6)}, {"Option15", on(7)},
    {"Option16", on(8)},    {"Option17", on(9)},
};
constexpr SelectionMap kSelectionMaps[] = {kTunes};

constexpr ConfiguratorSpec kSpec{.device = kDevice.device,
                                 .window = kWindow,
                                 .banks = kBanks,
                                 .layout = kLayout,
                                 .profile = {.dmxControls = kDmxFrameControls,
                                             .masterControls = kTuneControls,
                                             .loadSteps = kFixtureDmxPattern,
                                             .dmxEntry = kDmxEntry,
                                             .masterPreset = kMasterPreset,
                                             .masterEntry = kMasterLever12,
                                             .pollFixed = kPollFixed,
                                             .selectionMaps = kSelectionMaps},
                                 .procedures = kFixtureResistor,
                                 .setting = {.terminator = "Check1", .tunes = kTuneOptions}};
constexpr DeviceSpec kChecked = kSpec;

} // namespace

const ConfiguratorSpec& dorSpec()
{
    return *kChecked;
}

} // namespace velantra::dip
