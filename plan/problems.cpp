#include "plan/problems.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace velantra::plan
{
namespace
{

struct Block {
    int universe, start, end, row;
};

// Blocks sorted by universe and start: each overlaps only blocks of its universe that started
// before it and have not ended yet.
void findOverlaps(const RigPlan& plan, std::vector<Problem>& found)
{
    std::vector<Block> blocks;
    blocks.reserve(plan.rows.size());
    for (int i = 0; i < int(plan.rows.size()); ++i) {
        const PlanRow& row = plan.rows[std::size_t(i)];
        if (const std::optional<int> end = endAddress(plan, row))
            blocks.push_back({row.universe, row.setting.address, *end, i});
    }
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return std::tie(a.universe, a.start, a.row) < std::tie(b.universe, b.start, b.row);
    });
    // The open blocks by end, then row: the earliest to end leave first.
    std::set<std::pair<int, int>> open;
    std::vector<Problem> overlaps;
    int universe = -1;
    for (const Block& block : blocks) {
        if (block.universe != universe) {
            open.clear();
            universe = block.universe;
        }
        while (!open.empty() && open.begin()->first < block.start)
            open.erase(open.begin());
        int named = 0;
        for (auto it = open.begin(); it != open.end() && named < kMaxOverlapsNamed; ++it, ++named)
            overlaps.push_back({ProblemKind::Overlap, std::min(it->second, block.row),
                                std::max(it->second, block.row)});
        open.insert({block.end, block.row});
    }
    // In table order, as a reader goes down the table.
    std::sort(overlaps.begin(), overlaps.end(), [](const Problem& a, const Problem& b) {
        return std::tie(a.row, a.otherRow) < std::tie(b.row, b.otherRow);
    });
    found.insert(found.end(), overlaps.begin(), overlaps.end());
}

} // namespace

std::vector<Problem> findProblems(const RigPlan& plan)
{
    std::vector<Problem> found;
    const int count = int(plan.rows.size());
    for (int i = 0; i < count; ++i) {
        const PlanRow& row = plan.rows[std::size_t(i)];
        if (!takesAddress(row))
            continue;
        const int start = row.setting.address;
        if (start < kFirstStart || start > kLastStart)
            found.push_back({ProblemKind::StartOutOfRange, i});
        const std::optional<int> end = endAddress(plan, row);
        if (!end)
            found.push_back({ProblemKind::MissingChannels, i});
        else if (*end > kLastChannel && start <= kLastStart)
            found.push_back({ProblemKind::EndBeyondLine, i});
        const FixtureType* type = typeOf(plan, row);
        if (type && type->levers && start >= kFirstStart && start <= kLastStart &&
            start > highestSchemeAddress(*type->levers))
            found.push_back({ProblemKind::BeyondLevers, i});
    }
    findOverlaps(plan, found);
    return found;
}

std::string rowName(const RigPlan& plan, int row)
{
    std::string name = "row " + std::to_string(row + 1);
    if (row >= 0 && row < int(plan.rows.size()) && !plan.rows[std::size_t(row)].label.empty())
        name += " \u201c" + plan.rows[std::size_t(row)].label + "\u201d";
    return name;
}

namespace
{

std::string block(const RigPlan& plan, const PlanRow& row)
{
    return std::to_string(row.setting.address) + "\u2013" + std::to_string(*endAddress(plan, row));
}

} // namespace

std::string describe(const RigPlan& plan, const Problem& problem, int row)
{
    const PlanRow& own = plan.rows[std::size_t(row)];
    switch (problem.kind) {
    case ProblemKind::StartOutOfRange:
        return "start " + std::to_string(own.setting.address) + " is outside 1\u2013511";
    case ProblemKind::EndBeyondLine:
        return "ends at " + std::to_string(*endAddress(plan, own)) + ", beyond 512";
    case ProblemKind::MissingChannels:
        return "no channel count";
    case ProblemKind::BeyondLevers:
        return "start " + std::to_string(own.setting.address) + " is beyond the levers of the " +
               fixtureName(plan, own) + " (at most " +
               std::to_string(highestSchemeAddress(*typeOf(plan, own)->levers)) + ")";
    case ProblemKind::Overlap: {
        const int other = problem.row == row ? problem.otherRow : problem.row;
        return "channels " + block(plan, own) + " overlap " + rowName(plan, other) + " (" +
               block(plan, plan.rows[std::size_t(other)]) + ")";
    }
    }
    return {};
}

std::vector<std::string> problemsByRow(const RigPlan& plan, const std::vector<Problem>& problems)
{
    std::vector<std::string> texts(plan.rows.size());
    const auto add = [&](int row, const Problem& problem) {
        std::string& text = texts[std::size_t(row)];
        if (!text.empty())
            text += "; ";
        text += describe(plan, problem, row);
    };
    for (const Problem& problem : problems) {
        add(problem.row, problem);
        if (problem.otherRow >= 0)
            add(problem.otherRow, problem);
    }
    return texts;
}

std::string rowProblems(const RigPlan& plan, const std::vector<Problem>& problems, int row)
{
    std::string text;
    for (const Problem& problem : problems) {
        if (problem.row != row && problem.otherRow != row)
            continue;
        if (!text.empty())
            text += "; ";
        text += describe(plan, problem, row);
    }
    return text;
}

std::string problemSummary(const std::vector<Problem>& problems)
{
    if (problems.empty())
        return "No problems";
    std::set<int> rows;
    for (const Problem& problem : problems) {
        rows.insert(problem.row);
        if (problem.otherRow >= 0)
            rows.insert(problem.otherRow);
    }
    const auto plural = [](std::size_t n, const char* word) {
        return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
    };
    return plural(problems.size(), "problem") + " in " + plural(rows.size(), "row");
}

} // namespace velantra::plan
