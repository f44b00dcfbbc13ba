#include "cards/settingcard.h"

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
    return "Levers ON: " + (numbers.empty() ? std::string("none") : numbers);
}

namespace
{
constexpr int kLastChannel = 512;
}

std::optional<std::string> blockLine(const SettingCard& card)
{
    if (card.master || !card.address || !card.channels)
        return std::nullopt;
    return "Channels: " + std::to_string(*card.channels) + ", block " +
           std::to_string(*card.address) + "\u2013" +
           std::to_string(*card.address + *card.channels - 1);
}

std::optional<std::string> blockWarning(const SettingCard& card)
{
    if (!blockLine(card))
        return std::nullopt;
    const int end = *card.address + *card.channels - 1;
    if (end <= kLastChannel)
        return std::nullopt;
    return "Warning: the block runs past " + std::to_string(kLastChannel) + ", to " +
           std::to_string(end);
}

std::string labelLine(const std::string& label)
{
    return label.empty() ? std::string("Label:") : "Label: " + label;
}

std::vector<std::string> cardLines(const SettingCard& card)
{
    std::vector<std::string> lines{card.device, labelLine(card.label)};
    if (!card.origin.empty())
        lines.push_back(card.origin);
    lines.push_back("Date: " + card.date);
    lines.push_back("Mode: " + card.mode);
    if (!card.master) {
        lines.push_back("DMX address: " +
                        (card.address ? std::to_string(*card.address) : std::string("none")));
    }
    for (const std::optional<std::string>& line : {blockLine(card), blockWarning(card)}) {
        if (line)
            lines.push_back(*line);
    }
    std::string options;
    for (const std::string& option : card.options)
        options += (options.empty() ? "" : ", ") + option;
    lines.push_back("Options: " + (options.empty() ? std::string("none") : options));
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
