#pragma once

// The table operations of the planner: consecutive addresses, copies, order.

#include "plan/rigplan.h"

#include <vector>

namespace velantra::plan
{

// Where "Address from…" moved on to the next universe: the row that starts there.
struct UniverseBreak {
    int row;
    int universe;
};

// Gives the rows (indices in table order; all rows when empty) consecutive blocks from `start`
// on `universe`: each row's start is the previous row's start plus its channel count. A block
// that would end beyond 512 starts at 1 of the next universe instead (a block never spans two);
// the breaks are returned. Rows in master mode take no address and are passed over; a row
// without a channel count gets its start and the next row follows one channel later (the
// missing count is reported as a problem). The last universe takes what is left.
std::vector<UniverseBreak> addressFrom(RigPlan& plan, std::vector<int> rows, int universe,
                                       int start);

// Inserts `copies` copies of the row just below it, as long as the plan stays within kMaxRows.
// Returns how many were inserted.
int duplicateRow(RigPlan& plan, int row, int copies);

// Swaps the row with its neighbour above (-1) or below (+1); false at the edge.
bool moveRow(RigPlan& plan, int row, int direction);

// The order that sorts the rows by universe and start address, rows in master mode last,
// keeping the order of equals: the old index of each row in the new order.
std::vector<int> addressOrder(const RigPlan& plan);

// Orders the rows by universe and start address, rows in master mode last.
void sortByAddress(RigPlan& plan);

// The universe a new row below `row` takes: that row's, or the default one.
int universeAfter(const RigPlan& plan, int row);

} // namespace velantra::plan
