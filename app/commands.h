#pragma once

#include "cli/command.h"

#include <span>

namespace velantra::cli
{

// Every subcommand of the program, in the order `velantra --help` lists them.
std::span<const Command> commands();

} // namespace velantra::cli
