#pragma once

// The setting cards of a plan, one per row. A row of our devices is made by the setting cards'
// own reader: its setting applied to an unshown configurator window, the card read from its
// levers. A row of a fixture type with levers gets its bank from the type's lever scheme.

#include "cards/paper.h"
#include "cards/settingcard.h"
#include "plan/rigplan.h"

#include <QString>
#include <optional>
#include <vector>

namespace velantra::plan
{

// The cards, each naming the plan (`planName`, its file's name), its row and universe, with its
// channel count and block; or nothing and `error` naming the first row whose setting no
// configurator can show (a start outside 1–511) or whose levers cannot hold its address.
std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan,
                                                         const QString& planName, QString* error);

// The patch sheet of the plan: universe by universe, the rows that take an address in the
// plan's order (patchSheetLines), with the levers their cards show.
cards::PatchSheet patchSheet(const RigPlan& plan, const QString& planName);

// Why the row cannot be set on its configurator or its levers, or an empty text.
QString rowSettingProblem(const RigPlan& plan, int row);

} // namespace velantra::plan
