#include "plan/leverstext.h"

#include "devices/devices.h"
#include "dip/leverreading.h"
#include "i18n/translatable.h"
#include "plan/words.h"

#include <cctype>

namespace velantra::plan
{
namespace
{

std::string leverList(std::uint32_t on)
{
    std::string text;
    for (int lever = 1; lever <= 32; ++lever) {
        if (!(on & (std::uint32_t(1) << (lever - 1))))
            continue;
        if (!text.empty())
            text += ", ";
        text += std::to_string(lever);
    }
    return text.empty() ? std::string("none") : text;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string rowLeversOn(const RigPlan& plan, const PlanRow& row)
{
    if (const FixtureType* type = typeOf(plan, row)) {
        if (!type->levers || row.setting.address < kFirstStart ||
            row.setting.address > highestSchemeAddress(*type->levers))
            return {};
        return leverList(schemeLeversOn(*type->levers, row.setting.address));
    }
    if (settingProblem(row.setting))
        return {};
    const dip::Levers levers = dip::leversFor(row.setting);
    // Two banks are named, left to right as on the device and its card.
    if (levers.hasFour)
        return "4-lever bank: " + leverList(levers.four) +
               "; 12-lever bank: " + leverList(levers.twelve);
    return leverList(levers.twelve);
}

std::string schemeText(const LeverScheme& scheme)
{
    std::string text = std::to_string(scheme.levers) + " levers; lowest " +
                       std::to_string(scheme.lowestLever) + "; ON " +
                       (scheme.onUp ? "up" : "down") + "; " +
                       (scheme.addressMinusOne ? "address - 1" : "address");
    for (const NamedLever& named : scheme.named)
        text += "; " + std::to_string(named.lever) + ": " + named.name;
    return text;
}

std::optional<LeverScheme> readSchemeText(std::string_view text, std::string* problem)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t semicolon = std::min(text.find(';', at), text.size());
        parts.push_back(trimmed(text.substr(at, semicolon - at)));
        at = semicolon + 1;
    }
    const auto fail = [&](std::string why) {
        *problem = i18n::arg(i18n::translated("Plans", "the lever scheme “%1”: %2"),
                             {std::string(text), why});
        return std::nullopt;
    };
    if (parts.size() < 4)
        return fail(
            i18n::translated("Plans", "it reads like “10 levers; lowest 1; ON up; address”"));
    LeverScheme scheme;
    const std::string_view count = parts[0], lowest = parts[1], on = parts[2], holds = parts[3];
    const std::optional<int> levers =
        count.ends_with(" levers") ? wholeNumber(count.substr(0, count.size() - 7)) : std::nullopt;
    const std::optional<int> lowestLever =
        lowest.starts_with("lowest ") ? wholeNumber(lowest.substr(7)) : std::nullopt;
    if (!levers)
        return fail(i18n::arg(i18n::translated("Plans", "“%1” is no count of levers"),
                              {std::string(count)}));
    if (!lowestLever)
        return fail(i18n::arg(i18n::translated("Plans", "“%1” names no lowest lever"),
                              {std::string(lowest)}));
    if (!equalNoCase(on, "ON up") && !equalNoCase(on, "ON down"))
        return fail(i18n::arg(i18n::translated("Plans", "“%1” is not ON up or ON down"),
                              {std::string(on)}));
    if (!equalNoCase(holds, "address") && !equalNoCase(holds, "address - 1"))
        return fail(i18n::arg(i18n::translated("Plans", "“%1” is not address or address - 1"),
                              {std::string(holds)}));
    scheme.levers = *levers;
    scheme.lowestLever = *lowestLever;
    scheme.onUp = equalNoCase(on, "ON up");
    scheme.addressMinusOne = equalNoCase(holds, "address - 1");
    for (std::size_t i = 4; i < parts.size(); ++i) {
        const std::size_t colon = parts[i].find(':');
        const std::optional<int> lever =
            colon == std::string_view::npos ? std::nullopt : wholeNumber(parts[i].substr(0, colon));
        if (!lever)
            return fail(i18n::arg(i18n::translated("Plans", "“%1” is no “lever: name”"),
                                  {std::string(parts[i])}));
        scheme.named.push_back({*lever, std::string(trimmed(parts[i].substr(colon + 1)))});
    }
    if (const std::optional<std::string> why = leverSchemeProblem(scheme))
        return fail(*why);
    return scheme;
}

} // namespace velantra::plan
