#pragma once

// What is wrong with a plan, row by row, in words an installer reads.

#include "plan/rigplan.h"

#include <string>
#include <vector>

namespace velantra::plan
{

enum class ProblemKind { StartOutOfRange, EndBeyondLine, Overlap, MissingChannels, BeyondLevers };

struct Problem {
    ProblemKind kind;
    int row;           // index in table order
    int otherRow = -1; // the row it overlaps
};

// A row overlapping many others names this many of them; the rest show once those are mended.
constexpr int kMaxOverlapsNamed = 8;

// Every problem, by row; an overlap of two rows (on the same universe) is one problem, found
// once. The blocks are sorted per universe, so that a plan of thousands of rows is checked at
// once.
std::vector<Problem> findProblems(const RigPlan& plan);

// "row 3 “Bar 3 left”", rows counted from 1; an empty label is left out.
std::string rowName(const RigPlan& plan, int row);

// The problem in words, as seen from `row` (which names the other row of an overlap).
std::string describe(const RigPlan& plan, const Problem& problem, int row);

// The problems of every row in words, joined by "; " (empty for a row without any).
std::vector<std::string> problemsByRow(const RigPlan& plan, const std::vector<Problem>& problems);

// The problems of one row in words, joined by "; ", or empty.
std::string rowProblems(const RigPlan& plan, const std::vector<Problem>& problems, int row);

// "No problems" or "3 problems in 2 rows".
std::string problemSummary(const std::vector<Problem>& problems);

} // namespace velantra::plan
