#include "plan/plancards.h"

#include "cards/cardreader.h"
#include "devices/devices.h"
#include "plan/devices.h"
#include "plan/plantext.h"
#include "plan/problems.h"

namespace velantra::plan
{

QString rowSettingProblem(const RigPlan& plan, int row)
{
    const std::optional<std::string> problem = settingProblem(plan[std::size_t(row)].setting);
    return problem ? QString::fromStdString(rowName(plan, row) + ": " + *problem) : QString();
}

std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan,
                                                         const QString& planName, QString* error)
{
    if (plan.empty()) {
        *error = QStringLiteral("The plan has no rows.");
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
        cards::SettingCard card = cards::cardFor(row.setting, QString::fromStdString(row.label));
        card.origin = "Plan: " + planName.toStdString() + ", row " + std::to_string(i + 1);
        card.channels = channelCount(row);
        made.push_back(std::move(card));
    }
    return made;
}

cards::PatchSheet patchSheet(const RigPlan& plan, const QString& planName,
                             const std::vector<cards::SettingCard>& made)
{
    cards::PatchSheet sheet;
    sheet.title = "Patch sheet: " + planName.toStdString();
    sheet.date = made.empty() ? std::string() : made.front().date;
    // The plan is one DMX line today: one universe.
    cards::PatchSection section{.heading = "DMX line", .rows = {}};
    for (std::size_t i = 0; i < plan.size() && i < made.size(); ++i) {
        const PlanRow& row = plan[i];
        section.rows.push_back(
            {.start = takesAddress(row) ? std::optional(row.setting.address) : std::nullopt,
             .end = endAddress(row),
             .label = row.label,
             .fixture = std::string(tableName(row.setting.device)),
             .mode = modeAndOptions(row.setting),
             .channels = channelCount(row),
             .leversOn = cards::leversOnOfCard(made[i])});
    }
    sheet.sections.push_back(std::move(section));
    return sheet;
}

} // namespace velantra::plan
