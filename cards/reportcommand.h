#pragma once

// `velantra report orvo75|orvo36 --count OUTPUT:FIXTURE=N … --out FILE`: the budget report of a
// power window without a window on the screen. The counts are typed into the window, unshown,
// as a user types them, and the report is read from it as the window's own commands read it.

#include "cli/command.h"

namespace velantra::cards
{

int runReportCommand(const cli::Invocation& invocation);

inline constexpr cli::Argument kReportArguments[] = {
    {.name = "controller", .description = "orvo75 (75 W) or orvo36 (36 W)"},
};

inline constexpr cli::Option kReportOptions[] = {
    {.name = "count",
     .description =
         "A count as typed into the grid: OUTPUT:FIXTURE=N, the output CC1, CC2, CV1 or CV2 (CC "
         "only on the orvo36), the fixture by its name or grid row 1 to 14, e.g. \"CC1:Pomra "
         "RGB=2\"; repeat for more",
     .valueName = "COUNT"},
    {.name = "average", .description = "Average power instead of nominal power"},
    {.name = "label",
     .description = "Free text on the report's Label line, e.g. \"Shop 2, window\"",
     .valueName = "TEXT"},
    {.name = "out",
     .description = "The file to write: .pdf, .png or .txt; - writes the text to standard output",
     .valueName = "FILE"},
};

inline constexpr cli::Command kReportCommand{
    "report",
    "Writes a power budget report as PDF, PNG or text",
    kReportArguments,
    kReportOptions,
    cli::Needs::Drawing,
    runReportCommand,
};

} // namespace velantra::cards
