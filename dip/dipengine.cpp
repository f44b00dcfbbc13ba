#include "dip/dipengine.h"

#include "dip/dmxaddressencoder.h"
#include "dip/profiles.h"
#include "dip/readleadingnumber.h"

#include <cstdlib>

namespace velantra::dip
{

// For the length of a procedure, nested ones included: the levers it sets are shown together
// when the outermost one ends.
class DipEngine::Procedure
{
public:
    explicit Procedure(DipEngine& engine) : engine_(engine) { ++engine_.depth_; }
    ~Procedure()
    {
        if (--engine_.depth_ > 0 || engine_.levers_ == engine_.shownLevers_)
            return;
        engine_.shownLevers_ = engine_.levers_;
        if (engine_.panel_)
            engine_.panel_->showLevers(engine_.levers_);
    }
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

private:
    DipEngine& engine_;
};

DipEngine::DipEngine(Device device, DipPanel* panel)
    : spec_(configuratorSpec(device)), device_(device), panel_(panel)
{
    controls_.reserve(spec_.layout.size());
    for (const ui::Control& row : spec_.layout)
        controls_.push_back({.checked = (row.flags & ui::Checked) != 0,
                             .enabled = (row.flags & ui::Disabled) == 0});
    text1_ = std::u16string(spec_.layout[indexOf("Text1")].caption.begin(),
                            spec_.layout[indexOf("Text1")].caption.end());
    errorShown_ = (spec_.layout[indexOf("Label7")].flags & ui::Hidden) == 0;
    levers_.twelve = spec_.banks.initiallyOn12;
    levers_.four = spec_.banks.initiallyOn4;
    levers_.hasFour = spec_.banks.hasFourBank();
    shownLevers_ = levers_;
}

void DipEngine::Form_Load()
{
    const Procedure procedure(*this);
    enableControls(spec_.profile.masterControls, false);
    run(spec_.profile.loadSteps);
    // The address levers start from the text of Text1, exactly as after any change of it, so
    // that a freshly opened window never draws an address other than the one in the box.
    Text1_Change();
}

void DipEngine::Text1_Change()
{
    const Procedure procedure(*this);
    const AddressMap& map = spec_.addressMap;
    for (int lever : map)
        setLever(Bank::Twelve, lever, false);
    if (errorShown_) {
        errorShown_ = false;
        if (panel_)
            panel_->showError(false);
    }
    const double n = ReadLeadingNumber(text1_);
    if (!IsValidDmxAddress(n)) {
        setText1(u""); // runs this procedure once more, nested, when not yet empty
        if (!errorShown_) {
            errorShown_ = true;
            if (panel_)
                panel_->showError(true);
        }
        return;
    }
    const std::uint32_t bits = DmxAddressEncoder(n);
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (bits & (1u << i))
            setLever(Bank::Twelve, map[i], true);
    }
}

void DipEngine::Option1_Click()
{
    const Procedure procedure(*this);
    timer1_ = false;
    if (panel_)
        panel_->runTimer1(false);
    if (isChecked("Option1")) {
        enableControls(spec_.profile.dmxControls, true);
        enableControls(spec_.profile.masterControls, false);
        run(spec_.profile.dmxEntry);
    }
}

void DipEngine::Option2_Click()
{
    const Procedure procedure(*this);
    run(spec_.profile.masterPreset);
    if (isChecked("Option2")) {
        enableControls(spec_.profile.dmxControls, false);
        enableControls(spec_.profile.masterControls, true);
        run(spec_.profile.masterEntry);
        timer1_ = true;
        if (panel_)
            panel_->runTimer1(true);
    }
}

