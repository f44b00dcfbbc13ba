#pragma once

// The device families as the planner shows them: names and choices from the one device table
// (cards/devices.h).

#include "cards/devices.h"

#include <array>
#include <string_view>

namespace velantra::plan
{

using cards::deviceInfo;
using cards::DeviceInfo;
using cards::kDevices;

constexpr std::string_view tableName(cards::Device device)
{
    return deviceInfo(device).tableName;
}

constexpr int kSpeeds = cards::kMaxSpeed + 1; // Speed 0 … Speed 4
constexpr int kShows = cards::kMaxShow + 1;   // Show 0 … Show 15
constexpr int kTunes = cards::kMaxTune + 1;   // CCT 0 … CCT 9

} // namespace velantra::plan
