#pragma once

// The small pieces of text reading the plan's texts and patch lists share.

#include <optional>
#include <string>
#include <string_view>

namespace velantra::plan
{

// What trimmed() takes off either end: blanks in the plan's own texts; a patch list's cells, as
// spreadsheets write them, lose tabs too.
constexpr std::string_view kBlanks = " ";
constexpr std::string_view kCellBlanks = " \t";

std::string_view trimmed(std::string_view text, std::string_view blanks = kBlanks);

// In ASCII lower case; other bytes (UTF-8) stay as they are.
std::string lower(std::string_view text);

// The text when all of it is a decimal int ("-3", "42"; not " 42" nor "4x").
std::optional<int> wholeNumber(std::string_view text);

// The number as text, or an empty text when there is none.
std::string number(const std::optional<int>& n);

} // namespace velantra::plan
