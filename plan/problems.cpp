#include "plan/problems.h"

#include <set>

namespace velantra::plan
{

std::vector<Problem> findProblems(const RigPlan& plan)
{
    std::vector<Problem> found;
    const int count = int(plan.size());
    for (int i = 0; i < count; ++i) {
        const PlanRow& row = plan[std::size_t(i)];
        if (!takesAddress(row))
            continue;
        const int start = row.setting.address;
        if (start < kFirstStart || start > kLastStart)
            found.push_back({ProblemKind::StartOutOfRange, i});
        const std::optional<int> end = endAddress(row);
        if (!end)
            found.push_back({ProblemKind::MissingChannels, i});
        else if (*end > kLastChannel && start <= kLastStart)
            found.push_back({ProblemKind::EndBeyondLine, i});
    }
    for (int i = 0; i < count; ++i) {
        const PlanRow& a = plan[std::size_t(i)];
        const std::optional<int> endA = endAddress(a);
        if (!endA)
            continue;
        for (int j = i + 1; j < count; ++j) {
            const PlanRow& b = plan[std::size_t(j)];
            const std::optional<int> endB = endAddress(b);
            if (endB && a.setting.address <= *endB && b.setting.address <= *endA)
                found.push_back({ProblemKind::Overlap, i, j});
        }
    }
    return found;
}

std::string rowName(const RigPlan& plan, int row)
{
    std::string name = "row " + std::to_string(row + 1);
    if (row >= 0 && row < int(plan.size()) && !plan[std::size_t(row)].label.empty())
        name += " \u201c" + plan[std::size_t(row)].label + "\u201d";
    return name;
}

namespace
{

std::string block(const PlanRow& row)
{
    return std::to_string(row.setting.address) + "\u2013" + std::to_string(*endAddress(row));
}

} // namespace

std::string describe(const RigPlan& plan, const Problem& problem, int row)
{
    const PlanRow& own = plan[std::size_t(row)];
    switch (problem.kind) {
    case ProblemKind::StartOutOfRange:
        return "start " + std::to_string(own.setting.address) + " is outside 1\u2013511";
    case ProblemKind::EndBeyondLine:
        return "ends at " + std::to_string(*endAddress(own)) + ", beyond 512";
    case ProblemKind::MissingChannels:
        return "no channel count";
    case ProblemKind::Overlap: {
        const int other = problem.row == row ? problem.otherRow : problem.row;
        return "channels " + block(own) + " overlap " + rowName(plan, other) + " (" +
               block(plan[std::size_t(other)]) + ")";
    }
    }
    return {};
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