void DipEngine::Timer1_Timer()
{
    const Procedure procedure(*this);
    const ModeProfile& profile = spec_.profile;
    run(profile.pollFixed);
    for (const SelectionMap& map : profile.selectionMaps) {
        for (const SelectionOption& choice : map) {
            if (isChecked(choice.option))
                run(choice.step);
        }
    }
    if (profile.showBits.empty())
        return;
    const std::uint32_t bits = TakeApartIntoBits(chosen(kShowOptions).value_or(0), 16);
    for (const ShowBit& showBit : profile.showBits) {
        if (bits & std::uint32_t(showBit.bit))
            setLever(Bank::Twelve, showBit.lever, true);
    }
}

void DipEngine::setText1(std::u16string_view text)
{
    if (text == text1_)
        return;
    text1_ = text;
    if (panel_)
        panel_->showText1(text1_);
    Text1_Change();
}

void DipEngine::setChecked(std::string_view control, bool checked)
{
    const std::size_t index = indexOf(control);
    if (spec_.layout[index].kind != ui::Kind::Option)
        setBox(index, checked);
    else if (checked)
        select(index);
    else
        deselect(index);
}

void DipEngine::click(std::string_view control)
{
    const std::size_t index = indexOf(control);
    if (!isClickable(index))
        return;
    if (spec_.layout[index].kind == ui::Kind::Option)
        select(index);
    else
        setBox(index, !controls_[index].checked);
}

void DipEngine::apply(const DeviceSetting& s)
{
    const SettingControls& c = spec_.setting;
    const auto setBoxIfAny = [this](std::string_view box, bool checked) {
        if (!box.empty() && isChecked(box) != checked)
            click(box);
    };
    if (s.master) {
        // Entering master mode anew sets its presets, whatever was chosen before.
        if (isChecked("Option2"))
            click("Option1");
        click("Option2");
        if (s.speed)
            click(c.speeds[std::size_t(*s.speed)]);
        if (s.show)
            click(c.shows[std::size_t(*s.show)]);
        if (s.tune)
            click(c.tunes[std::size_t(*s.tune)]);
        setBoxIfAny(c.pushbutton, s.pushbutton);
    } else {
        if (!isChecked("Option1"))
            click("Option1");
        const std::string address = std::to_string(s.address);
        setText1(std::u16string(address.begin(), address.end()));
        if (s.channels)
            click(*s.channels == 3 ? c.threeChannels : c.sixChannels);
        setBoxIfAny(c.terminator, s.terminator);
    }
    setBoxIfAny(c.modulation, s.modulation);
    // The master-mode tick draws the chosen speed, show or tune, as 500 ms later on the screen.
    if (s.master)
        Timer1_Timer();
}

bool DipEngine::isChecked(std::string_view control) const
{
    return controls_[indexOf(control)].checked;
}

bool DipEngine::isEnabled(std::string_view control) const
{
    return controls_[indexOf(control)].enabled;
}

DeviceSetting DipEngine::setting() const
{
    const SettingControls& c = spec_.setting;
    const auto checked = [this](std::string_view box) { return !box.empty() && isChecked(box); };
    DeviceSetting s{.device = device_, .master = isChecked("Option2")};
    if (s.master) {
        s.pushbutton = checked(c.pushbutton);
        s.speed = chosen(c.speeds);
        s.show = chosen(c.shows);
        s.tune = chosen(c.tunes);
    } else {
        if (const double n = ReadLeadingNumber(text1_); IsValidDmxAddress(n))
            s.address = int(n);
        if (checked(c.threeChannels))
            s.channels = 3;
        else if (checked(c.sixChannels))
            s.channels = 6;
        s.terminator = checked(c.terminator);
    }
    s.modulation = checked(c.modulation);
    return s;
}

void DipEngine::run(std::span<const Step> steps)
{
    for (const Step& step : steps)
        run(step);
}

