// The words that tell a screen reader user what a sheet picture holds.
#include "i18n/translatable.h"
#include "resources/sheettable.h"

namespace velantra::sheets
{
namespace
{

std::string heading(const Heading& h)
{
    return i18n::translated("Sheets", std::string(h.text).c_str());
}

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
    const std::string firstText = heading(*first), lastText = heading(*last);
    if (first == last)
        return " (" + firstText + ")";
    return " (" + i18n::arg(i18n::translated("Sheets", "%1 to %2"), {firstText, lastText}) + ")";
}

} // namespace

std::string describe(const SheetTable& table)
{
    const std::string rows = std::to_string(table.rows.size());
    std::string words =
        table.title.empty()
            ? i18n::arg(i18n::translated("Sheets", "Table of %1 rows: "), {rows})
            : i18n::arg(i18n::translated("Sheets", "%1, table of %2 rows: "),
                        {i18n::translated("Sheets", std::string(table.title).c_str()), rows});
    // The top headings in column order; the headings below them are summed up in brackets.
    bool firstColumn = true;
    for (int column = 0; column < int(table.columnWidths.size()); ++column) {
        for (const Heading& h : table.headings) {
            if (h.row != 0 || h.column != column)
                continue;
            words += (firstColumn ? "" : ", ") + heading(h) + subHeadings(table, h);
            firstColumn = false;
        }
    }
    return words;
}

std::string describe(const ShowList& list)
{
    if (list.bars.empty())
        return i18n::translated("Sheets", "No shows");
    return i18n::arg(
        i18n::translated("Sheets",
                         "Shows %1 to %2, each with a bar of its colours from left to right"),
        {std::string(list.bars.front().show), std::string(list.bars.back().show)});
}

} // namespace velantra::sheets
