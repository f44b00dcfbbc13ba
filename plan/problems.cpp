#include "plan/problems.h"

#include "i18n/translatable.h"

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
    const std::string number = std::to_string(row + 1);
    if (row >= 0 && row < int(plan.size()) && !plan[std::size_t(row)].label.empty())
        return i18n::arg(i18n::translated("Plans", "row %1 “%2”"),
                         {number, plan[std::size_t(row)].label});
    return i18n::arg(i18n::translated("Plans", "row %1"), {number});
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
        return i18n::arg(i18n::translated("Plans", "start %1 is outside 1–511"),
                         {std::to_string(own.setting.address)});
    case ProblemKind::EndBeyondLine:
        return i18n::arg(i18n::translated("Plans", "ends at %1, beyond 512"),
                         {std::to_string(*endAddress(own))});
    case ProblemKind::MissingChannels:
        return i18n::translated("Plans", "no channel count");
    case ProblemKind::Overlap: {
        const int other = problem.row == row ? problem.otherRow : problem.row;
        return i18n::arg(i18n::translated("Plans", "channels %1 overlap %2 (%3)"),
                         {block(own), rowName(plan, other), block(plan[std::size_t(other)])});
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
        return i18n::translated("Plans", "No problems");
    std::set<int> rows;
    for (const Problem& problem : problems) {
        rows.insert(problem.row);
        if (problem.otherRow >= 0)
            rows.insert(problem.otherRow);
    }
    const std::string count = std::to_string(problems.size());
    const std::string rowCount = std::to_string(rows.size());
    const bool oneProblem = problems.size() == 1, oneRow = rows.size() == 1;
    const char* summary = oneProblem && oneRow ? VT_TEXT("Plans", "%1 problem in %2 row")
                          : oneProblem         ? VT_TEXT("Plans", "%1 problem in %2 rows")
                          : oneRow             ? VT_TEXT("Plans", "%1 problems in %2 row")
                                               : VT_TEXT("Plans", "%1 problems in %2 rows");
    return i18n::arg(i18n::translated("Plans", summary), {count, rowCount});
}

} // namespace velantra::plan
