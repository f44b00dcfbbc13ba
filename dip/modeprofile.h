#pragma once

// The data that makes one DIP-switch configurator out of the shared engine: which levers show
// the address, which controls each mode enables, the steps each procedure runs, and how the
// master-mode tick copies the selections onto the levers.

#include "dip/leverlayout.h"
#include "ui/layouttable.h"

#include <array>
#include <span>
#include <string_view>

namespace velantra::dip
{

// One step of a procedure.
struct Step {
    enum class Op : std::uint8_t {
        Nothing,
        LeversOn,  // levers first … last of a bank ON, in that order
        LeversOff, // … OFF
        SetText1,  // text of Text1 "1"
        Clear,     // uncheck a check box
        Select,    // select an option button
        Deselect,  // deselect an option button
    };
    Op op = Op::Nothing;
    Bank bank = Bank::Twelve;
    int first = 0;
    int last = 0;
    std::string_view control;
};

constexpr Step on(int first, int last = 0)
{
    return {Step::Op::LeversOn, Bank::Twelve, first, last ? last : first};
}
constexpr Step off(int first, int last = 0)
{
    return {Step::Op::LeversOff, Bank::Twelve, first, last ? last : first};
}
constexpr Step on4(int first, int last = 0)
{
    return {Step::Op::LeversOn, Bank::Four, first, last ? last : first};
}
constexpr Step off4(int first, int last = 0)
{
    return {Step::Op::LeversOff, Bank::Four, first, last ? last : first};
}
constexpr Step setText1()
{
    return {Step::Op::SetText1};
}
constexpr Step clear(std::string_view box)
{
    return {Step::Op::Clear, {}, 0, 0, box};
}
constexpr Step select(std::string_view option)
{
    return {Step::Op::Select, {}, 0, 0, option};
}
constexpr Step deselect(std::string_view option)
{
    return {Step::Op::Deselect, {}, 0, 0, option};
}
constexpr Step nothing()
{
    return {};
}

// The lever of the 12-lever bank that shows each address bit, bit 1 first.
using AddressMap = std::array<int, 9>;

// While `option` is selected, each tick runs `step`.
struct SelectionOption {
    std::string_view option;
    Step step;
};
using SelectionMap = std::span<const SelectionOption>;

// The lever of the 12-lever bank that shows one bit of the selected show's number.
struct ShowBit {
    int bit;
    int lever;
};

struct ModeProfile {
    std::span<const std::string_view> dmxControls;
    std::span<const std::string_view> masterControls;
    std::span<const Step> loadSteps;
    std::span<const Step> dmxEntry;
    std::span<const Step> masterPreset;
    std::span<const Step> masterEntry;
    std::span<const Step> pollFixed;
    std::span<const SelectionMap> selectionMaps;
    std::span<const ShowBit> showBits;
};

// A window's own click procedure: the steps run when the control becomes checked or selected,
// and, for a check box, when it becomes clear.
struct ClickProcedure {
    std::string_view control;
    std::span<const Step> whenChecked;
    std::span<const Step> whenCleared;
};

// Everything that makes one configurator window.
struct ConfiguratorSpec {
    ui::WindowSpec window;
    BankGeometry banks;
    std::span<const ui::Control> layout;
    AddressMap addressMap;
    ModeProfile profile;
    std::span<const ClickProcedure> procedures;
};

// The show options in show-number order, Show 0 … Show 15, common to the configurators.
constexpr std::string_view kShowOptions[] = {
    "Option8",  "Option9",  "Option10", "Option11", "Option12", "Option13", "Option14", "Option15",
    "Option16", "Option17", "Option18", "Option19", "Option20", "Option21", "Option22", "Option25",
};

} // namespace velantra::dip
