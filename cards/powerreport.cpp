#include "cards/powerreport.h"

#include <cstdio>

namespace velantra::cards
{
namespace
{

// Six significant digits, as the desktop's number texts of the messages always were ("75.5").
std::string figure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::vector<std::string> exceededLimits(const power::PowerBudget& budget)
{
    std::vector<std::string> sentences;
    const power::PowerVariant& variant = budget.variant();
    for (int k = 1; k <= 2; ++k) {
        if (budget.WarnCC(k)) {
            sentences.push_back("CC #" + std::to_string(k) + " drives " +
                                std::to_string(budget.TotLedCC(k)) +
                                " LEDs per colour, more than the " +
                                std::to_string(variant.ledLimit) + " one output allows.");
        }
    }
    if (budget.WarnTotal()) {
        sentences.push_back("The total power, " + figure(budget.TotalPower()) +
                            " W, is more than the " + figure(variant.powerLimit) +
                            " W the controller gives.");
    }
    return sentences;
}

std::vector<std::string> reportLines(const PowerReport& report)
{
    std::vector<std::string> lines{report.device, "Label: " + report.label, "Date: " + report.date,
                                   "Mode: " + report.mode};
    for (const OutputReport& output : report.outputs) {
        lines.push_back(output.name + (output.current ? ", " + *output.current : std::string()));
        for (const FixtureCount& row : output.fixtures) {
            const std::string count = std::to_string(row.count);
            // The box as it shows, and the count the figures use where that is another.
            lines.push_back(row.shown.empty() || row.shown == count
                                ? "  " + count + " x " + row.fixture
                                : "  " + row.shown + " x " + row.fixture + " \u2014 counted as " +
                                      count);
        }
        if (output.fixtures.empty())
            lines.emplace_back("  no fixtures");
        if (output.ledsPerColour)
            lines.push_back("  LEDs per colour: " + *output.ledsPerColour);
        lines.push_back("  Power: " + output.watts + " W");
    }
    lines.push_back(report.totalCaption + ": " + report.totalWatts + " W");
    if (report.exceeded.empty())
        lines.emplace_back("Limits exceeded: none");
    for (const std::string& sentence : report.exceeded)
        lines.push_back("Limit exceeded: " + sentence);
    return lines;
}

std::string reportText(const PowerReport& report)
{
    std::string text;
    for (const std::string& line : reportLines(report))
        text += line + '\n';
    return text;
}

} // namespace velantra::cards
