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
    {"device", kDeviceChoices},
};

inline constexpr cli::Option kCardOptions[] = {
    {"address", "DMX start address, 1 to 511 (DMX mode; default 1)", "N"},
    {"master", "Stand-alone master mode instead of DMX slave"},
    {"channels", "Channel count, 3 or 6 (orvo75, DMX mode)", "N"},
    {"terminator", "The 120 ohm line terminator ON (DMX mode)"},
    {"pushbutton", "The external pushbutton ON (orvo75, orvo36, fluo; master mode)"},
    {"speed", "Speed 0 to 4 (master mode; not dor)", "N"},
    {"show", "Show 0 to 15 (master mode; not dor)", "N"},
    {"tune", "Colour-temperature tune CCT 0 to 9 (dor, master mode)", "N"},
    {"modulation", "1-100 % modulation ON (fluo)"},
    {"label", "Free text on the card's Label line, e.g. \"Bar 3, left\"", "TEXT"},
    {"out", "The file to write: .pdf, .png or .txt", "FILE"},
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
