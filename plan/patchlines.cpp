#include "plan/patchlines.h"

#include "plan/leverstext.h"
#include "plan/plantext.h"
#include "plan/words.h"

#include <algorithm>

namespace velantra::plan
{
namespace
{

PatchLine lineOf(const RigPlan& plan, int index, bool universeOfMasters)
{
    const PlanRow& row = plan.rows[std::size_t(index)];
    const FixtureType* type = typeOf(plan, row);
    const bool addressed = takesAddress(row);
    return {
        .row = index,
        .universe = addressed || universeOfMasters ? std::to_string(row.universe) : std::string(),
        .start = addressed ? std::to_string(row.setting.address) : std::string(),
        .end = number(endAddress(plan, row)),
        .label = row.label,
        .fixture = fixtureName(plan, row),
        .mode = modeAndOptions(row),
        .channels = number(channelCount(plan, row)),
        .leversOn = rowLeversOn(plan, row),
        .scheme = type && type->levers ? schemeText(*type->levers) : std::string(),
    };
}

} // namespace

std::vector<PatchLine> patchLines(const RigPlan& plan, bool universeOfMasters)
{
    std::vector<PatchLine> lines;
    lines.reserve(plan.rows.size());
    for (int i = 0; i < int(plan.rows.size()); ++i)
        lines.push_back(lineOf(plan, i, universeOfMasters));
    return lines;
}

std::vector<PatchLine> patchSheetLines(const RigPlan& plan)
{
    std::vector<int> order;
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
        if (takesAddress(plan.rows[i]))
            order.push_back(int(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return plan.rows[std::size_t(a)].universe < plan.rows[std::size_t(b)].universe;
    });
    std::vector<PatchLine> lines;
    for (const int i : order)
        lines.push_back(lineOf(plan, i, false));
    return lines;
}

} // namespace velantra::plan
