#pragma once

// A rig plan: the devices of a job on its DMX universes, in table order. Each row is either one
// of our devices with its setting (as a configurator window takes it) or a fixture of another
// maker, of a type the plan itself describes; each has a label the installer gives it, a
// universe and the number of DMX channels it takes from its start address. Plain data, shared
// by the window, the files and the command line.

#include "cards/label.h"
#include "devices/devicesetting.h"
#include "devices/leverscheme.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velantra::plan
{

using velantra::Device;
using velantra::DeviceSetting;

// What the devices accept as a start address, and the last channel of a universe.
constexpr int kFirstStart = 1;
constexpr int kLastStart = 511;
constexpr int kLastChannel = 512;
// What the planner can hold: a start beyond the line is kept (and reported), not refused.
constexpr int kMaxStart = 999999;
constexpr int kMinChannels = 1;
constexpr int kMaxChannels = 512;
constexpr int kMaxRows = 10000;
// Universes as the lighting consoles number them.
constexpr int kFirstUniverse = 0;
constexpr int kLastUniverse = 63999;
constexpr int kDefaultUniverse = 1;
// Far more than a job has; keeps a file's type list bounded.
constexpr int kMaxTypes = 1000;
using cards::kMaxLabelLength;

// A fixture of another maker: its name as the installer types maker and model, the channels it
// takes, and how its address levers work when it has them.
struct FixtureType {
    std::string name;
    int channels = 1;
    std::optional<LeverScheme> levers;
    friend bool operator==(const FixtureType&, const FixtureType&) = default;
};

struct PlanRow {
    std::string label;
    // Of our devices; for a fixture of a plan's type only the address is used.
    DeviceSetting setting;
    // The channel count typed by the installer, for our devices but the ORVO 75, whose count is
    // its 3 Ch / 6 Ch choice (setting.channels). A fixture type has its own count.
    std::optional<int> typedChannels;
    int universe = kDefaultUniverse;
    // The index of the row's type in RigPlan::types; none for one of our devices.
    std::optional<int> fixtureType;
    friend bool operator==(const PlanRow&, const PlanRow&) = default;
};

struct RigPlan {
    std::vector<FixtureType> types;
    std::vector<PlanRow> rows;
    friend bool operator==(const RigPlan&, const RigPlan&) = default;
};

// A device in master mode runs on its own and listens to no DMX address.
inline bool takesAddress(const PlanRow& row)
{
    return row.fixtureType || !row.setting.master;
}

std::optional<int> channelCount(const RigPlan& plan, const PlanRow& row);

// The last channel of the row's block, when it has one.
std::optional<int> endAddress(const RigPlan& plan, const PlanRow& row);

// The device column: the device's table name or the type's name.
std::string fixtureName(const RigPlan& plan, const PlanRow& row);

// The row's type, if it has one.
const FixtureType* typeOf(const RigPlan& plan, const PlanRow& row);

bool sameSetting(const DeviceSetting& a, const DeviceSetting& b);
bool sameRow(const PlanRow& a, const PlanRow& b);
bool samePlan(const RigPlan& a, const RigPlan& b);

// A new row of that device with the window's opening state (DMX mode, address 1).
PlanRow newRow(Device device);
// A new row of the plan's type `type`, at address 1.
PlanRow newTypeRow(int type);

// Drops what the device or its mode does not have, so that the row holds only options in force.
void keepOptionsInForce(PlanRow& row);

// The device whose Device column name ("ORVO 75") or command name ("orvo75") this is, without
// regard to ASCII case or surrounding blanks.
std::optional<Device> deviceByName(std::string_view name);

// Why a type cannot be kept in the plan as `type` (its index, or -1 for a new one): an empty
// name or one another type or one of our devices has, a label-rule breach, a channel count
// outside 1–512, a lever scheme that describes no bank. Nothing when it can.
std::optional<std::string> typeProblem(const RigPlan& plan, const FixtureType& type, int index);

// The universes the rows that take an address are on, in order, each once.
std::vector<int> universesOf(const RigPlan& plan);

// The rows (indices) of the plan whose type is `type`.
std::vector<int> rowsOfType(const RigPlan& plan, int type);

} // namespace velantra::plan
