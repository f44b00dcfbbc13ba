#include "plan/rigplan.h"

#include "plan/devices.h"

#include <algorithm>

namespace velantra::plan
{

bool sameSetting(const DeviceSetting& a, const DeviceSetting& b)
{
    return a.device == b.device && a.master == b.master && a.address == b.address &&
           a.channels == b.channels && a.terminator == b.terminator &&
           a.pushbutton == b.pushbutton && a.speed == b.speed && a.show == b.show &&
           a.tune == b.tune && a.modulation == b.modulation;
}

bool sameRow(const PlanRow& a, const PlanRow& b)
{
    return a.label == b.label && sameSetting(a.setting, b.setting) &&
           a.typedChannels == b.typedChannels;
}

bool samePlan(const RigPlan& a, const RigPlan& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameRow);
}

PlanRow newRow(Device device)
{
    PlanRow row;
    row.setting.device = device;
    return row;
}

void keepOptionsInForce(PlanRow& row)
{
    DeviceSetting& s = row.setting;
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

} // namespace velantra::plan
