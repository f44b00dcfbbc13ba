#pragma once

// The device families as the planner shows them: names and choices from the one device table
// (devices/devices.h).

#include "devices/devices.h"

#include <array>
#include <string_view>

namespace velantra::plan
{

constexpr std::string_view tableName(Device device)
{
    return deviceInfo(device).tableName;
}

constexpr int kSpeeds = kMaxSpeed + 1; // Speed 0 … Speed 4
constexpr int kShows = kMaxShow + 1;   // Show 0 … Show 15
constexpr int kTunes = kMaxTune + 1;   // CCT 0 … CCT 9

} // namespace velantra::plan
