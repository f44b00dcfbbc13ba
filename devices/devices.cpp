#include "devices/devices.h"

#include "i18n/translatable.h"

namespace velantra
{
namespace
{

// `what` is a translated text of its own ("Speed %1 is out of range: 0 to %2.").
std::string outOfRange(const char* what, int value, int last)
{
    return i18n::arg(i18n::translated("Devices", what),
                     {std::to_string(value), std::to_string(last)});
}

std::string notOn(const char* what, const DeviceInfo& info)
{
    return i18n::arg(i18n::translated("Devices", what),
                     {i18n::translated("Devices", std::string(info.displayName).c_str())});
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
        return notOn(VT_TEXT("Devices", "The %1 has no channel count choice."), info);
    if (s.pushbutton && !info.pushbutton)
        return notOn(VT_TEXT("Devices", "The %1 has no external pushbutton."), info);
    if ((s.speed || s.show) && !info.speedAndShow)
        return notOn(s.speed ? VT_TEXT("Devices", "The %1 has no speed choice.")
                             : VT_TEXT("Devices", "The %1 has no show choice."),
                     info);
    if (s.tune && !info.tune)
        return notOn(VT_TEXT("Devices", "The %1 has no tune choice."), info);
    if (s.modulation && !info.modulation)
        return notOn(VT_TEXT("Devices", "The %1 has no modulation choice."), info);
    // Values.
    if (s.address < 1 || s.address > 511)
        return i18n::arg(i18n::translated("Devices", "DMX address %1 is out of range: 1 to 511."),
                         {std::to_string(s.address)});
    if (s.channels && *s.channels != 3 && *s.channels != 6)
        return i18n::arg(i18n::translated("Devices", "Channel count %1 is not offered: 3 or 6."),
                         {std::to_string(*s.channels)});
    if (s.speed && (*s.speed < 0 || *s.speed > kMaxSpeed))
        return outOfRange(VT_TEXT("Devices", "Speed %1 is out of range: 0 to %2."), *s.speed,
                          kMaxSpeed);
    if (s.show && (*s.show < 0 || *s.show > kMaxShow))
        return outOfRange(VT_TEXT("Devices", "Show %1 is out of range: 0 to %2."), *s.show,
                          kMaxShow);
    if (s.tune && (*s.tune < 0 || *s.tune > kMaxTune))
        return outOfRange(VT_TEXT("Devices", "Tune %1 is out of range: 0 to %2."), *s.tune,
                          kMaxTune);
    // The choices of the other mode.
    if (s.master) {
        if (s.address != 1)
            return i18n::translated("Devices", "A master takes no DMX address.");
        if (s.channels)
            return i18n::translated("Devices",
                                    "The channel count is a DMX-mode choice, not a master one.");
        if (s.terminator)
            return i18n::translated(
                "Devices", "The 120 ohm terminator is a DMX-mode choice, not a master one.");
    } else {
        if (s.pushbutton)
            return i18n::translated("Devices", "The external pushbutton is a master-mode choice.");
        if (s.speed || s.show || s.tune)
            return s.tune    ? i18n::translated("Devices", "The tune is a master-mode choice.")
                   : s.speed ? i18n::translated("Devices", "The speed is a master-mode choice.")
                             : i18n::translated("Devices", "The show is a master-mode choice.");
    }
    return std::nullopt;
}

} // namespace velantra
