#pragma once

#include "cli/command.h"

#include <span>

class QApplication;

namespace velantra::cli
{

// The program's name as the command line shows it, and its version.
inline constexpr std::string_view kProgramName = "velantra";
QString versionText(); // "velantra 5.3"

// Runs the program for a command line: `--help`, `--version`, a subcommand of `commands`, or,
// with no arguments, `windows` on an application that shows on the user's display. Qt's own
// options (-platform, -stylesheet, ...) are refused like any unknown option; the display
// platform is chosen by the environment (QT_QPA_PLATFORM). Returns the exit status.
int run(std::span<char*> args, std::span<const Command> commands,
        int (*windows)(QApplication& app));

} // namespace velantra::cli
