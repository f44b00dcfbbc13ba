#include "plan/addressing.h"

#include <algorithm>
#include <limits>

namespace velantra::plan
{

void addressFrom(RigPlan& plan, std::vector<int> rows, int start)
{
    if (rows.empty())
        for (int i = 0; i < int(plan.size()); ++i)
            rows.push_back(i);
    std::sort(rows.begin(), rows.end());
    int next = std::clamp(start, kFirstStart, kMaxStart);
    for (const int i : rows) {
        if (i < 0 || i >= int(plan.size()) || !takesAddress(plan[std::size_t(i)]))
            continue;
        PlanRow& row = plan[std::size_t(i)];
        row.setting.address = next;
        next = std::min(next + channelCount(row).value_or(1), kMaxStart);
    }
}

int duplicateRow(RigPlan& plan, int row, int copies)
{
    if (row < 0 || row >= int(plan.size()))
        return 0;
    const int room = kMaxRows - int(plan.size());
    copies = std::clamp(copies, 0, room);
    const PlanRow original = plan[std::size_t(row)];
    plan.insert(plan.begin() + row + 1, std::size_t(copies), original);
    return copies;
}

bool moveRow(RigPlan& plan, int row, int direction)
{
    const int other = row + direction;
    if (row < 0 || row >= int(plan.size()) || other < 0 || other >= int(plan.size()))
        return false;
    std::swap(plan[std::size_t(row)], plan[std::size_t(other)]);
    return true;
}

void sortByAddress(RigPlan& plan)
{
    const auto key = [](const PlanRow& row) {
        return takesAddress(row) ? row.setting.address : std::numeric_limits<int>::max();
    };
    std::stable_sort(plan.begin(), plan.end(),
                     [&](const PlanRow& a, const PlanRow& b) { return key(a) < key(b); });
}

} // namespace velantra::plan
