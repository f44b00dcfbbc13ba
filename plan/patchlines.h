#pragma once

// A plan as a patch: one line per row with what a console or a sheet for the fixtures shows,
// as texts. The CSV patch list writes them in table order; a patch sheet takes them universe by
// universe, each in table order: the order of the fixtures on the rig.

#include "plan/rigplan.h"

#include <string>
#include <vector>

namespace velantra::plan
{

struct PatchLine {
    int row = 0;          // in table order, from 0
    std::string universe; // empty for a device in master mode, as start and end
    std::string start;
    std::string end;
    std::string label;
    std::string fixture;  // the device's table name or the type's name
    std::string mode;     // the table's "Mode and options"
    std::string channels; // empty when not given
    std::string leversOn; // "3, 4, 6, 9", see rowLeversOn
    std::string scheme;   // a type's lever scheme (schemeText), else empty
};

// Every row in table order; `universeOfMasters` also gives a row in master mode its universe
// (the patch list keeps it, so that a plan read back is the same).
std::vector<PatchLine> patchLines(const RigPlan& plan, bool universeOfMasters = false);

// The rows that take an address, universe by universe, each in table order: a patch sheet's lines.
std::vector<PatchLine> patchSheetLines(const RigPlan& plan);

} // namespace velantra::plan
