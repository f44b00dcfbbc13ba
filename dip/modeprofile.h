#pragma once

// The data that makes one DIP-switch configurator out of the shared engine: which levers show
// the address, which controls each mode enables, the steps each procedure runs, and how the
// master-mode tick copies the selections onto the levers.

#include "devices/devices.h"
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

// The controls a device's setting is made with; empty where the device lacks the choice.
struct SettingControls {
    std::string_view terminator;              // "Res. 120 ohm", "120 ohm resistor"
    std::string_view pushbutton;              // "Ext. pushbotton"
    std::string_view modulation;              // "1-100 % Modulation"
    std::string_view threeChannels;           // "3 Ch"
    std::string_view sixChannels;             // "6 Ch"
    std::span<const std::string_view> speeds; // Speed 0 … 4
    std::span<const std::string_view> shows;  // Show 0 … 15
    std::span<const std::string_view> tunes;  // CCT 0 … 9
};

// Everything that makes one configurator window.
struct ConfiguratorSpec {
    Device device;
    ui::WindowSpec window;
    BankGeometry banks;
    std::span<const ui::Control> layout;
    AddressMap addressMap = {1, 2, 3, 4, 5, 6, 7, 8, 9}; // bit 2^(k−1) on lever k
    ModeProfile profile;
    std::span<const ClickProcedure> procedures;
    SettingControls setting;
};

// The show options in show-number order, Show 0 … Show 15, common to the configurators.
constexpr std::string_view kShowOptions[] = {
    "Option8",  "Option9",  "Option10", "Option11", "Option12", "Option13", "Option14", "Option15",
    "Option16", "Option17", "Option18", "Option19", "Option20", "Option21", "Option22", "Option25",
};

// The speed options in speed order, Speed 0 … Speed 4.
constexpr std::string_view kSpeedOptions[] = {"Option3", "Option4", "Option5", "Option6",
                                              "Option7"};
// The DOR's tunes "CCT 0" … "CCT 9" are the first ten show options of the others.
constexpr std::span<const std::string_view> kTuneOptions{kShowOptions, 10};

// Never defined: reaching it in requireValid is the compile error, a spec whose window or
// setting controls disagree with its device's row of the device table.
void specDisagreesWithDeviceTable();

// Never defined: reaching it in requireValid is the compile error, a step that sets a lever the
// window's banks do not have.
void leverNotInBank(int lever);

