#include "dip/profiles.h"

#include "dip/modeprofile.h"

namespace velantra::dip
{

const ConfiguratorSpec& configuratorSpec(cards::Device device)
{
    switch (device) {
    case cards::Device::Orvo75:
        return orvo75Spec();
    case cards::Device::Orvo36:
        return orvo36Spec();
    case cards::Device::Fluo:
        return fluoSpec();
    case cards::Device::Intell:
        return intellSpec();
    case cards::Device::Dor:
        return dorSpec();
    }
    return orvo75Spec();
}

} // namespace velantra::dip
