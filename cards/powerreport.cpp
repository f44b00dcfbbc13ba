#include "cards/powerreport.h"

#include "i18n/translatable.h"

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
            sentences.push_back(i18n::arg(
                i18n::translated("Cards",
                                 "CC #%1 drives %2 LEDs per colour, more than the %3 one output "
                                 "allows."),
                {std::to_string(k), std::to_string(budget.TotLedCC(k)),
                 std::to_string(variant.ledLimit)}));
        }
    }
    if (budget.WarnTotal()) {
        sentences.push_back(i18n::arg(
            i18n::translated("Cards",
                             "The total power, %1 W, is more than the %2 W the controller gives."),
            {figure(budget.TotalPower()), figure(variant.powerLimit)}));
    }
    return sentences;
}

std::vector<std::string> reportLines(const PowerReport& report)
{
    std::vector<std::string> lines{
        report.device, i18n::arg(i18n::translated("Cards", "Label: %1"), {report.label}),
        i18n::arg(i18n::translated("Cards", "Date: %1"), {report.date}),
        i18n::arg(i18n::translated("Cards", "Mode: %1"), {report.mode})};
    for (const OutputReport& output : report.outputs) {
        lines.push_back(output.name + (output.current ? ", " + *output.current : std::string()));
        for (const FixtureCount& row : output.fixtures) {
            const std::string count = std::to_string(row.count);
            // The box as it shows, and the count the figures use where that is another.
            lines.push_back(
                row.shown.empty() || row.shown == count
                    ? "  " + count + " x " + row.fixture
                    : "  " + row.shown + " x " + row.fixture +
                          i18n::arg(i18n::translated("Cards", " — counted as %1"), {count}));
        }
        if (output.fixtures.empty())
            lines.push_back("  " + i18n::translated("Cards", "no fixtures"));
        if (output.ledsPerColour)
            lines.push_back("  " + i18n::arg(i18n::translated("Cards", "LEDs per colour: %1"),
                                             {*output.ledsPerColour}));
        lines.push_back("  " + i18n::arg(i18n::translated("Cards", "Power: %1 W"), {output.watts}));
    }
    lines.push_back(report.totalCaption + ": " + report.totalWatts + " W");
    if (report.exceeded.empty())
        lines.push_back(i18n::translated("Cards", "Limits exceeded: none"));
    for (const std::string& sentence : report.exceeded)
        lines.push_back(i18n::arg(i18n::translated("Cards", "Limit exceeded: %1"), {sentence}));
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
