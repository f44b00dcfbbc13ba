#include "dip/leverreading.h"

#include "devices/devices.h"
#include "dip/modeprofile.h"
#include "dip/profiles.h"
#include "i18n/translatable.h"

#include <array>
#include <bit>

namespace velantra::dip
{
namespace
{

// A setting and the levers the engine leaves for it; in DMX mode without the address levers.
struct Explanation {
    DeviceSetting setting;
    Levers levers;
};

// Everything the levers of one device can mean.
struct DeviceMeanings {
    std::uint16_t addressLevers = 0; // the address map's levers of the 12-lever bank
    std::vector<Explanation> dmx;
    std::vector<Explanation> master;
    // The levers every setting of the mode sets the same way: the mode's own levers.
    Levers dmxFixed;
    Levers masterFixed;
};

// The levers on which all the explanations agree.
Levers agreed(const std::vector<Explanation>& mode)
{
    Levers on{.twelve = 0xFFFF, .four = 0xFF};
    Levers off = on;
    for (const Explanation& explanation : mode) {
        on.twelve &= explanation.levers.twelve;
        on.four &= explanation.levers.four;
        off.twelve &= std::uint16_t(~explanation.levers.twelve);
        off.four &= std::uint8_t(~explanation.levers.four);
    }
    return {.twelve = std::uint16_t(on.twelve | off.twelve),
            .four = std::uint8_t(on.four | off.four)};
}

template <typename T> std::vector<T> choicesIf(bool offered, std::initializer_list<T> choices)
{
    return offered ? std::vector<T>(choices) : std::vector<T>{T{}};
}

std::vector<std::optional<int>> range(bool offered, int last)
{
    std::vector<std::optional<int>> values;
    for (int n = 0; n <= last; ++n)
        values.push_back(n);
    return offered ? values : std::vector<std::optional<int>>{std::nullopt};
}

// Every choice of each mode: in DMX mode the channel count, terminator and modulation at
// address 1; in master mode every speed, show, tune, pushbutton and modulation.
DeviceMeanings meaningsOf(Device device)
{
    const DeviceInfo& info = deviceInfo(device);
    DeviceMeanings meanings;
    for (int lever : configuratorSpec(device).addressMap)
        meanings.addressLevers |= std::uint16_t(1u << (lever - 1));
    const std::vector<bool> modulations = choicesIf(info.modulation, {false, true});
    const std::vector<bool> terminators{false, true};
    const std::vector<std::optional<int>> channels =
        choicesIf<std::optional<int>>(info.channels, {3, 6});
    for (const std::optional<int>& channelCount : channels) {
        for (bool terminator : terminators) {
            for (bool modulation : modulations) {
                const DeviceSetting setting{.device = device,
                                            .channels = channelCount,
                                            .terminator = terminator,
                                            .modulation = modulation};
                Levers levers = leversFor(setting);
                levers.twelve &= std::uint16_t(~meanings.addressLevers);
                meanings.dmx.push_back({setting, levers});
            }
        }
    }
    const std::vector<bool> pushbuttons = choicesIf(info.pushbutton, {false, true});
    for (const std::optional<int>& speed : range(info.speedAndShow, kMaxSpeed)) {
        for (const std::optional<int>& show : range(info.speedAndShow, kMaxShow)) {
            for (const std::optional<int>& tune : range(info.tune, kMaxTune)) {
                for (bool pushbutton : pushbuttons) {
                    for (bool modulation : modulations) {
                        const DeviceSetting setting{.device = device,
                                                    .master = true,
                                                    .pushbutton = pushbutton,
                                                    .speed = speed,
                                                    .show = show,
                                                    .tune = tune,
                                                    .modulation = modulation};
                        meanings.master.push_back({setting, leversFor(setting)});
                    }
                }
            }
        }
    }
    meanings.dmxFixed = agreed(meanings.dmx);
    meanings.masterFixed = agreed(meanings.master);
    return meanings;
}

const DeviceMeanings& meaningsFor(Device device)
{
    static const std::array<DeviceMeanings, kDeviceCount> all = [] {
        std::array<DeviceMeanings, kDeviceCount> made;
        for (std::size_t i = 0; i < kDeviceCount; ++i)
            made[i] = meaningsOf(Device(i));
        return made;
    }();
    return all[std::size_t(device)];
}

// The levers that differ, a mode's own lever counting twice: the master lever ON says more
// against DMX mode than a second speed lever says against master mode.
int distance(const Levers& a, const Levers& b, const Levers& fixed)
{
    const unsigned twelve = a.twelve ^ b.twelve;
    const unsigned four = a.four ^ b.four;
    return std::popcount(twelve) + std::popcount(twelve & fixed.twelve) + std::popcount(four) +
           std::popcount(four & fixed.four);
}

std::string caption(const ConfiguratorSpec& spec, std::string_view control)
{
    for (const ui::Control& row : spec.layout) {
        if (row.name != control)
            continue;
        // Translated first: the translations hold the caption with its trailing blank.
        std::string text =
            i18n::translated(i18n::context::kLayout, std::string(row.caption).c_str());
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    }
    return std::string(control);
}

std::vector<std::string> optionsOf(const DeviceSetting& s)
{
    const ConfiguratorSpec& spec = configuratorSpec(s.device);
    const SettingControls& c = spec.setting;
    std::vector<std::string> options;
    const auto add = [&](bool chosen, std::string_view control) {
        if (chosen && !control.empty())
            options.push_back(caption(spec, control));
    };
    add(s.channels == 3, c.threeChannels);
    add(s.channels == 6, c.sixChannels);
    add(s.terminator, c.terminator);
    if (s.speed)
        add(true, c.speeds[std::size_t(*s.speed)]);
    if (s.show)
        add(true, c.shows[std::size_t(*s.show)]);
    if (s.tune)
        add(true, c.tunes[std::size_t(*s.tune)]);
    add(s.pushbutton, c.pushbutton);
    add(s.modulation, c.modulation);
    return options;
}

std::string leverName(Bank bank, int lever, bool hasFour)
{
    const std::string number = std::to_string(lever);
    if (bank == Bank::Four)
        return i18n::arg(i18n::translated("Levers", "lever %1 of the 4-lever bank"), {number});
    return i18n::arg(hasFour ? i18n::translated("Levers", "lever %1 of the 12-lever bank")
                             : i18n::translated("Levers", "lever %1"),
                     {number});
}

// The levers beyond the device's banks, as problems; they are then left out.
void dropMissingLevers(Device device, Levers& levers, std::vector<std::string>& problems)
{
    const bool hasFour = hasFourBank(device);
    const std::string device_name(deviceInfo(device).displayName);
    if (const unsigned beyond = levers.twelve & ~((1u << kTwelve) - 1)) {
        problems.push_back(
            i18n::arg(i18n::translated("Levers", "the 12-lever bank has no lever %1"),
                      {std::to_string(std::countr_zero(beyond) + 1)}));
    }
    levers.twelve &= std::uint16_t((1u << kTwelve) - 1);
    if (!hasFour && levers.four)
        problems.push_back(
            i18n::arg(i18n::translated("Levers", "the %1 has no 4-lever bank"), {device_name}));
    else if (const unsigned beyond = levers.four & ~((1u << kFour) - 1))
        problems.push_back(i18n::arg(i18n::translated("Levers", "the 4-lever bank has no lever %1"),
                                     {std::to_string(std::countr_zero(beyond) + 1)}));
    levers.four = hasFour ? std::uint8_t(levers.four & ((1u << kFour) - 1)) : 0;
    levers.hasFour = hasFour;
}

// The levers that differ from the nearest explanation: a lever every setting of the mode sets
// one way is named with the way it must be; the others do not fit the rest of the levers.
void nameDifferences(const Levers& fixed, const Levers& found, const Levers& nearest, bool master,
                     bool hasFour, std::vector<std::string>& problems)
{
    const std::string inMode = master ? i18n::translated("Levers", "in master mode")
                                      : i18n::translated("Levers", "in DMX mode");
    std::string unfit;
    for (Bank bank : {Bank::Twelve, Bank::Four}) {
        for (int lever = 1; lever <= leverCount(bank); ++lever) {
            const bool on = found.isOn(bank, lever);
            if (on == nearest.isOn(bank, lever))
                continue;
            const std::string name = leverName(bank, lever, hasFour);
            if (fixed.isOn(bank, lever))
                problems.push_back(i18n::arg(on ? i18n::translated("Levers", "%1 must be OFF %2")
                                                : i18n::translated("Levers", "%1 must be ON %2"),
                                             {name, inMode}));
            else
                unfit += (unfit.empty() ? "" : ", ") +
                         i18n::arg(on ? i18n::translated("Levers", "%1 ON")
                                      : i18n::translated("Levers", "%1 OFF"),
                                   {name});
        }
    }
    if (!unfit.empty())
        problems.push_back(
            i18n::arg(i18n::translated(
                          "Levers", "%1: no setting %2 has this with the other levers as they are"),
                      {unfit, inMode}));
}

std::string withOptions(std::string text, const std::vector<std::string>& options)
{
    for (const std::string& option : options)
        text += ", " + option;
    return text;
}

} // namespace

Levers leversFor(const DeviceSetting& setting)
{
    DipEngine engine(setting.device);
    engine.Form_Load();
    engine.apply(setting);
    return engine.levers();
}

LeverReading readLevers(Device device, const Levers& levers)
{
    LeverReading reading;
    Levers found = levers;
    dropMissingLevers(device, found, reading.problems);
    const DeviceMeanings& meanings = meaningsFor(device);
    Levers withoutAddress = found;
    withoutAddress.twelve &= std::uint16_t(~meanings.addressLevers);

    // The nearest explanation; DMX mode first where both are as near.
    const Explanation* nearest = nullptr;
    bool master = false;
    int best = 0;
    for (const Explanation& explanation : meanings.dmx) {
        const int d = distance(withoutAddress, explanation.levers, meanings.dmxFixed);
        if (!nearest || d < best)
            nearest = &explanation, best = d;
    }
    for (const Explanation& explanation : meanings.master) {
        const int d = distance(found, explanation.levers, meanings.masterFixed);
        if (d < best)
            nearest = &explanation, best = d, master = true;
    }
    reading.setting = nearest->setting;
    if (!master) {
        int address = 0;
        const AddressMap& map = configuratorSpec(device).addressMap;
        for (std::size_t bit = 0; bit < map.size(); ++bit) {
            if (found.isOn(Bank::Twelve, map[bit]))
                address |= 1 << bit;
        }
        if (address > 0) {
            reading.address = address;
            reading.setting.address = address;
        } else {
            reading.problems.push_back(
                i18n::translated("Levers", "no address lever is ON: address 0 is no DMX address"));
        }
    }
    nameDifferences(master ? meanings.masterFixed : meanings.dmxFixed,
                    master ? found : withoutAddress, nearest->levers, master, found.hasFour,
                    reading.problems);
    reading.options = optionsOf(reading.setting);
    return reading;
}

bool hasFourBank(Device device)
{
    return configuratorSpec(device).banks.hasFourBank();
}

std::string addressReadingText(std::optional<int> address, const std::vector<std::string>& options)
{
    return withOptions(
        i18n::arg(i18n::translated("Levers", "DMX address %1"),
                  {address ? std::to_string(*address) : i18n::translated("Levers", "none")}),
        options);
}

std::string readingText(const LeverReading& reading)
{
    if (reading.setting.master)
        return withOptions(i18n::translated("Levers", "Master"), reading.options);
    return addressReadingText(reading.address, reading.options);
}

} // namespace velantra::dip
