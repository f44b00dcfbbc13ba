#include "power/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace velantra::power
{
namespace
{

constexpr int kSignificantDigits = 15;

std::u16string widen(std::string_view s)
{
    return std::u16string(s.begin(), s.end());
}

} // namespace

std::u16string PowerText(double watts, char16_t decimalSeparator)
{
    if (watts == 0)
        return u"0"; // also for −0
    if (!std::isfinite(watts))
        return widen(std::isnan(watts) ? "NaN" : (watts < 0 ? "-Inf" : "Inf"));

    // "-d.dddddddddddddde±x": the digits rounded to 15 significant ones, then the exponent.
    char buffer[40];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, watts,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const char* end = result.ptr;
#else
    // Emscripten's C++ library writes no floating-point to_chars; its printf rounds exactly too,
    // and writes the same form.
    const char* end =
        buffer + std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, watts);
#endif
    const std::string_view scientific(buffer, std::size_t(end - buffer));
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const char* exponentText = scientific.data() + e + 1;
    if (*exponentText == '+')
        ++exponentText; // from_chars takes no plus sign
    std::from_chars(exponentText, end, exponent);

    // Digits before the separator: exponent + 1 (none or fewer than none for values below 1).
    const int whole = exponent + 1;
    std::u16string text = negative ? u"-" : u"";
    if (whole <= 0) {
        text += u'0';
        text += decimalSeparator;
        text.append(std::size_t(-whole), u'0');
        text += widen(digits);
    } else if (std::size_t(whole) >= digits.size()) {
        text += widen(digits);
        text.append(std::size_t(whole) - digits.size(), u'0');
    } else {
        text += widen(std::string_view(digits).substr(0, std::size_t(whole)));
        text += decimalSeparator;
        text += widen(std::string_view(digits).substr(std::size_t(whole)));
    }
    return text;
}

std::u16string LedText(std::int32_t leds)
{
    return widen(std::to_string(leds));
}

} // namespace velantra::power
