#pragma once

// Each configurator's profile, by device: the one way to the data of dip/<device>.cpp.

#include "devices/devicesetting.h"

namespace velantra::dip
{

struct ConfiguratorSpec;

// Proven at compile time to name only controls of its layout (CheckedSpec).
const ConfiguratorSpec& configuratorSpec(Device device);

// Defined in each device's own file.
const ConfiguratorSpec& orvo75Spec();
const ConfiguratorSpec& orvo36Spec();
const ConfiguratorSpec& fluoSpec();
const ConfiguratorSpec& intellSpec();
const ConfiguratorSpec& dorSpec();

} // namespace velantra::dip
