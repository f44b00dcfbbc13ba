#include "plan/words.h"

#include <cctype>
#include <charconv>

namespace velantra::plan
{

std::string_view trimmed(std::string_view text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<int> wholeNumber(std::string_view text)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

std::string number(const std::optional<int>& n)
{
    return n ? std::to_string(*n) : std::string();
}

} // namespace velantra::plan
