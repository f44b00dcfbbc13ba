#include "cards/reportreader.h"

#include "power/fixturepowertable.h"
#include "power/powerbudget.h"
#include "power/powerwindow.h"
#include "ui/qstr.h"

namespace velantra::cards
{
namespace
{

using power::Current;
using power::Output;
using power::Readout;

struct OutputReadouts {
    Output output;
    const char* name;
    std::optional<Readout> leds; // LEDs per colour, CC outputs only
    Readout watts;
};
constexpr OutputReadouts kOutputs[] = {
    {Output::CC1, "CC #1", Readout::LedCC1, Readout::PowerCC1},
    {Output::CC2, "CC #2", Readout::LedCC2, Readout::PowerCC2},
    {Output::CV1, "CV #1", std::nullopt, Readout::PowerCV1},
    {Output::CV2, "CV #2", std::nullopt, Readout::PowerCV2},
};

std::string currentText(Current current)
{
    switch (current) {
    case Current::mA350:
        return "350 mA";
    case Current::mA700:
        return "700 mA";
    case Current::mA1000:
        return "1000 mA";
    }
    return {};
}

// The fixtures an output's column counts, by the fixture table, as the budget counted them.
OutputReport readOutput(const power::PowerWindow& window, const OutputReadouts& readouts)
{
    const power::PowerBudget& budget = window.budget();
    const bool cc = readouts.output == Output::CC1 || readouts.output == Output::CC2;
    const int k = readouts.output == Output::CC1 || readouts.output == Output::CV1 ? 1 : 2;
    OutputReport output;
    output.name = readouts.name;
    for (int row = 1; row <= power::kRows; ++row) {
        const int count = cc ? budget.CountCC(row, k) : budget.CountCV(row, k);
        const power::FixtureRow& fixtures = budget.variant().table.row(row);
        if (count != 0) {
            const std::string_view model = cc ? fixtures.cc.model : fixtures.cv.model;
            output.fixtures.push_back(
                {qstr(model).simplified().toStdString(), count,
                 window.entryText(readouts.output, row).trimmed().toStdString()});
        }
    }
    if (cc) {
        if (const std::optional<Current> current = window.chosenCurrent(readouts.output))
            output.current = currentText(*current);
    }
    if (readouts.leds)
        output.ledsPerColour = window.readoutText(*readouts.leds).toStdString();
    output.watts = window.readoutText(readouts.watts).toStdString();
    return output;
}

} // namespace

bool isPowerWindow(const QWidget* window)
{
    return qobject_cast<const power::PowerWindow*>(window) != nullptr;
}

PowerReport readReport(const QWidget* window, QDate date)
{
    const auto* powerWindow = qobject_cast<const power::PowerWindow*>(window);
    Q_ASSERT(powerWindow);
    PowerReport report;
    report.device = window->windowTitle().toStdString();
    report.date = date.toString(Qt::ISODate).toStdString();
    report.mode = powerWindow->modeCaption().toStdString();
    report.totalCaption = powerWindow->totalCaption().toStdString();
    for (const OutputReadouts& readouts : kOutputs) {
        if (powerWindow->showsOutput(readouts.output))
            report.outputs.push_back(readOutput(*powerWindow, readouts));
    }
    report.totalWatts = powerWindow->readoutText(Readout::Total).toStdString();
    report.exceeded = exceededLimits(powerWindow->budget());
    return report;
}

} // namespace velantra::cards
