#pragma once

// The setting cards of a plan, one per row, made by the setting cards' own reader: each row's
// setting applied to an unshown configurator window, the card read from its levers.

#include "cards/paper.h"
#include "cards/settingcard.h"
#include "plan/rigplan.h"

#include <QString>
#include <optional>
#include <vector>

namespace velantra::plan
{

// The cards, each naming the plan (`planName`, its file's name) and its row, with its channel
// count and block; or nothing and `error` naming the first row whose setting no configurator
// can show (a start outside 1–511).
std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan,
                                                         const QString& planName, QString* error);

// The patch sheet of the plan, made with its cards (planCards): one universe, the rows in plan
// order with the levers their cards show.
cards::PatchSheet patchSheet(const RigPlan& plan, const QString& planName,
                             const std::vector<cards::SettingCard>& cards);

// Why the row cannot be set on its configurator, or an empty text.
QString rowSettingProblem(const RigPlan& plan, int row);

} // namespace velantra::plan
