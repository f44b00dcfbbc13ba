#pragma once

// The levers of one of our devices read back: the DMX address, the mode and the choices a set of
// levers found on the device means, and what is wrong with the combination.
//
// Nothing here knows a lever rule of its own. The configurator engine is run over every setting
// of the device (every choice of each mode, at one address); the levers each setting leaves are
// what the levers mean, and the address levers are those of the device's address map. A set of
// levers reads as the setting that explains it with the fewest levers differing; each lever that
// differs is a problem.

#include "devices/devicesetting.h"
#include "dip/dipengine.h"

#include <optional>
#include <string>
#include <vector>

namespace velantra::dip
{

struct LeverReading {
    // The setting the levers show, or the nearest one when there are problems. Its address is 1
    // where the address levers hold none.
    DeviceSetting setting;
    std::optional<int> address; // DMX mode: the address the levers hold, if they hold one
    // The captions of the choices the levers mean, as the window names them: "6 Ch",
    // "Res. 120 ohm", "Speed 4", "Show 0".
    std::vector<std::string> options;
    // Why no setting of the device leaves exactly these levers, one sentence each.
    std::vector<std::string> problems;
};

// The levers the configurator engine leaves for a setting.
Levers leversFor(const DeviceSetting& setting);

// The levers of a device's banks read back. Levers of a bank the device lacks, or beyond its
// levers, are problems.
LeverReading readLevers(Device device, const Levers& levers);

// Whether the device has a 4-lever bank beside its 12-lever one.
bool hasFourBank(Device device);

// "DMX address 300, 6 Ch", "DMX address none": an address, if any, and the options after it.
std::string addressReadingText(std::optional<int> address, const std::vector<std::string>& options);

// "DMX address 300, 6 Ch, Res. 120 ohm", "DMX address none", "Master, Speed 4, Show 0".
std::string readingText(const LeverReading& reading);

} // namespace velantra::dip
