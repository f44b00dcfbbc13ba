#pragma once

// The configurable device families as data: the names the command line, the plan and the
// messages know each by, the configurator window that sets it, and which choices the device
// offers. A setting is checked against this table before it is applied to a window.

#include "devices/devicesetting.h"
#include "i18n/translatable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velantra
{

struct DeviceInfo {
    Device device;
    std::string_view commandName; // the command line's and the plan file's, "orvo75"
    std::string_view tableName;   // the rig plan's Device column, "ORVO 75"
    std::string_view displayName; // for messages, "ORVO 75"
    std::string_view windowName;  // the configurator window's objectName, "Dip_DMX"
    std::string_view caption;     // the configurator window's caption
    bool channels = false;        // a 3 Ch / 6 Ch choice
    bool pushbutton = false;      // an external pushbutton box
    bool speedAndShow = false;    // Speed 0–4 and Show 0–15 in master mode
    bool tune = false;            // CCT 0–9 in master mode
    bool modulation = false;      // "1-100 % Modulation"
};

// One row per device, at the index of its Device. Every list of devices (the command line's
// choices and messages, the plan's names, the catalogue's configurators) is read from here.
inline constexpr auto kDevices = std::to_array<DeviceInfo>({
    {.device = Device::Orvo75,
     .commandName = "orvo75",
     .tableName = "ORVO 75",
     .displayName = "ORVO 75",
     .windowName = "Dip_DMX",
     .caption = VT_TEXT("Layout", "ORVO 75 dip-switch configurator"),
     .channels = true,
     .pushbutton = true,
     .speedAndShow = true},
    {.device = Device::Orvo36,
     .commandName = "orvo36",
     .tableName = "ORVO 36",
     .displayName = "ORVO 36",
     .windowName = "Dip_36",
     .caption = VT_TEXT("Layout", "ORVO 36 dip-switch configurator"),
     .pushbutton = true,
     .speedAndShow = true},
    {.device = Device::Fluo,
     .commandName = "fluo",
     .tableName = "ORVO FLUO / Nembra",
     .displayName = "ORVO FLUO / Nembra",
     .windowName = "Dip_FLUO",
     .caption = VT_TEXT("Layout", "ORVO FLUO / Nembra dip-switch configurator"),
     .pushbutton = true,
     .speedAndShow = true,
     .modulation = true},
    {.device = Device::Intell,
     .commandName = "intell",
     .tableName = "Intelligent RGB",
     .displayName = VT_TEXT("Devices", "intelligent RGB fixture"),
     .windowName = "Intell",
     .caption = VT_TEXT("Layout", "Intelligent fixture configurator"),
     .speedAndShow = true},
    {.device = Device::Dor,
     .commandName = "dor",
     .tableName = "DOR",
     .displayName = VT_TEXT("Devices", "DOR fixture"),
     .windowName = "dipDOR",
     .caption = VT_TEXT("Layout", "DOR fixture configurator"),
     .tune = true},
});
inline constexpr std::size_t kDeviceCount = kDevices.size();

namespace detail
{
consteval bool rowsInDeviceOrder()
{
    for (std::size_t i = 0; i < kDeviceCount; ++i) {
        if (kDevices[i].device != Device(i) || kDevices[i].commandName.empty() ||
            kDevices[i].tableName.empty() || kDevices[i].windowName.empty())
            return false;
    }
    return true;
}

// Calls `append` with each part of "a, b, c or d" (`last` " or ") or "a, b, c, d" (`last` ", "):
// the command names of every device, or of those that offer `choice` when there is one.
template <typename Append>
consteval void commandListParts(std::string_view last, bool DeviceInfo::*choice, Append append)
{
    const auto listed = [&](const DeviceInfo& device) { return !choice || device.*choice; };
    std::size_t count = 0;
    for (const DeviceInfo& device : kDevices)
        count += listed(device) ? 1 : 0;
    std::size_t written = 0;
    for (const DeviceInfo& device : kDevices) {
        if (!listed(device))
            continue;
        if (written > 0)
            append(written + 1 == count ? last : std::string_view(", "));
        append(device.commandName);
        ++written;
    }
}
consteval std::size_t commandListLength(std::string_view last, bool DeviceInfo::*choice = nullptr)
{
    std::size_t length = 0;
    commandListParts(last, choice, [&](std::string_view part) { length += part.size(); });
    return length;
}
template <std::size_t N>
consteval std::array<char, N> commandList(std::string_view last, bool DeviceInfo::*choice = nullptr)
{
    std::array<char, N> text{};
    std::size_t at = 0;
    commandListParts(last, choice, [&](std::string_view part) {
        for (char c : part)
            text[at++] = c;
    });
    return text;
}
inline constexpr auto kOrList = commandList<commandListLength(" or ")>(" or ");
inline constexpr auto kCommaList = commandList<commandListLength(", ")>(", ");
template <bool DeviceInfo::*Choice>
inline constexpr auto kOffering = commandList<commandListLength(", ", Choice)>(", ", Choice);
} // namespace detail
static_assert(detail::rowsInDeviceOrder(), "one row per device, at the index of its Device");

// "orvo75, orvo36, fluo, intell or dor"
inline constexpr std::string_view kDeviceChoices{detail::kOrList.data(), detail::kOrList.size()};
// "orvo75, orvo36, fluo, intell, dor"
inline constexpr std::string_view kDeviceList{detail::kCommaList.data(), detail::kCommaList.size()};

// The command names of the devices that offer a choice, "orvo75, orvo36, fluo" for
// kDevicesOffering<&DeviceInfo::pushbutton>.
template <bool DeviceInfo::*Choice>
inline constexpr std::string_view kDevicesOffering{detail::kOffering<Choice>.data(),
                                                   detail::kOffering<Choice>.size()};

inline constexpr int kMaxSpeed = 4;
inline constexpr int kMaxShow = 15;
inline constexpr int kMaxTune = 9;

constexpr const DeviceInfo& deviceInfo(Device device)
{
    return kDevices[std::size_t(device)];
}

// The device of a command-line name ("orvo75"), if there is one.
std::optional<Device> deviceNamed(std::string_view commandName);

// Why the setting cannot be set on its device, as one sentence, or nothing when it can: an
// address outside 1–511, a choice the device does not have, a value out of range, or a choice
// of the other mode (the terminator and the channel count are DMX-mode choices, the pushbutton,
// speed, show and tune master-mode ones; a master takes no address).
std::optional<std::string> settingProblem(const DeviceSetting& setting);

} // namespace velantra
