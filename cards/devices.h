#pragma once

// The five configurable device families as data: the name the command line knows each by, the
// configurator window that sets it, and which choices the device offers. A setting is checked
// against this table before it is applied to a window.

#include "cards/devicesetting.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velantra::cards
{

struct DeviceInfo {
    Device device;
    std::string_view commandName; // "orvo75"
    std::string_view windowName;  // the configurator window's objectName, "Dip_DMX"
    std::string_view displayName; // for messages, "ORVO 75"
    bool channels = false;        // a 3 Ch / 6 Ch choice
    bool pushbutton = false;      // an external pushbutton box
    bool speedAndShow = false;    // Speed 0–4 and Show 0–15 in master mode
    bool tune = false;            // CCT 0–9 in master mode
    bool modulation = false;      // "1-100 % Modulation"
};

inline constexpr std::array<DeviceInfo, 5> kDevices{{
    {Device::Orvo75, "orvo75", "Dip_DMX", "ORVO 75", true, true, true, false, false},
    {Device::Orvo36, "orvo36", "Dip_36", "ORVO 36", false, true, true, false, false},
    {Device::Fluo, "fluo", "Dip_FLUO", "ORVO FLUO / Nembra", false, true, true, false, true},
    {Device::Intell, "intell", "Intell", "intelligent RGB fixture", false, false, true, false,
     false},
    {Device::Dor, "dor", "dipDOR", "DOR fixture", false, false, false, true, false},
}};

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

} // namespace velantra::cards
