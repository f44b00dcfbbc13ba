// Compiled by the tests, never linked: with SELECTED naming an option of the layout and
// TERMINATOR its check box it compiles; with a misspelt name, in a procedure or among the controls
// a setting is made with, the compiler refuses the spec.
#include "dip/modeprofile.h"

#ifndef TERMINATOR
#define TERMINATOR "Check1"
#endif

namespace velantra::dip
{

using namespace ui;

constexpr BankGeometry kBanks{.left12 = 0, .onRow = Row::Lower};
constexpr auto kLayout =
    join(std::array{timer("Timer1"), textBox("Text1", "1", {}, 0), label("Label7", "", {}, 1),
                    option("Option1", "DMX", {}, 2), option("Option2", "Master", {}, 3),
                    option("Option7", "Speed 4", {}, 4), check("Check1", "Res. 120 ohm", {}, 5),
                    shape(Kind::Rectangle, "Shape1(0)", {})},
         leverShapes<2, 25>(kBanks));
constexpr Step kPreset[] = {select(SELECTED)};
constexpr ConfiguratorSpec kSpec{.window = {.name = "Trial"},
                                 .banks = kBanks,
                                 .layout = kLayout,
                                 .profile = {.masterPreset = kPreset},
                                 .setting = {.terminator = TERMINATOR}};
constexpr CheckedSpec kChecked = kSpec;

} // namespace velantra::dip
