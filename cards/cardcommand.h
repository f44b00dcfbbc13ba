#pragma once

// `velantra card <device> [options] --out FILE.pdf|.png|.txt`: the setting card of one device
// without a window on the screen, made by the same configurator window, unshown, and the same
// renderer as the window's own commands. A setting the device refuses is one line on standard
// error, exit status 2, and no file.

#include "cli/command.h"
#include "devices/devices.h"
#include "i18n/translatable.h"

namespace velantra::cards
{

int runCardCommand(const cli::Invocation& invocation);

inline constexpr cli::Argument kCardArguments[] = {
    {"device", kDeviceChoices},
};

inline constexpr cli::Option kCardOptions[] = {
    {"address", VT_TEXT("CommandLine", "DMX start address, 1 to 511 (DMX mode; default 1)"), "N"},
    {"master", VT_TEXT("CommandLine", "Stand-alone master mode instead of DMX slave")},
    {"channels", VT_TEXT("CommandLine", "Channel count, 3 or 6 (orvo75, DMX mode)"), "N"},
    {"terminator", VT_TEXT("CommandLine", "The 120 ohm line terminator ON (DMX mode)")},
    {"pushbutton",
     VT_TEXT("CommandLine", "The external pushbutton ON (orvo75, orvo36, fluo; master mode)")},
    {"speed", VT_TEXT("CommandLine", "Speed 0 to 4 (master mode; not dor)"), "N"},
    {"show", VT_TEXT("CommandLine", "Show 0 to 15 (master mode; not dor)"), "N"},
    {"tune", VT_TEXT("CommandLine", "Colour-temperature tune CCT 0 to 9 (dor, master mode)"), "N"},
    {"modulation", VT_TEXT("CommandLine", "1-100 % modulation ON (fluo)")},
    {"label", VT_TEXT("CommandLine", "Free text on the card's Label line, e.g. \"Bar 3, left\""),
     "TEXT"},
    {"out",
     VT_TEXT("CommandLine",
             "The file to write: .pdf, .png or .txt; - writes the text to standard output"),
     "FILE"},
};

inline constexpr cli::Command kCardCommand{
    "card",
    VT_TEXT("CommandLine", "Writes a device's setting card (its DIP switches) as PDF, PNG or text"),
    kCardArguments,
    kCardOptions,
    cli::Needs::Drawing,
    runCardCommand,
};

} // namespace velantra::cards
