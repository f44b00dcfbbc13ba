#include "dip/dmxaddressencoder.h"

namespace velantra
{

std::uint32_t TakeApartIntoBits(double n, unsigned highestBit)
{
    std::uint32_t bits = 0;
    for (unsigned p = highestBit; p >= 1; p /= 2) {
        const double r = n - double(p);
        if (r >= 0)
            bits |= p;
        if (r == 0)
            break;
        if (r > 0)
            n = r;
    }
    return bits;
}

} // namespace velantra
