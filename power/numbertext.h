#pragma once

// The texts in which the power configurators show their figures.

#include <cstdint>
#include <string>

namespace velantra::power
{

// A power: the shortest decimal text of the value rounded to 15 significant digits, never with
// an exponent, trailing zeros or a trailing separator ("0", "7", "10.5", "-2.4"), written with
// the user's decimal separator.
std::u16string PowerText(double watts, char16_t decimalSeparator);

// An LED count: a plain decimal integer ("0", "6", "-3").
std::u16string LedText(std::int32_t leds);

} // namespace velantra::power
