#pragma once

// A budget report: what one power window shows, as plain data read from the window (see
// reportreader.h), written out as text or drawn on a page like a setting card.

#include "power/powerbudget.h"

#include <optional>
#include <string>
#include <vector>

namespace velantra::cards
{

struct FixtureCount {
    std::string fixture; // the model label of the row
    int count = 0;       // the count the figures use
    std::string shown;   // the box's text ("2.5"), which may differ from the count
    friend bool operator==(const FixtureCount&, const FixtureCount&) = default;
};

struct OutputReport {
    std::string name;                         // "CC #1"
    std::optional<std::string> current;       // "350 mA", for a CC output with a choice
    std::vector<FixtureCount> fixtures;       // the rows with a count other than 0
    std::optional<std::string> ledsPerColour; // CC outputs, as the window shows it
    std::string watts;                        // as the window shows it
    friend bool operator==(const OutputReport&, const OutputReport&) = default;
};

struct PowerReport {
    std::string device; // the power window's caption
    std::string label;  // the installer's, asked for as a card's (two controllers of one job)
    std::string date;   // YYYY-MM-DD
    std::string mode;   // "Nominal power" or "Average power", as the mode buttons say
    std::vector<OutputReport> outputs;
    std::string totalCaption; // "Total nominal power", as the window names its total
    std::string totalWatts;
    std::vector<std::string> exceeded; // one sentence per limit exceeded
    friend bool operator==(const PowerReport&, const PowerReport&) = default;
};

// One sentence per limit the budget now exceeds ("CC #1 drives 7 LEDs per colour, more than the
// 6 one output allows.").
std::vector<std::string> exceededLimits(const power::PowerBudget& budget);

// The report as text lines: device, label, date, mode, each output with its fixtures, LEDs and
// power, the total, then the limits exceeded (or "Limits exceeded: none").
std::vector<std::string> reportLines(const PowerReport& report);

// The lines joined, each ended by a line feed.
std::string reportText(const PowerReport& report);

} // namespace velantra::cards
