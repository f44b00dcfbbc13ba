#pragma once

// The setting cards of a plan, one per row, made by the setting cards' own reader: each row's
// setting applied to an unshown configurator window, the card read from its levers.

#include "cards/settingcard.h"
#include "plan/rigplan.h"

#include <QString>
#include <optional>
#include <vector>

namespace velantra::plan
{

// The cards, or nothing and `error` naming the first row whose setting no configurator can show
// (a start outside 1–511).
std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan, QString* error);

// Why the row cannot be set on its configurator, or an empty text.
QString rowSettingProblem(const RigPlan& plan, int row);

} // namespace velantra::plan
