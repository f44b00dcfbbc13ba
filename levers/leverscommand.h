#pragma once

// `velantra levers`: the levers found on a device read back without a window.
//
//   velantra levers orvo75 3,4,6,9,11 --four-bank 1   DMX address 300, 6 Ch, Res. 120 ohm
//   velantra levers --levers 10 --lowest 1 1,3,9     a fixture of another maker
//
// The reading is one line on standard output; each problem of the combination follows on a line
// of its own ("Problem: …") and the exit status is then 1. A command line that cannot be read
// (an unknown device, a lever the bank lacks, a scheme that cannot be) is status 2.

#include "cli/command.h"

namespace velantra::levers
{

extern const cli::Command kLeversCommand;

} // namespace velantra::levers
