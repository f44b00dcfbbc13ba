// ORVO 36 power configurator: one CC output in use, at most 9 LEDs per colour and 36 W in total.
// The window is the 75 W window cut off before its CV half: the CV columns and their captions
// lie beyond the client area, never seen but counted, and the CC #2 column stays disabled.
#include "i18n/translatable.h"
#include "power/gridrows.h"
#include "power/powerwindow.h"
#include "power/windows.h"

namespace velantra::power
{
namespace
{

using namespace ui;

constexpr WindowSpec kWindow{.name = "Calc2",
                             .caption = VT_TEXT("Layout", "ORVO 36 power configurator"),
                             .client = {3690, 735, 6630, 10320}};

// Text1(1) comes earlier in the tab order here.
constexpr Grid kGrid36 = withFirstTab(kGrid, 46);

constexpr auto kLayout = join(
    std::array{
        frame("Frame2", VT_TEXT("Layout", "CC2 curr."), {1920, 7080, 975, 975}, 113).set(Hidden),
        current350("CC2_350", "Frame2", 116),
        current700("CC2_700", "Frame2", 115),
        current1000("CC2_1000", "Frame2", 114),
        inputBox(kGrid36, 1, 2),
        option("Option2", VT_TEXT("Layout", "Average power"), {4680, 8280, 1575, 255}, 107),
        option("Option1", VT_TEXT("Layout", "Nominal power"), {4680, 8760, 1575, 255}, 106),
        timer("Timer1"),
    },
    gridBoxes(kGrid36, Disabled),
    std::array{
        inputBox(kGrid36, 1, 1),
        button("Command1", VT_TEXT("Layout", "Reset"), {5280, 9600, 855, 495}, 45),
        totalBox(43),
        figureBox("Text62", {8760, 8280, 540, 285}, 40),
        figureBox("Text61", {8760, 8760, 540, 285}, 39),
        figureBox("Text60", {3840, 8760, 420, 285}, 37).set(Disabled),
        figureBox("Text59", {1560, 8760, 420, 285}, 35).set(Disabled),
        figureBox("Text58", {3840, 8280, 420, 285}, 33).set(Disabled),
        figureBox("Text57", {1560, 8280, 420, 285}, 31),
        frame("Frame1", VT_TEXT("Layout", "CC curr.(mA)"), {600, 7080, 1095, 975}, 109),
        current1000("CC1_1000", "Frame1", 112).set(Hidden | Disabled),
        current700("CC1_700", "Frame1", 111).set(Disabled),
        current350("CC1_350", "Frame1", 110),
        shape(Kind::Bar, "Shape2", {6960, 120, 4695, 9015})
            .named(VT_TEXT("Layout", "Outline of the CV outputs")),
        shape(Kind::Bar, "Shape1", {480, 9480, 5895, 735})
            .named(VT_TEXT("Layout", "Outline of the total")),
        unitLabel("Label44", {4320, 9720, 495, 255}).withFont(kArial12Bold),
        unitLabel("Label43", {9480, 8760, 495, 255}),
        unitLabel("Label42", {9480, 8280, 495, 255}),
        unitLabel("Label41", {4320, 8760, 495, 255}).set(Hidden),
        unitLabel("Label40", {2040, 8760, 495, 255}).set(Hidden),
        label("Label39", VT_TEXT("Layout", "Nominal power"), {840, 9720, 2775, 375}, -1)
            .withFont(kArial12Bold),
        label("Label38", VT_TEXT("Layout", "Power Out CV 1"), {6720, 8280, 1815, 375}, -1),
        label("Label37", VT_TEXT("Layout", "Power Out CV 2"), {6720, 8760, 1815, 375}, -1),
        label("Label36", VT_TEXT("Layout", "Power CC 2"), {2760, 8760, 855, 255}, -1).set(Hidden),
        label("Label35", VT_TEXT("Layout", "Power CC 1"), {600, 8760, 855, 375}, -1).set(Hidden),
        label("Label34", VT_TEXT("Layout", "Tot. led CC 2"), {2760, 8280, 975, 255}, -1)
            .set(Hidden),
        label("Label33", VT_TEXT("Layout", "Tot. led "), {600, 8280, 975, 255}, -1),
        label("Label32", "#1          #2", {6720, 1200, 1215, 255}, -1).withFont(kArial12Bold),
        label("Label30", VT_TEXT("Layout", "Constant Voltage Outputs (CV)"), {6720, 600, 3615, 255},
              -1)
            .withFont(kArial12Bold),
        label("Label29", VT_TEXT("Layout", "Constant Current Output (CC)"), {960, 600, 3735, 255},
              -1)
            .withFont(kArial12Bold)
            .colours(kActiveBorder),
    },
    modelLabels(kGrid36, kOrvo36Power.table,
                {kWindowBackground, kWindowText, kCaptionText, kDefaultColour}));

} // namespace

QWidget* createCalc2()
{
    return new PowerWindow(kWindow, kLayout, kGrid36, kOrvo36Power);
}

} // namespace velantra::power
