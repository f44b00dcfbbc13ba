#pragma once

// A plan in words: a row's mode and options as the table shows them, the whole plan as
// tab-separated text (what "Copy as text" puts on the clipboard), and the problem report of
// the command line.

#include "plan/problems.h"
#include "plan/rigplan.h"

#include <optional>
#include <string>
#include <string_view>

namespace velantra::plan
{

// "DMX (slave), 6 Ch, Res. 120 ohm" or "Master, speed 2, show 5, ext. pushbutton".
std::string modeAndOptions(const DeviceSetting& setting);
// A fixture type's row: "DMX".
std::string modeAndOptions(const PlanRow& row);

// The options of a mode-and-options text read back into the setting of `device`, or why they
// cannot be ("speed 7" is no choice of the DOR).
std::optional<std::string> readModeAndOptions(std::string_view text, DeviceSetting& setting);

// One line per row after a header line: Label, Device, Mode and options, Channels, Universe,
// Start, End.
std::string planAsText(const RigPlan& plan);

// One line per problem, each naming its row(s); empty when there is none.
std::string problemReport(const RigPlan& plan, const std::vector<Problem>& problems);

} // namespace velantra::plan
