#pragma once

// The setting card of a fixture of another maker: its bank drawn from how its levers work (a
// LeverScheme), the levers ON for its address and the function levers chosen, "Levers ON: …" as
// on our devices' cards. Plain data in, a card out, for the rig plan's fixture types.

#include "cards/settingcard.h"
#include "devices/leverscheme.h"

#include <optional>
#include <string>
#include <vector>

namespace velantra::cards
{

struct SchemeCardData {
    std::string fixture; // maker and model, as the user typed them
    LeverScheme scheme;
    int address = 1;
    std::optional<int> channels;
    std::vector<int> functionLeversOn; // of the scheme's named levers
    std::string label;
    std::string date; // YYYY-MM-DD
    std::string origin = {};
};

// Why no card can be made, as one sentence, or nothing: the scheme's own problem, an address
// its levers cannot hold, or a lever ON that is no named function lever.
std::optional<std::string> schemeCardProblem(const SchemeCardData& data);

// The card; the data must have no schemeCardProblem.
SettingCard schemeCard(const SchemeCardData& data);

} // namespace velantra::cards
