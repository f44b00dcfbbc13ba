#pragma once

#include <string>

namespace velantra::fuzz
{

// A deliberately plain second reader of leading numbers, written straight from the rules and
// sharing no code with the program's reader, so that the two can be checked against each other.
double referenceRead(const std::string& text);

} // namespace velantra::fuzz
