#pragma once

// `velantra card <device> [options] --out FILE.pdf|.png|.txt`: the setting card of one device
// without a window on the screen, made by the same configurator window, unshown, and the same
// renderer as the window's own commands. A setting the device refuses is one line on standard
// error, exit status 2, and no file.

#include "cli/command.h"
#include "devices/devices.h"

namespace velantra::cards
{

int runCardCommand(const cli::Invocation& invocation);

inline constexpr cli::Argument kCardArguments[] = {
    {.name = "device", .description = kDeviceChoices},
};

// The devices that offer each choice, in its description, read from the device table.
namespace hint
{
inline constexpr std::string_view kChannels = "Channel count, 3 or 6 (";
inline constexpr std::string_view kPushbutton = "The external pushbutton ON (";
inline constexpr std::string_view kSpeed = "Speed 0 to 4 (";
inline constexpr std::string_view kShow = "Show 0 to 15 (";
inline constexpr std::string_view kTune = "Colour-temperature tune CCT 0 to 9 (";
inline constexpr std::string_view kModulation = "1-100 % modulation ON (";
inline constexpr std::string_view kDmxMode = "; DMX mode)";
inline constexpr std::string_view kMasterMode = "; master mode)";
inline constexpr std::string_view kEnd = ")";
} // namespace hint

inline constexpr cli::Option kCardOptions[] = {
    {.name = "address",
     .description = "DMX start address, 1 to 511 (DMX mode; default 1)",
     .valueName = "N"},
    {.name = "master", .description = "Stand-alone master mode instead of DMX slave"},
    {.name = "channels",
     .description =
         cli::kJoined<hint::kChannels, kDevicesOffering<&DeviceInfo::channels>, hint::kDmxMode>,
     .valueName = "N"},
    {.name = "terminator", .description = "The 120 ohm line terminator ON (DMX mode)"},
    {.name = "pushbutton",
     .description = cli::kJoined<hint::kPushbutton, kDevicesOffering<&DeviceInfo::pushbutton>,
                                 hint::kMasterMode>},
    {.name = "speed",
     .description =
         cli::kJoined<hint::kSpeed, kDevicesOffering<&DeviceInfo::speedAndShow>, hint::kMasterMode>,
     .valueName = "N"},
    {.name = "show",
     .description =
         cli::kJoined<hint::kShow, kDevicesOffering<&DeviceInfo::speedAndShow>, hint::kMasterMode>,
     .valueName = "N"},
    {.name = "tune",
     .description =
         cli::kJoined<hint::kTune, kDevicesOffering<&DeviceInfo::tune>, hint::kMasterMode>,
     .valueName = "N"},
    {.name = "modulation",
     .description =
         cli::kJoined<hint::kModulation, kDevicesOffering<&DeviceInfo::modulation>, hint::kEnd>},
    {.name = "label",
     .description = "Free text on the card's Label line, e.g. \"Bar 3, left\"",
     .valueName = "TEXT"},
    {.name = "out",
     .description = "The file to write: .pdf, .png or .txt; - writes the text to standard output",
     .valueName = "FILE"},
};

inline constexpr cli::Command kCardCommand{
    "card",
    "Writes a device's setting card (its DIP switches) as PDF, PNG or text",
    kCardArguments,
    kCardOptions,
    cli::Needs::Drawing,
    runCardCommand,
};

} // namespace velantra::cards
