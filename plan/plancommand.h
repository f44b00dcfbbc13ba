#pragma once

#include "cli/command.h"

namespace velantra::plan
{

// `velantra plan FILE --check`: the plan's problems, exit status 1 when there is any.
// `velantra plan FILE --cards OUT.pdf [--patch-sheet SHEET.pdf] [--paper a4|letter]`: the rows'
// setting cards six to a page, and the patch sheet, without a window.
extern const cli::Command kPlanCommand;

} // namespace velantra::plan
