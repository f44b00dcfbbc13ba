#pragma once

// How a fixture's address levers work, as its manual draws them: a bank of 8 to 12 DIP levers,
// the first of which carry the DMX address in binary (lowest bit on lever 1, or on the last
// address lever), ON on the upper or the lower side, the address itself or the address − 1, and
// levers after the address ones that switch functions ("10: stand-alone"). Plain data, shared by
// the rig plan's fixture types, their cards and the lever read-back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velantra
{

constexpr int kMinSchemeLevers = 8;
constexpr int kMaxSchemeLevers = 12;
// The address levers: nine carry 1 … 256; a bank of eight carries 1 … 128.
constexpr int kMaxAddressLevers = 9;
// Where a generic fixture may start on its universe.
constexpr int kFirstDmxChannel = 1;
constexpr int kLastDmxChannel = 512;

struct NamedLever {
    int lever = 0;    // 1-based, after the address levers
    std::string name; // what ON means, "stand-alone"
    bool operator==(const NamedLever&) const = default;
};

struct LeverScheme {
    int levers = 10;               // levers in the bank, 8–12
    int lowestLever = 1;           // the lever of the lowest bit: 1 or the last address lever
    bool onUp = true;              // ON is the upper side of the bank as drawn
    bool addressMinusOne = false;  // the levers hold the address − 1
    std::vector<NamedLever> named; // function levers, in lever order
    bool operator==(const LeverScheme&) const = default;

    // Levers 1 … addressLevers() carry the address.
    constexpr int addressLevers() const
    {
        return levers < kMaxAddressLevers ? levers : kMaxAddressLevers;
    }
};

// Why the scheme cannot describe a bank, as one sentence, or nothing when it can: a lever count
// outside 8–12, a lowest-bit lever other than the first or the last address lever, a named lever
// outside the function levers, named twice, or with an empty name.
std::optional<std::string> leverSchemeProblem(const LeverScheme& scheme);

// The highest start address the address levers can hold (a bank of eight: 255, or 256 for
// address − 1; otherwise 512).
int highestSchemeAddress(const LeverScheme& scheme);

// Bit k−1 set: lever k ON. The address levers for `address` (1 … highestSchemeAddress); the
// caller adds the function levers it wants ON.
std::uint32_t schemeLeversOn(const LeverScheme& scheme, int address);

struct SchemeReading {
    int address = 0;                   // what the address levers say, 0 when it is no address
    std::vector<std::string> options;  // the names of the function levers ON, in lever order
    std::vector<std::string> problems; // why the combination cannot work, one sentence each
};

// What a bank set as `on` (bit k−1: lever k ON) means on a fixture of this scheme.
SchemeReading readSchemeLevers(const LeverScheme& scheme, std::uint32_t on);

} // namespace velantra
