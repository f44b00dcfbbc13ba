#pragma once

// The DIP-switch configurators without widgets: plain C++, one engine for every device.
//
//   device ──► its profile (dip/<device>.cpp: layout rows, address map, mode steps and click
//              procedures, the controls of its setting; all checked at compile time)
//   events ──► Form_Load, the user's changes (setText1, click, setChecked), Timer1's tick,
//              or a whole DeviceSetting (apply)
//          ──► the procedures run on a model of the window's controls: Text1's text, which
//              boxes and options are checked, which controls are enabled, the error label,
//              Timer1 and the levers of both banks
//          ──► out: levers(), the controls' state and setting(); a DipPanel, if given, is told
//              of each change as it happens, so that a window can show it
//
// A change a procedure makes to a control runs that control's procedure at once, nested, as the
// user's change would; the same value, a deselection or building runs nothing. The levers a
// procedure sets move together when the outermost procedure ends.

#include "devices/devicesetting.h"
#include "dip/modeprofile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velantra::dip
{

// The levers of both banks; bit k−1 set: lever k ON.
struct Levers {
    std::uint16_t twelve = 0;
    std::uint8_t four = 0;
    bool hasFour = false;
    constexpr bool isOn(Bank bank, int lever) const
    {
        const unsigned bits = bank == Bank::Twelve ? twelve : four;
        return bits & (1u << (lever - 1));
    }
    friend bool operator==(const Levers&, const Levers&) = default;
};

// What the engine tells its window. Every call reports a change the model has already made.
class DipPanel
{
public:
    virtual ~DipPanel() = default;
    virtual void showText1(std::u16string_view text) = 0;
    virtual void showError(bool shown) = 0; // Label7
    // A check box checked or cleared, an option selected or deselected (an option's group
    // peers are reported deselected before it is reported selected).
    virtual void showChecked(std::string_view control, bool checked) = 0;
    virtual void showEnabled(std::string_view control, bool enabled) = 0;
    virtual void runTimer1(bool running) = 0;
    // At the end of the outermost procedure, when a lever has moved.
    virtual void showLevers(const Levers& levers) = 0;
};

class DipEngine
{
public:
    // The device's configurator, its layout's initial state, Form_Load not yet run.
    explicit DipEngine(Device device, DipPanel* panel = nullptr);
    DipEngine(const DipEngine&) = delete;
    DipEngine& operator=(const DipEngine&) = delete;

    // The procedures.
    void Form_Load();
    void Text1_Change();
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

    // The user's changes; each runs what the same change in the window runs. A click on a
    // disabled control does nothing, as in the window.
    void setText1(std::u16string_view text);
    void setChecked(std::string_view control, bool checked); // an option: true selects it
    void click(std::string_view control); // toggles a check box, selects an option

    // Sets the setting as a user does (mode, address, choices, then one tick in master mode).
    // Applied after Form_Load it gives exactly the setting; later, choices the setting leaves
    // open keep what the window shows. The setting must have no settingProblem().
    void apply(const DeviceSetting& setting);

    // What the window shows.
    const Levers& levers() const { return levers_; }
    std::u16string_view text1() const { return text1_; }
    bool errorShown() const { return errorShown_; }
    bool isChecked(std::string_view control) const;
    bool isEnabled(std::string_view control) const;
    bool timer1Running() const { return timer1_; }
    // The setting the controls show; the address where Text1 holds a valid one, else 1.
    DeviceSetting setting() const;
    const ConfiguratorSpec& spec() const { return spec_; }

private:
    struct ControlState {
        bool checked = false;
        bool enabled = true;
    };
    class Procedure;

    void run(std::span<const Step> steps);
    void run(const Step& step);
    void select(std::size_t index);
    void deselect(std::size_t index);
    void setBox(std::size_t index, bool checked);
    void clicked(std::size_t index, bool checked);
    void enableControls(std::span<const std::string_view> names, bool enabled);
    void setLever(Bank bank, int lever, bool on);
    bool isClickable(std::size_t index) const;
    std::optional<int> chosen(std::span<const std::string_view> options) const;
    std::size_t indexOf(std::string_view name) const;
    std::string_view nameOf(std::size_t index) const { return spec_.layout[index].name; }

    const ConfiguratorSpec& spec_;
    Device device_;
    DipPanel* panel_;
    std::vector<ControlState> controls_; // by layout row
    std::u16string text1_;
    bool errorShown_ = false;
    bool timer1_ = false;
    Levers levers_;
    Levers shownLevers_;
    int depth_ = 0; // procedures now running, nested ones included
};

} // namespace velantra::dip