// Proves at compile time that every control the spec names is in its layout with the kind its
// use needs, and that every lever it sets is on a bank the window has.
consteval void requireValid(const ConfiguratorSpec& spec)
{
    using ui::Kind;
    const auto need = [&spec](std::string_view name, std::initializer_list<Kind> kinds = {}) {
        ui::requireControl(spec.layout, name, kinds);
    };
    const auto steps = [&](std::span<const Step> list) {
        for (const Step& step : list) {
            switch (step.op) {
            case Step::Op::LeversOn:
            case Step::Op::LeversOff:
                for (int lever : {step.first, step.last}) {
                    const bool hasBank = step.bank == Bank::Twelve || spec.banks.hasFourBank();
                    if (!hasBank || lever < 1 || lever > leverCount(step.bank))
                        leverNotInBank(lever);
                }
                break;
            case Step::Op::Clear:
                need(step.control, {Kind::Check});
                break;
            case Step::Op::Select:
            case Step::Op::Deselect:
                need(step.control, {Kind::Option});
                break;
            case Step::Op::Nothing:
            case Step::Op::SetText1:
                break;
            }
        }
    };
    ui::requireFramesFirst(spec.layout);
    // What the engine itself names.
    need("Text1", {Kind::TextBox});
    need("Label7", {Kind::Label});
    need("Option1", {Kind::Option});
    need("Option2", {Kind::Option});
    need("Timer1", {Kind::Timer});
    for (Bank bank : {Bank::Twelve, Bank::Four}) {
        if (bank == Bank::Four && !spec.banks.hasFourBank())
            continue;
        need(bank == Bank::Twelve ? "Shape1(0)" : "Shape1(1)");
        for (int lever = 1; lever <= leverCount(bank); ++lever) {
            for (Row row : {Row::Upper, Row::Lower})
                need(kShapeNames[std::size_t(shapeNumber(bank, lever, row))],
                     {Kind::SolidRectangle});
        }
    }
    const ModeProfile& profile = spec.profile;
    for (std::string_view name : profile.dmxControls)
        need(name);
    for (std::string_view name : profile.masterControls)
        need(name);
    for (std::span<const Step> list : {profile.loadSteps, profile.dmxEntry, profile.masterPreset,
                                       profile.masterEntry, profile.pollFixed})
        steps(list);
    for (const SelectionMap& map : profile.selectionMaps) {
        for (const SelectionOption& choice : map) {
            need(choice.option, {Kind::Option});
            steps({&choice.step, 1});
        }
    }
    if (!profile.showBits.empty()) {
        for (std::string_view show : kShowOptions)
            need(show, {Kind::Option});
    }
    for (const ShowBit& showBit : profile.showBits) {
        if (showBit.lever < 1 || showBit.lever > kTwelve)
            leverNotInBank(showBit.lever);
    }
    for (int lever : spec.addressMap) {
        if (lever < 1 || lever > kTwelve)
            leverNotInBank(lever);
    }
    for (const ClickProcedure& procedure : spec.procedures) {
        need(procedure.control, {Kind::Check, Kind::Option});
        steps(procedure.whenChecked);
        steps(procedure.whenCleared);
    }
    // What a setting is made with, the cards' and the plan's choices.
    const SettingControls& setting = spec.setting;

    for (std::string_view box : {setting.terminator, setting.pushbutton, setting.modulation}) {
        if (!box.empty())
            need(box, {Kind::Check});
    }
    for (std::string_view option : {setting.threeChannels, setting.sixChannels}) {
        if (!option.empty())
            need(option, {Kind::Option});
    }
    for (std::span<const std::string_view> options : {setting.speeds, setting.shows, setting.tunes})
        for (std::string_view option : options)
            need(option, {Kind::Option});
}

// A configurator's spec, checked by requireValid where it is handed over: the conversion runs at
// compile time, so a spec with a misspelt name does not compile.
class CheckedSpec
{
public:
    consteval CheckedSpec(const ConfiguratorSpec& spec) : spec_(spec) { requireValid(spec); }
    const ConfiguratorSpec& operator*() const { return spec_; }

private:
    const ConfiguratorSpec& spec_;
};

// A device's spec agrees with its row of the device table: the window's name and caption, and a
// setting control for every choice the device offers and none other.
consteval void requireAgreesWithDevice(const ConfiguratorSpec& spec)
{
    const SettingControls& setting = spec.setting;
    const DeviceInfo& device = deviceInfo(spec.device);
    if (device.windowName != spec.window.name || device.caption != spec.window.caption ||
        device.channels != !setting.threeChannels.empty() ||
        device.channels != !setting.sixChannels.empty() ||
        device.pushbutton != !setting.pushbutton.empty() ||
        device.modulation != !setting.modulation.empty() ||
        device.speedAndShow != !setting.speeds.empty() ||
        device.speedAndShow != !setting.shows.empty() || device.tune != !setting.tunes.empty() ||
        (!setting.speeds.empty() && setting.speeds.size() != kMaxSpeed + 1) ||
        (!setting.shows.empty() && setting.shows.size() != kMaxShow + 1) ||
        (!setting.tunes.empty() && setting.tunes.size() != kMaxTune + 1) ||
        setting.terminator.empty())
        specDisagreesWithDeviceTable();
}

// A device's configurator spec: its names checked against its layout, and the spec against the
// device table.
class DeviceSpec
{
public:
    consteval DeviceSpec(const ConfiguratorSpec& spec) : spec_(spec)
    {
        requireValid(spec);
        requireAgreesWithDevice(spec);
    }
    const ConfiguratorSpec& operator*() const { return spec_; }

private:
    const ConfiguratorSpec& spec_;
};

} // namespace velantra::dip
