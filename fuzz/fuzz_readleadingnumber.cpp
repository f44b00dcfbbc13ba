// libFuzzer target: the program's reader and the reference reader must agree on every text.
#include "dip/readleadingnumber.h"
#include "fuzz/referencereader.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double ours = velantra::ReadLeadingNumber(std::string_view(text));
    const double reference = velantra::fuzz::referenceRead(text);
    const bool same = ours == reference || (std::isnan(ours) && std::isnan(reference));
    if (!same) {
        std::fprintf(stderr, "readers disagree: program %.17g, reference %.17g\n", ours, reference);
        std::abort();
    }
    return 0;
}
