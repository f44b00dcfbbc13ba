#include "dip/profiles.h"

#include "dip/modeprofile.h"

namespace velantra::dip
{

const ConfiguratorSpec& configuratorSpec(Device device)
{
    switch (device) {
    case Device::Orvo75:
        return orvo75Spec();
    case Device::Orvo36:
        return orvo36Spec();
    case Device::Fluo:
        return fluoSpec();
    case Device::Intell:
        return intellSpec();
    case Device::Dor:
        return dorSpec();
    }
    return orvo75Spec();
}

} // namespace velantra::dip
