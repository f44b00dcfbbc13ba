#pragma once

// The five device families a plan row can hold: their names in the table and in the file, and
// which options their configurator window offers.

#include "cards/devicesetting.h"

#include <array>
#include <optional>
#include <string_view>

namespace velantra::plan
{

struct DeviceInfo {
    cards::Device device;
    std::string_view key;  // in the file and on the command line
    std::string_view name; // in the table
    bool channelChoice;    // 3 Ch / 6 Ch on the window
    bool pushbutton;
    bool speedAndShow;
    bool tune;
    bool modulation;
};

constexpr std::array<DeviceInfo, 5> kDevices{{
    {cards::Device::Orvo75, "orvo75", "ORVO 75", true, true, true, false, false},
    {cards::Device::Orvo36, "orvo36", "ORVO 36", false, true, true, false, false},
    {cards::Device::Fluo, "fluo", "ORVO FLUO / Nembra", false, true, true, false, true},
    {cards::Device::Intell, "intell", "Intelligent RGB", false, false, true, false, false},
    {cards::Device::Dor, "dor", "DOR", false, false, false, true, false},
}};

constexpr const DeviceInfo& deviceInfo(cards::Device device)
{
    for (const DeviceInfo& info : kDevices)
        if (info.device == device)
            return info;
    return kDevices[0];
}

constexpr std::optional<cards::Device> deviceByKey(std::string_view key)
{
    for (const DeviceInfo& info : kDevices)
        if (info.key == key)
            return info.device;
    return std::nullopt;
}

constexpr int kSpeeds = 5; // Speed 0 … Speed 4
constexpr int kShows = 16; // Show 0 … Show 15
constexpr int kTunes = 10; // CCT 0 … CCT 9

} // namespace velantra::plan
