#pragma once

// A rig plan: the devices on one DMX line, in table order. Each row is a device's setting (as a
// configurator window takes it), a label the installer gives it, and the number of DMX channels
// the device takes from its start address. Plain data, shared by the window, the file and the
// command line.

#include "devices/devicesetting.h"

#include <optional>
#include <string>
#include <vector>

namespace velantra::plan
{

using velantra::Device;
using velantra::DeviceSetting;

// What the devices accept as a start address, and the last channel of a DMX line.
constexpr int kFirstStart = 1;
constexpr int kLastStart = 511;
constexpr int kLastChannel = 512;
// What the planner can hold: a start beyond the line is kept (and reported), not refused.
constexpr int kMaxStart = 999999;
constexpr int kMinChannels = 1;
constexpr int kMaxChannels = 512;
constexpr int kMaxRows = 1000;
constexpr std::size_t kMaxLabelLength = 200;

struct PlanRow {
    std::string label;
    DeviceSetting setting;
    // The channel count typed by the installer, for every device but the ORVO 75, whose count is
    // its 3 Ch / 6 Ch choice (setting.channels).
    std::optional<int> typedChannels;
};

using RigPlan = std::vector<PlanRow>;

// A device in master mode runs on its own and listens to no DMX address.
inline bool takesAddress(const PlanRow& row)
{
    return !row.setting.master;
}

inline std::optional<int> channelCount(const PlanRow& row)
{
    return row.setting.device == Device::Orvo75 ? row.setting.channels : row.typedChannels;
}

// The last channel of the row's block, when it has one.
inline std::optional<int> endAddress(const PlanRow& row)
{
    const std::optional<int> count = channelCount(row);
    if (!takesAddress(row) || !count)
        return std::nullopt;
    return row.setting.address + *count - 1;
}

bool sameSetting(const DeviceSetting& a, const DeviceSetting& b);
bool sameRow(const PlanRow& a, const PlanRow& b);
bool samePlan(const RigPlan& a, const RigPlan& b);

// A new row of that device with the window's opening state (DMX mode, address 1).
PlanRow newRow(Device device);

// Drops what the device or its mode does not have, so that the row holds only options in force.
void keepOptionsInForce(PlanRow& row);

} // namespace velantra::plan
