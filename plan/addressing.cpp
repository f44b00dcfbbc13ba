#include "plan/addressing.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace velantra::plan
{

std::vector<UniverseBreak> addressFrom(RigPlan& plan, std::vector<int> rows, int universe,
                                       int start)
{
    if (rows.empty()) {
        rows.resize(plan.rows.size());
        std::iota(rows.begin(), rows.end(), 0);
    }
    std::sort(rows.begin(), rows.end());
    std::vector<UniverseBreak> breaks;
    universe = std::clamp(universe, kFirstUniverse, kLastUniverse);
    int next = std::clamp(start, kFirstStart, kMaxStart);
    for (const int i : rows) {
        if (i < 0 || i >= int(plan.rows.size()) || !takesAddress(plan.rows[std::size_t(i)]))
            continue;
        PlanRow& row = plan.rows[std::size_t(i)];
        const int count = channelCount(plan, row).value_or(1);
        if (next + count - 1 > kLastChannel && next > kFirstStart && universe < kLastUniverse) {
            ++universe;
            next = kFirstStart;
            breaks.push_back({i, universe});
        }
        row.universe = universe;
        row.setting.address = next;
        next = std::min(next + count, kMaxStart);
    }
    return breaks;
}

int duplicateRow(RigPlan& plan, int row, int copies)
{
    if (row < 0 || row >= int(plan.rows.size()))
        return 0;
    const int room = kMaxRows - int(plan.rows.size());
    copies = std::clamp(copies, 0, room);
    const PlanRow original = plan.rows[std::size_t(row)];
    plan.rows.insert(plan.rows.begin() + row + 1, std::size_t(copies), original);
    return copies;
}

bool moveRow(RigPlan& plan, int row, int direction)
{
    const int other = row + direction;
    const int count = int(plan.rows.size());
    if (row < 0 || row >= count || other < 0 || other >= count)
        return false;
    std::swap(plan.rows[std::size_t(row)], plan.rows[std::size_t(other)]);
    return true;
}

std::vector<int> addressOrder(const RigPlan& plan)
{
    const auto key = [&](int i) {
        const PlanRow& row = plan.rows[std::size_t(i)];
        return takesAddress(row) ? std::make_tuple(false, row.universe, row.setting.address)
                                 : std::make_tuple(true, 0, 0);
    };
    std::vector<int> order(plan.rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

void sortByAddress(RigPlan& plan)
{
    std::vector<PlanRow> sorted;
    sorted.reserve(plan.rows.size());
    for (const int i : addressOrder(plan))
        sorted.push_back(std::move(plan.rows[std::size_t(i)]));
    plan.rows = std::move(sorted);
}

int universeAfter(const RigPlan& plan, int row)
{
    return row >= 0 && row < int(plan.rows.size()) ? plan.rows[std::size_t(row)].universe
                                                   : kDefaultUniverse;
}

} // namespace velantra::plan
