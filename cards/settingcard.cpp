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

std::string labelLine(const std::string& label)
{
    return label.empty() ? std::string("Label:") : "Label: " + label;
}

std::vector<std::string> cardLines(const SettingCard& card)
{
    std::vector<std::string> lines{card.device, labelLine(card.label), "Date: " + card.date,
                                   "Mode: " + card.mode};
    if (!card.master) {
        lines.push_back("DMX address: " +
                        (card.address ? std::to_string(*card.address) : std::string("none")));
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
