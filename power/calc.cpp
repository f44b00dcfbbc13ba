// ORVO 75 power configurator: two CC and two CV outputs, at most 6 LEDs per colour on a CC
// output and 75 W in total.
#include "i18n/translatable.h"
#include "power/gridrows.h"
#include "power/powerwindow.h"
#include "power/windows.h"

namespace velantra::power
{
namespace
{

using namespace ui;

constexpr WindowSpec kWindow{.name = "Calc",
                             .caption = VT_TEXT("Layout", "ORVO power configurator"),
                             .client = {3690, 735, 11145, 10320}};

constexpr std::string_view kColumnNumbers = "#1          #2";

constexpr auto kLayout = join(
    std::array{
        inputBox(kGrid, 1, 1),
        // Part of the Text1 array but of no output: it is never read, cleared or blocked.
        textBox("Text1(0)", "", {4920, 480, 300, 285}, 117)
            .set(Centred)
            .named(VT_TEXT("Layout", "Spare box, counts nothing")),
        frame("Frame2", VT_TEXT("Layout", "CC2 mA"), {1920, 7080, 975, 975}, 113),
        current350("CC2_350", "Frame2", 116),
        current700("CC2_700", "Frame2", 115),
        current1000("CC2_1000", "Frame2", 114),
        inputBox(kGrid, 1, 2),
        option("Option2", VT_TEXT("Layout", "Average power"), {6720, 9600, 1575, 255}, 107),
        option("Option1", VT_TEXT("Layout", "Nominal power"), {6720, 9960, 1575, 255}, 106),
        timer("Timer1"),
    },
    gridBoxes(kGrid),
    std::array{
        button("Command1", VT_TEXT("Layout", "Reset"), {5280, 9600, 855, 495}, 46),
        totalBox(44),
        figureBox("Text62", {8760, 8280, 540, 285}, 41),
        figureBox("Text61", {8760, 8760, 540, 285}, 40),
        figureBox("Text60", {3960, 8760, 420, 285}, 38),
        figureBox("Text59", {1560, 8760, 420, 285}, 36),
        figureBox("Text58", {3960, 8280, 420, 285}, 34),
        figureBox("Text57", {1560, 8280, 420, 285}, 32),
        frame("Frame1", VT_TEXT("Layout", "CC1 mA."), {600, 7080, 975, 975}, 109),
        current1000("CC1_1000", "Frame1", 112),
        current700("CC1_700", "Frame1", 111),
        current350("CC1_350", "Frame1", 110),
        shape(Kind::Bar, "Shape1", {480, 9480, 5895, 735})
            .named(VT_TEXT("Layout", "Outline of the total")),
        unitLabel("Label44", {4320, 9720, 495, 255}).withFont(kArial12Bold).colours(kActiveBorder),
        unitLabel("Label43", {9480, 8760, 495, 255}),
        unitLabel("Label42", {9480, 8280, 495, 255}),
        unitLabel("Label41", {4560, 8760, 495, 255}),
        unitLabel("Label40", {2040, 8760, 495, 255}),
        label("Label39", VT_TEXT("Layout", "Nominal power"), {840, 9720, 2775, 375}, -1)
            .withFont(kArial12Bold),
        label("Label38", VT_TEXT("Layout", "Power Out CV 1"), {6720, 8280, 1815, 375}, -1),
        label("Label37", VT_TEXT("Layout", "Power Out CV 2"), {6720, 8760, 1815, 375}, -1),
        label("Label36", VT_TEXT("Layout", "Power CC 2"), {2880, 8760, 855, 255}, -1),
        label("Label35", VT_TEXT("Layout", "Power CC 1"), {600, 8760, 855, 375}, -1),
        label("Label34", VT_TEXT("Layout", "Tot. led CC 2"), {2880, 8280, 975, 255}, -1),
        label("Label33", VT_TEXT("Layout", "Tot. led CC 1"), {600, 8280, 975, 255}, -1),
        label("Label32", kColumnNumbers, {6720, 1200, 1215, 255}, -1).withFont(kArial12Bold),
        label("Label31", kColumnNumbers, {720, 1200, 1215, 255}, -1).withFont(kArial12Bold),
        label("Label30", VT_TEXT("Layout", "Constant Voltage Outputs (CV)"), {6720, 600, 3615, 255},
              -1)
            .withFont(kArial12Bold),
        label("Label29", VT_TEXT("Layout", "Constant Current Outputs (CC)"), {960, 600, 3735, 255},
              -1)
            .withFont(kArial12Bold),
    },
    modelLabels(kGrid, kOrvo75Power.table,
                {kWindowBackground, kWindowText, kWindowBackground, kWindowText}));

} // namespace

QWidget* createCalc()
{
    return new PowerWindow(kWindow, kLayout, kGrid, kOrvo75Power);
}

} // namespace velantra::power
