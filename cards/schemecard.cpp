#include "cards/schemecard.h"

#include "i18n/translatable.h"

#include <algorithm>

namespace velantra::cards
{
namespace
{

// A bank drawn to the measure of our configurators' banks, in their window pixels: levers 16
// apart, 9 wide, the upper row at 32, the lower at 48, each 25 high.
constexpr int kPitch = 16;
constexpr int kLeverWidth = 9;
constexpr int kLeverHeight = 25;
constexpr int kUpperTop = 32;
constexpr int kLowerTop = 48;
constexpr int kBodyLeft = 8;

BankDrawing bankOf(const LeverScheme& scheme, std::uint32_t on)
{
    BankDrawing bank;
    bank.name =
        i18n::arg(i18n::translated("Cards", "%1-lever bank"), {std::to_string(scheme.levers)});
    bank.onIsUpper = scheme.onUp;
    bank.body = {kBodyLeft, 24, kPitch * scheme.levers + 8, 57};
    for (int k = 1; k <= scheme.levers; ++k) {
        const int left = kBodyLeft + 8 + kPitch * (k - 1);
        bank.levers.push_back({{left, kUpperTop, kLeverWidth, kLeverHeight},
                               {left, kLowerTop, kLeverWidth, kLeverHeight},
                               (on & (std::uint32_t(1) << (k - 1))) != 0});
    }
    return bank;
}

const NamedLever* namedLever(const LeverScheme& scheme, int lever)
{
    const auto found = std::find_if(scheme.named.begin(), scheme.named.end(),
                                    [lever](const NamedLever& n) { return n.lever == lever; });
    return found == scheme.named.end() ? nullptr : &*found;
}

} // namespace

std::optional<std::string> schemeCardProblem(const SchemeCardData& data)
{
    if (const std::optional<std::string> problem = leverSchemeProblem(data.scheme))
        return problem;
    const int highest = highestSchemeAddress(data.scheme);
    if (data.address < kFirstDmxChannel || data.address > highest)
        return i18n::arg(
            i18n::translated("Cards", "DMX address %1 is beyond what the levers hold: 1 to %2"),
            {std::to_string(data.address), std::to_string(highest)});
    for (int lever : data.functionLeversOn) {
        if (!namedLever(data.scheme, lever))
            return i18n::arg(i18n::translated("Cards", "lever %1 is no named function lever"),
                             {std::to_string(lever)});
    }
    return std::nullopt;
}

SettingCard schemeCard(const SchemeCardData& data)
{
    std::uint32_t on = schemeLeversOn(data.scheme, data.address);
    SettingCard card;
    card.device = data.fixture;
    card.label = data.label;
    card.date = data.date;
    card.mode = "DMX";
    card.address = data.address;
    card.origin = data.origin;
    card.channels = data.channels;
    // The options in lever order, as the levers show them.
    for (const NamedLever& named : data.scheme.named) {
        if (std::count(data.functionLeversOn.begin(), data.functionLeversOn.end(), named.lever)) {
            on |= std::uint32_t(1) << (named.lever - 1);
            card.options.push_back(named.name);
        }
    }
    card.banks.push_back(bankOf(data.scheme, on));
    return card;
}

} // namespace velantra::cards
