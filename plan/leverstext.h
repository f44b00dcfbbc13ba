#pragma once

// A row's levers in words, for a patch list: the levers its setting puts ON ("3, 4, 6, 9"), and
// a fixture type's lever scheme as one line a patch list carries and reads back.

#include "plan/rigplan.h"

#include <optional>
#include <string>
#include <string_view>

namespace velantra::plan
{

// "3, 4, 6, 9" (one bank), "4-lever bank: 1, 2; 12-lever bank: 3, 4" (two, left to right as on
// the device), "none", or empty when
// the row has no levers or its setting cannot be set on them (a start outside 1–511).
std::string rowLeversOn(const RigPlan& plan, const PlanRow& row);

// "10 levers; lowest 1; ON up; address; 10: stand-alone; 11: test" ("address - 1" when the
// levers hold the address − 1).
std::string schemeText(const LeverScheme& scheme);

// The scheme of schemeText's line, or why the line is none.
std::optional<LeverScheme> readSchemeText(std::string_view text, std::string* problem);

} // namespace velantra::plan