void DipEngine::run(const Step& step)
{
    switch (step.op) {
    case Step::Op::Nothing:
        break;
    case Step::Op::LeversOn:
    case Step::Op::LeversOff: {
        const int direction = step.last >= step.first ? 1 : -1;
        for (int k = step.first;; k += direction) {
            setLever(step.bank, k, step.op == Step::Op::LeversOn);
            if (k == step.last)
                break;
        }
        break;
    }
    case Step::Op::SetText1:
        // The same text again runs nothing, but the box still shows it set anew (its selection
        // goes, as when any text is set).
        if (text1_ == u"1" && panel_)
            panel_->showText1(text1_);
        setText1(u"1");
        break;
    case Step::Op::Clear:
        setBox(indexOf(step.control), false);
        break;
    case Step::Op::Select:
        select(indexOf(step.control));
        break;
    case Step::Op::Deselect:
        deselect(indexOf(step.control));
        break;
    }
}

// An option's group is the options directly in its container.
void DipEngine::select(std::size_t index)
{
    if (controls_[index].checked)
        return;
    const std::string_view container = spec_.layout[index].parent;
    for (std::size_t peer = 0; peer < controls_.size(); ++peer) {
        const ui::Control& row = spec_.layout[peer];
        if (peer != index && row.kind == ui::Kind::Option && row.parent == container)
            deselect(peer);
    }
    controls_[index].checked = true;
    if (panel_)
        panel_->showChecked(nameOf(index), true);
    clicked(index, true);
}

void DipEngine::deselect(std::size_t index)
{
    if (!controls_[index].checked)
        return;
    controls_[index].checked = false;
    if (panel_)
        panel_->showChecked(nameOf(index), false);
}

void DipEngine::setBox(std::size_t index, bool checked)
{
    if (controls_[index].checked == checked)
        return;
    controls_[index].checked = checked;
    if (panel_)
        panel_->showChecked(nameOf(index), checked);
    clicked(index, checked);
}

// The click procedure of a control that has just become checked, or a check box cleared.
void DipEngine::clicked(std::size_t index, bool checked)
{
    const std::string_view name = nameOf(index);
    if (name == "Option1") {
        if (checked)
            Option1_Click();
        return;
    }
    if (name == "Option2") {
        if (checked)
            Option2_Click();
        return;
    }
    for (const ClickProcedure& procedure : spec_.procedures) {
        if (procedure.control != name)
            continue;
        const Procedure running(*this);
        if (checked)
            run(procedure.whenChecked);
        else if (spec_.layout[index].kind != ui::Kind::Option)
            run(procedure.whenCleared);
    }
}

void DipEngine::enableControls(std::span<const std::string_view> names, bool enabled)
{
    for (std::string_view name : names) {
        ControlState& control = controls_[indexOf(name)];
        if (control.enabled == enabled)
            continue;
        control.enabled = enabled;
        if (panel_)
            panel_->showEnabled(name, enabled);
    }
}

void DipEngine::setLever(Bank bank, int lever, bool on)
{
    const unsigned bit = 1u << (lever - 1);
    if (bank == Bank::Twelve)
        levers_.twelve = std::uint16_t(on ? levers_.twelve | bit : levers_.twelve & ~bit);
    else
        levers_.four = std::uint8_t(on ? levers_.four | bit : levers_.four & ~bit);
}

// Enabled, and in a container that is enabled too.
bool DipEngine::isClickable(std::size_t index) const
{
    if (!controls_[index].enabled)
        return false;
    const std::string_view container = spec_.layout[index].parent;
    return container.empty() || isEnabled(container);
}

// The number of the checked option of a list, if one is.
std::optional<int> DipEngine::chosen(std::span<const std::string_view> options) const
{
    for (std::size_t number = 0; number < options.size(); ++number) {
        if (isChecked(options[number]))
            return int(number);
    }
    return std::nullopt;
}

std::size_t DipEngine::indexOf(std::string_view name) const
{
    for (std::size_t index = 0; index < spec_.layout.size(); ++index) {
        if (spec_.layout[index].name == name)
            return index;
    }
    // Every name the engine is given comes from the spec, proven to be in its layout at compile
    // time (CheckedSpec); a name from elsewhere is a fault of the caller.
    std::abort();
}

} // namespace velantra::dip
