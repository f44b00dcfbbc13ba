#pragma once

// The one rule for a label, wherever it enters: typed or pasted into the plan's table, given in
// a card's label question, on the command line (--label) or read from a plan file. What one of
// them takes, every other one takes too, so that a plan the program saves always opens again.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velantra::cards
{

// In characters (Unicode code points).
constexpr std::size_t kMaxLabelLength = 200;

// Why the label (UTF-8) cannot be taken: too long, or a control character (a newline, a tab,
// an escape, the invisible byte order mark); nothing when it can.
std::optional<std::string> labelProblem(std::string_view label);

} // namespace velantra::cards
