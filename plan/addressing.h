#pragma once

// The table operations of the planner: consecutive addresses, copies, order.

#include "plan/rigplan.h"

#include <vector>

namespace velantra::plan
{

// Gives the rows (indices in table order; all rows when empty) consecutive blocks from `start`:
// each row's start is the previous row's start plus its channel count. Rows in master mode take
// no address and are passed over; a row without a channel count gets its start and the next row
// follows one channel later (the missing count is reported as a problem). Starts stop growing at
// kMaxStart.
void addressFrom(RigPlan& plan, std::vector<int> rows, int start);

// Inserts `copies` copies of the row just below it, as long as the plan stays within kMaxRows.
// Returns how many were inserted.
int duplicateRow(RigPlan& plan, int row, int copies);

// Swaps the row with its neighbour above (-1) or below (+1); false at the edge.
bool moveRow(RigPlan& plan, int row, int direction);

// Orders the rows by start address, rows in master mode last, keeping the order of equals.
void sortByAddress(RigPlan& plan);

} // namespace velantra::plan
