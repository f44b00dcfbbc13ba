#pragma once

#include "cli/command.h"

namespace velantra::plan
{

// `velantra plan FILE --check`: the plan's problems, exit status 1 when there is any.
// `velantra plan FILE --cards OUT.pdf`: one setting card per row, without a window.
// `velantra plan FILE --csv OUT.csv`: the plan as a patch list. FILE may be a .csv patch list.
extern const cli::Command kPlanCommand;

} // namespace velantra::plan
