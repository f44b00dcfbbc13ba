#include "cards/settingcard.h"

#include "devices/leverscheme.h"
#include "i18n/translatable.h"

namespace velantra::cards
{

std::string leversOnText(const BankDrawing& bank)
{
    std::string numbers;
    for (std::size_t k = 0; k < bank.levers.size(); ++k) {
        if (!bank.levers[k].on)
            continue;
        if (!numbers.empty())
            numbers += ", ";
        numbers += std::to_string(k + 1);
    }
    return i18n::arg(i18n::translated("Cards", "Levers ON: %1"),
                     {numbers.empty() ? i18n::translated("Cards", "none") : numbers});
}

std::optional<std::string> blockLine(const SettingCard& card)
{
    if (card.master || !card.address || !card.channels)
        return std::nullopt;
    return i18n::arg(i18n::translated("Cards", "Channels: %1, block %2–%3"),
                     {std::to_string(*card.channels), std::to_string(*card.address),
                      std::to_string(*card.address + *card.channels - 1)});
}

std::optional<std::string> blockWarning(const SettingCard& card)
{
    if (!blockLine(card))
        return std::nullopt;
    const int end = *card.address + *card.channels - 1;
    if (end <= kLastDmxChannel)
        return std::nullopt;
    return i18n::arg(i18n::translated("Cards", "Warning: the block runs past %1, to %2"),
                     {std::to_string(kLastDmxChannel), std::to_string(end)});
}

std::string labelLine(const std::string& label)
{
    return label.empty() ? i18n::translated("Cards", "Label:")
                         : i18n::arg(i18n::translated("Cards", "Label: %1"), {label});
}

std::vector<std::string> cardLines(const SettingCard& card)
{
    std::vector<std::string> lines{card.device, labelLine(card.label)};
    if (!card.origin.empty())
        lines.push_back(card.origin);
    const std::string none = i18n::translated("Cards", "none");
    lines.push_back(i18n::arg(i18n::translated("Cards", "Date: %1"), {card.date}));
    lines.push_back(i18n::arg(i18n::translated("Cards", "Mode: %1"), {card.mode}));
    if (!card.master) {
        lines.push_back(i18n::arg(i18n::translated("Cards", "DMX address: %1"),
                                  {card.address ? std::to_string(*card.address) : none}));
    }
    for (const std::optional<std::string>& line : {blockLine(card), blockWarning(card)}) {
        if (line)
            lines.push_back(*line);
    }
    std::string options;
    for (const std::string& option : card.options)
        options += (options.empty() ? "" : ", ") + option;
    lines.push_back(
        i18n::arg(i18n::translated("Cards", "Options: %1"), {options.empty() ? none : options}));
    for (const BankDrawing& bank : card.banks)
        lines.push_back(bank.name + ", " + leversOnText(bank));
    return lines;
}

std::string cardText(const SettingCard& card)
{
    std::string text;
    for (const std::string& line : cardLines(card))
        text += line + '\n';
    return text;
}

} // namespace velantra::cards
