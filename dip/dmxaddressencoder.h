#pragma once

#include <cstdint>

namespace velantra
{

// A DMX start address is valid from 1 to 511, tested on the number as read (511.5 is refused,
// 1.5 accepted).
constexpr bool IsValidDmxAddress(double n)
{
    return n >= 1.0 && n <= 511.0;
}

// Takes a number apart into bits from the top, as the devices' manuals do: for each power p from
// `highestBit` down to 1, r = n − p; r ≥ 0 sets the bit, r = 0 stops, r > 0 goes on with r.
// For a whole number this is its binary form; for a fraction that of its integer part.
// Returns the set bits as a mask (bit value 1 → 0x1, 256 → 0x100).
std::uint32_t TakeApartIntoBits(double n, unsigned highestBit);

// The nine address bits of a valid DMX address (256 down to 1).
inline std::uint32_t DmxAddressEncoder(double address)
{
    return TakeApartIntoBits(address, 256);
}

} // namespace velantra
