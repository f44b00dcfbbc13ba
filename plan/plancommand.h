#pragma once

#include "cli/command.h"

namespace velantra::plan
{

// `velantra plan FILE --check`: the plan's problems, exit status 1 when there is any.
// `velantra plan FILE [--cards OUT.pdf] [--patch-sheet SHEET.pdf] [--paper a4|letter]
// [--csv OUT.csv]`: the rows' setting cards six to a page, the patch sheet, the plan as a patch
// list, without a window. FILE may be a .csv patch list.
extern const cli::Command kPlanCommand;

} // namespace velantra::plan
