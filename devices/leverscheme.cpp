#include "devices/leverscheme.h"

#include "i18n/translatable.h"

#include <bit>

namespace velantra
{

namespace
{
constexpr std::uint32_t bitOf(int lever)
{
    return std::uint32_t(1) << (lever - 1);
}

// The value lever `lever` (1-based, an address lever) carries.
int leverValue(const LeverScheme& scheme, int lever)
{
    const int rank = scheme.lowestLever == 1 ? lever - 1 : scheme.addressLevers() - lever;
    return 1 << rank;
}
} // namespace

std::optional<std::string> leverSchemeProblem(const LeverScheme& scheme)
{
    if (scheme.levers < kMinSchemeLevers || scheme.levers > kMaxSchemeLevers)
        return i18n::translated("Devices", "a bank has 8 to 12 levers");
    if (scheme.lowestLever != 1 && scheme.lowestLever != scheme.addressLevers())
        return i18n::arg(i18n::translated("Devices", "the lowest bit is on lever 1 or on lever %1"),
                         {std::to_string(scheme.addressLevers())});
    std::uint32_t seen = 0;
    for (const NamedLever& named : scheme.named) {
        if (named.lever <= scheme.addressLevers() || named.lever > scheme.levers) {
            return scheme.levers > scheme.addressLevers()
                       ? i18n::arg(i18n::translated("Devices",
                                                    "lever %1 is not a function lever: those are "
                                                    "levers %2 to %3"),
                                   {std::to_string(named.lever),
                                    std::to_string(scheme.addressLevers() + 1),
                                    std::to_string(scheme.levers)})
                       : i18n::arg(i18n::translated("Devices",
                                                    "lever %1 is not a function lever: every "
                                                    "lever carries the address"),
                                   {std::to_string(named.lever)});
        }
        if (seen & bitOf(named.lever))
            return i18n::arg(i18n::translated("Devices", "lever %1 is named twice"),
                             {std::to_string(named.lever)});
        if (named.name.empty())
            return i18n::arg(i18n::translated("Devices", "lever %1 has no name"),
                             {std::to_string(named.lever)});
        seen |= bitOf(named.lever);
    }
    return std::nullopt;
}

int highestSchemeAddress(const LeverScheme& scheme)
{
    const int held = (1 << scheme.addressLevers()) - 1 + (scheme.addressMinusOne ? 1 : 0);
    return held < kLastDmxChannel ? held : kLastDmxChannel;
}

std::uint32_t schemeLeversOn(const LeverScheme& scheme, int address)
{
    const int held = address - (scheme.addressMinusOne ? 1 : 0);
    std::uint32_t on = 0;
    for (int lever = 1; lever <= scheme.addressLevers(); ++lever) {
        if (held & leverValue(scheme, lever))
            on |= bitOf(lever);
    }
    return on;
}

SchemeReading readSchemeLevers(const LeverScheme& scheme, std::uint32_t on)
{
    SchemeReading reading;
    int held = 0;
    for (int lever = 1; lever <= scheme.addressLevers(); ++lever) {
        if (on & bitOf(lever))
            held += leverValue(scheme, lever);
    }
    reading.address = held + (scheme.addressMinusOne ? 1 : 0);
    if (reading.address < kFirstDmxChannel)
        reading.problems.push_back(
            i18n::translated("Devices", "no address lever is ON: address 0 is no DMX address"));
    else if (reading.address > kLastDmxChannel)
        reading.problems.push_back(
            i18n::arg(i18n::translated("Devices", "address %1 is beyond the last DMX channel, 512"),
                      {std::to_string(reading.address)}));
    if (reading.address < kFirstDmxChannel || reading.address > kLastDmxChannel)
        reading.address = 0;
    for (const NamedLever& named : scheme.named) {
        if (on & bitOf(named.lever))
            reading.options.push_back(named.name);
    }
    const std::uint32_t bank = bitOf(scheme.levers + 1) - 1;
    if (on & ~bank) {
        const int beyond = std::countr_zero(on & ~bank) + 1;
        reading.problems.push_back(
            i18n::arg(i18n::translated("Devices", "the bank has no lever %1: it has %2"),
                      {std::to_string(beyond), std::to_string(scheme.levers)}));
    }
    return reading;
}

} // namespace velantra
