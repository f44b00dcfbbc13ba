// The words that tell a screen reader user what a sheet picture holds.
#include "resources/sheettable.h"

namespace velantra::sheets
{
namespace
{

// The headings of one heading row that lie within the columns of `over`, left to right.
std::string subHeadings(const SheetTable& table, const Heading& over)
{
    const Heading* first = nullptr;
    const Heading* last = nullptr;
    for (const Heading& h : table.headings) {
        if (h.row != over.row + over.rowSpan || h.column < over.column ||
            h.column >= over.column + over.columnSpan)
            continue;
        if (!first || h.column < first->column)
            first = &h;
        if (!last || h.column > last->column)
            last = &h;
    }
    if (!first)
        return {};
    if (first == last)
        return " (" + std::string(first->text) + ")";
    return " (" + std::string(first->text) + " to " + std::string(last->text) + ")";
}

} // namespace

std::string describe(const SheetTable& table)
{
    std::string words = table.title.empty() ? "Table" : std::string(table.title) + ", table";
    words += " of " + std::to_string(table.rows.size()) + " rows: ";
    // The top headings in column order; the headings below them are summed up in brackets.
    bool firstColumn = true;
    for (int column = 0; column < int(table.columnWidths.size()); ++column) {
        for (const Heading& h : table.headings) {
            if (h.row != 0 || h.column != column)
                continue;
            words += (firstColumn ? "" : ", ") + std::string(h.text) + subHeadings(table, h);
            firstColumn = false;
        }
    }
    return words;
}

std::string describe(const ShowList& list)
{
    if (list.bars.empty())
        return "No shows";
    return "Shows " + std::string(list.bars.front().show) + " to " +
           std::string(list.bars.back().show) +
           ", each with a bar of its colours from left to right";
}

} // namespace velantra::sheets
