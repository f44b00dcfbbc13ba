#include "devices/devices.h"

namespace velantra
{
namespace
{

std::string outOfRange(std::string_view what, int value, int last)
{
    return std::string(what) + " " + std::to_string(value) + " is out of range: 0 to " +
           std::to_string(last) + ".";
}

std::string notOn(std::string_view what, const DeviceInfo& info)
{
    return "The " + std::string(info.displayName) + " has no " + std::string(what) + ".";
}

} // namespace

std::optional<Device> deviceNamed(std::string_view commandName)
{
    for (const DeviceInfo& info : kDevices) {
        if (info.commandName == commandName)
            return info.device;
    }
    return std::nullopt;
}

std::optional<std::string> settingProblem(const DeviceSetting& s)
{
    const DeviceInfo& info = deviceInfo(s.device);
    // What the device has at all.
    if (s.channels && !info.channels)
        return notOn("channel count choice", info);
    if (s.pushbutton && !info.pushbutton)
        return notOn("external pushbutton", info);
    if ((s.speed || s.show) && !info.speedAndShow)
        return notOn(s.speed ? "speed choice" : "show choice", info);
    if (s.tune && !info.tune)
        return notOn("tune choice", info);
    if (s.modulation && !info.modulation)
        return notOn("modulation choice", info);
    // Values.
    if (s.address < 1 || s.address > 511)
        return "DMX address " + std::to_string(s.address) + " is out of range: 1 to 511.";
    if (s.channels && *s.channels != 3 && *s.channels != 6)
        return "Channel count " + std::to_string(*s.channels) + " is not offered: 3 or 6.";
    if (s.speed && (*s.speed < 0 || *s.speed > kMaxSpeed))
        return outOfRange("Speed", *s.speed, kMaxSpeed);
    if (s.show && (*s.show < 0 || *s.show > kMaxShow))
        return outOfRange("Show", *s.show, kMaxShow);
    if (s.tune && (*s.tune < 0 || *s.tune > kMaxTune))
        return outOfRange("Tune", *s.tune, kMaxTune);
    // The choices of the other mode.
    if (s.master) {
        if (s.address != 1)
            return std::string("A master takes no DMX address.");
        if (s.channels)
            return std::string("The channel count is a DMX-mode choice, not a master one.");
        if (s.terminator)
            return std::string("The 120 ohm terminator is a DMX-mode choice, not a master one.");
    } else {
        if (s.pushbutton)
            return std::string("The external pushbutton is a master-mode choice.");
        if (s.speed || s.show || s.tune)
            return std::string(s.tune    ? "The tune"
                               : s.speed ? "The speed"
                                         : "The show") +
                   " is a master-mode choice.";
    }
    return std::nullopt;
}

} // namespace velantra
