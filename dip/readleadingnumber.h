#pragma once

#include <string_view>

namespace velantra
{

// Reads the number at the start of a text, leniently, as every numeric box of the program does:
// blanks, tabs and line feeds are ignored wherever they stand; "&H…" and "&O…" are hexadecimal
// and octal (up to FFFF as signed 16-bit, above as signed 32-bit); otherwise the longest prefix
// of the form [sign] digits [. digits] [E|D [sign] digits] counts, with the full stop as the only
// decimal separator. A text without a leading number reads as 0. Decimal numbers beyond the range
// of a double read as ±infinity and hexadecimal or octal numbers beyond 32 bits as +infinity, so
// that every range test refuses them.
double ReadLeadingNumber(std::u16string_view text);

// The same for 8-bit text (ASCII digits and signs; other bytes are simply not digits).
double ReadLeadingNumber(std::string_view text);

} // namespace velantra
