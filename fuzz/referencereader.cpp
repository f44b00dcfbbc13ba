#include "fuzz/referencereader.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace velantra::fuzz
{

double referenceRead(const std::string& input)
{
    // Rule 1: blanks, tabs and line feeds do not count.
    std::string s;
    for (char c : input) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }

    // Rule 2: &H and &O.
    if (s.size() >= 2 && s[0] == '&') {
        const char letter = char(std::toupper((unsigned char)s[1]));
        if (letter != 'H' && letter != 'O')
            return 0;
        const int radix = letter == 'H' ? 16 : 8;
        const std::string digits = radix == 16 ? "0123456789ABCDEF" : "01234567";
        long double value = 0; // exact far beyond 32 bits
        for (std::size_t i = 2; i < s.size(); ++i) {
            const auto at = digits.find(char(std::toupper((unsigned char)s[i])));
            if (at == std::string::npos)
                break;
            value = value * radix + at;
            if (value > 1e30L)
                value = 1e30L;
        }
        if (value > 4294967295.0L)
            return std::numeric_limits<double>::infinity();
        if (value <= 65535.0L)
            return value >= 32768.0L ? double(value - 65536.0L) : double(value);
        return value >= 2147483648.0L ? double(value - 4294967296.0L) : double(value);
    }
    if (s.size() == 1 && s[0] == '&')
        return 0;

    // Rule 3: [sign] digits [. digits] [E|D [sign] digits].
    std::size_t i = 0;
    std::string prefix;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        prefix += s[i++];
    int mantissaDigits = 0;
    while (i < s.size() && std::isdigit((unsigned char)s[i])) {
        prefix += s[i++];
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        prefix += s[i++];
        while (i < s.size() && std::isdigit((unsigned char)s[i])) {
            prefix += s[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0; // rule 4
    if (i < s.size() && std::strchr("eEdD", s[i]) && s[i] != 0) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        std::size_t digitsStart = j;
        while (j < s.size() && std::isdigit((unsigned char)s[j]))
            exponent += s[j++];
        if (j > digitsStart)
            prefix += exponent;
    }
    std::setlocale(LC_NUMERIC, "C");
    // strtod gives ±HUGE_VAL on overflow and 0 (or a denormal) on underflow.
    return std::strtod(prefix.c_str(), nullptr);
}

} // namespace velantra::fuzz
