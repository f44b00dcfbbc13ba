#include "plan/plancards.h"

#include "cards/cardreader.h"
#include "devices/devices.h"
#include "i18n/language.h"
#include "plan/problems.h"

namespace velantra::plan
{

QString rowSettingProblem(const RigPlan& plan, int row)
{
    const std::optional<std::string> problem = settingProblem(plan[std::size_t(row)].setting);
    return problem ? QString::fromStdString(rowName(plan, row) + ": " + *problem) : QString();
}

std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan, QString* error)
{
    if (plan.empty()) {
        *error = i18n::translate("PlanFile", "The plan has no rows.");
        return std::nullopt;
    }
    std::vector<cards::SettingCard> made;
    for (int i = 0; i < int(plan.size()); ++i) {
        const QString problem = rowSettingProblem(plan, i);
        if (!problem.isEmpty()) {
            *error = problem;
            return std::nullopt;
        }
        const PlanRow& row = plan[std::size_t(i)];
        made.push_back(cards::cardFor(row.setting, QString::fromStdString(row.label)));
    }
    return made;
}

} // namespace velantra::plan
