#include "plan/rigplan.h"

#include "i18n/translatable.h"
#include "plan/devices.h"
#include "plan/words.h"

#include <algorithm>

namespace velantra::plan
{

std::optional<int> channelCount(const RigPlan& plan, const PlanRow& row)
{
    if (const FixtureType* type = typeOf(plan, row))
        return type->channels;
    return row.setting.device == Device::Orvo75 ? row.setting.channels : row.typedChannels;
}

std::optional<int> endAddress(const RigPlan& plan, const PlanRow& row)
{
    const std::optional<int> count = channelCount(plan, row);
    if (!takesAddress(row) || !count)
        return std::nullopt;
    return row.setting.address + *count - 1;
}

std::string fixtureName(const RigPlan& plan, const PlanRow& row)
{
    if (const FixtureType* type = typeOf(plan, row))
        return type->name;
    return std::string(tableName(row.setting.device));
}

const FixtureType* typeOf(const RigPlan& plan, const PlanRow& row)
{
    if (!row.fixtureType || *row.fixtureType < 0 || *row.fixtureType >= int(plan.types.size()))
        return nullptr;
    return &plan.types[std::size_t(*row.fixtureType)];
}

bool sameSetting(const DeviceSetting& a, const DeviceSetting& b)
{
    return a == b;
}

bool sameRow(const PlanRow& a, const PlanRow& b)
{
    return a == b;
}

bool samePlan(const RigPlan& a, const RigPlan& b)
{
    return a == b;
}

PlanRow newRow(Device device)
{
    PlanRow row;
    row.setting.device = device;
    return row;
}

PlanRow newTypeRow(int type)
{
    PlanRow row;
    row.fixtureType = type;
    return row;
}

void keepOptionsInForce(PlanRow& row)
{
    DeviceSetting& s = row.setting;
    if (row.fixtureType) {
        // A fixture type's row is its address and nothing else.
        s = DeviceSetting{.address = s.address};
        row.typedChannels.reset();
        return;
    }
    const DeviceInfo& info = deviceInfo(s.device);
    if (s.master) {
        // Master mode sets the address to 1 and clears the terminator on every window.
        s.address = 1;
        s.terminator = false;
        s.channels.reset();
    } else {
        s.pushbutton = false;
        s.speed.reset();
        s.show.reset();
        s.tune.reset();
    }
    if (!info.channels)
        s.channels.reset();
    else
        row.typedChannels.reset();
    if (!info.pushbutton)
        s.pushbutton = false;
    if (!info.speedAndShow) {
        s.speed.reset();
        s.show.reset();
    }
    if (!info.tune)
        s.tune.reset();
    if (!info.modulation)
        s.modulation = false;
}

namespace
{

// Names compare without regard to ASCII case or surrounding blanks: "acme spot" is "Acme Spot".
std::string nameKey(std::string_view name)
{
    return lower(trimmed(name));
}

} // namespace

std::optional<Device> deviceByName(std::string_view name)
{
    const std::string key = nameKey(name);
    for (const DeviceInfo& info : kDevices)
        if (key == nameKey(info.tableName) || key == nameKey(info.commandName))
            return info.device;
    return std::nullopt;
}

std::optional<std::string> typeProblem(const RigPlan& plan, const FixtureType& type, int index)
{
    const std::string key = nameKey(type.name);
    if (key.empty())
        return i18n::translated("Plans", "a fixture type needs a name");
    if (std::optional<std::string> problem = cards::labelProblem(type.name))
        return i18n::arg(i18n::translated("Plans", "the name: %1"), {*problem});
    if (deviceByName(type.name))
        return i18n::arg(i18n::translated("Plans", "“%1” is one of our devices"), {type.name});
    for (int i = 0; i < int(plan.types.size()); ++i)
        if (i != index && nameKey(plan.types[std::size_t(i)].name) == key)
            return i18n::arg(i18n::translated("Plans", "there is already a fixture type “%1”"),
                             {plan.types[std::size_t(i)].name});
    if (type.channels < kMinChannels || type.channels > kMaxChannels)
        return i18n::translated("Plans", "a fixture type takes 1 to 512 channels");
    if (!type.levers)
        return std::nullopt;
    if (std::optional<std::string> problem = leverSchemeProblem(*type.levers))
        return i18n::arg(i18n::translated("Plans", "the levers: %1"), {*problem});
    // A patch list carries the names on one line, separated by ";".
    for (const NamedLever& named : type.levers->named) {
        if (std::optional<std::string> problem = cards::labelProblem(named.name))
            return i18n::arg(i18n::translated("Plans", "lever %1: %2"),
                             {std::to_string(named.lever), *problem});
        if (named.name.find(';') != std::string::npos || named.name.front() == ' ' ||
            named.name.back() == ' ')
            return i18n::arg(
                i18n::translated("Plans",
                                 "lever %1: a name holds no “;” and no blank at either end"),
                {std::to_string(named.lever)});
    }
    return std::nullopt;
}

std::vector<int> universesOf(const RigPlan& plan)
{
    std::vector<int> universes;
    for (const PlanRow& row : plan.rows)
        if (takesAddress(row))
            universes.push_back(row.universe);
    std::sort(universes.begin(), universes.end());
    universes.erase(std::unique(universes.begin(), universes.end()), universes.end());
    return universes;
}

std::vector<int> rowsOfType(const RigPlan& plan, int type)
{
    std::vector<int> rows;
    for (int i = 0; i < int(plan.rows.size()); ++i)
        if (plan.rows[std::size_t(i)].fixtureType == type)
            rows.push_back(i);
    return rows;
}

} // namespace velantra::plan
