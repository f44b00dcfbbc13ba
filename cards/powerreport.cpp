#include "cards/powerreport.h"

namespace velantra::cards
{

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
