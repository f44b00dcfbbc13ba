#include "dip/readleadingnumber.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace velantra
{
namespace
{

bool isBlank(char32_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool isDigit(char32_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char32_t c, int radix)
{
    int value = -1;
    if (isDigit(c))
        value = int(c - u'0');
    else if (c >= u'a' && c <= u'f')
        value = int(c - u'a') + 10;
    else if (c >= u'A' && c <= u'F')
        value = int(c - u'A') + 10;
    return value < radix ? value : -1;
}

// Walks the text with the blanks already left out.
template <typename Char> class Cursor
{
public:
    explicit Cursor(std::basic_string_view<Char> text) : text_(text) { skipBlanks(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char32_t peek() const { return atEnd() ? 0 : char32_t(text_[pos_]); }
    void next()
    {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (!atEnd() && isBlank(char32_t(text_[pos_])))
            ++pos_;
    }
    std::basic_string_view<Char> text_;
    std::size_t pos_ = 0;
};

template <typename Char> double readRadix(Cursor<Char>& in, int radix)
{
    constexpr std::uint64_t limit32 = 0xFFFFFFFFu;
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (int d = digitValue(in.peek(), radix); !in.atEnd() && d >= 0;
         in.next(), d = digitValue(in.peek(), radix)) {
        if (!tooLarge) {
            value = value * std::uint64_t(radix) + std::uint64_t(d);
            tooLarge = value > limit32;
        }
    }
    if (tooLarge)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFF)
        return double(std::int16_t(std::uint16_t(value)));
    return double(std::int32_t(std::uint32_t(value)));
}

// Reads a well-formed decimal number ([digits][.digits][e[sign]digits]); false when it lies beyond
// a double's range, above or below, and then leaves the value alone as from_chars does.
bool parsedInRange(const std::string& number, double& value)
{
#if defined(__GLIBCXX__) || defined(__cpp_lib_to_chars)
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    return error != std::errc::result_out_of_range;
#else
    // Emscripten's C++ library reads no floating-point from_chars. Its strtod reads in the "C"
    // locale, the only one a WebAssembly program has, and also rounds exactly.
    errno = 0;
    const double read = std::strtod(number.c_str(), nullptr);
    if (std::isinf(read) || (errno == ERANGE && read == 0))
        return false;
    value = read;
    return true;
#endif
}

// from_chars leaves the value alone when it is out of range: tell overflow from underflow by
// the decimal magnitude, the position of the first significant digit plus the exponent.
bool overflows(const std::string& number)
{
    const auto ePos = number.find('e');
    const std::string mantissa = number.substr(0, ePos);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return false;
    long long magnitude = firstSignificant < point ? (long long)(point - firstSignificant)
                                                   : -(long long)(firstSignificant - point - 1);
    if (ePos != std::string::npos) {
        long long exponent = 0;
        const bool negative = number[ePos + 1] == '-';
        for (std::size_t i = ePos + 1; i < number.size(); ++i) {
            if (isDigit(char32_t(number[i])))
                exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

// Copies the longest decimal prefix into plain ASCII and converts it independently of the locale.
template <typename Char> double readDecimal(Cursor<Char>& in)
{
    std::string number;
    const auto takeDigits = [&] {
        std::size_t count = 0;
        for (; isDigit(in.peek()); in.next(), ++count)
            number.push_back(char(in.peek()));
        return count;
    };

    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.next();
    }
    std::size_t digits = takeDigits();
    if (in.peek() == u'.') {
        number.push_back('.');
        in.next();
        digits += takeDigits();
    }
    if (digits == 0)
        return 0.0;

    const char32_t e = in.peek();
    if (e == u'e' || e == u'E' || e == u'd' || e == u'D') {
        std::string exponent = "e";
        in.next();
        if (in.peek() == u'+' || in.peek() == u'-') {
            exponent.push_back(char(in.peek()));
            in.next();
        }
        std::string exponentDigits;
        for (; isDigit(in.peek()); in.next())
            exponentDigits.push_back(char(in.peek()));
        // An exponent letter without digits is not part of the number.
        if (!exponentDigits.empty())
            number += exponent + exponentDigits;
    }

    double value = 0.0;
    if (!parsedInRange(number, value))
        value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

template <typename Char> double read(std::basic_string_view<Char> text)
{
    Cursor<Char> in(text);
    if (in.peek() == u'&') {
        Cursor<Char> radixIn = in;
        radixIn.next();
        const char32_t letter = radixIn.peek();
        if (letter == u'h' || letter == u'H' || letter == u'o' || letter == u'O') {
            radixIn.next();
            return readRadix(radixIn, (letter == u'h' || letter == u'H') ? 16 : 8);
        }
        return 0.0;
    }
    return readDecimal(in);
}

} // namespace

double ReadLeadingNumber(std::u16string_view text)
{
    return read(text);
}
double ReadLeadingNumber(std::string_view text)
{
    return read(text);
}

} // namespace velantra
