#pragma once

// The five device families as the planner shows them. What each device offers comes from the
// setting cards' table (cards/devices.h); the planner adds the names of its Device column.

#include "cards/devices.h"

#include <array>
#include <string_view>

namespace velantra::plan
{

using cards::deviceInfo;
using cards::DeviceInfo;
using cards::kDevices;

constexpr std::array<std::string_view, kDevices.size()> kTableNames{
    "ORVO 75", "ORVO 36", "ORVO FLUO / Nembra", "Intelligent RGB", "DOR"};

constexpr std::string_view tableName(cards::Device device)
{
    return kTableNames[std::size_t(device)];
}

constexpr int kSpeeds = cards::kMaxSpeed + 1; // Speed 0 … Speed 4
constexpr int kShows = cards::kMaxShow + 1;   // Show 0 … Show 15
constexpr int kTunes = cards::kMaxTune + 1;   // CCT 0 … CCT 9

} // namespace velantra::plan
