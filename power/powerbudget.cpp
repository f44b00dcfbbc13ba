#include "power/powerbudget.h"

#include "dip/readleadingnumber.h"
#include "i18n/translatable.h"
#include "power/numbertext.h"

#include <cmath>

namespace velantra::power
{
namespace
{

constexpr std::string_view kTotalNominal = VT_TEXT("Layout", "Total nominal power");
constexpr std::string_view kTotalAverage = VT_TEXT("Layout", "Total average power");
constexpr double kSmallestCount = -32768;
constexpr double kLargestCount = 32767;

// To the nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4).
double roundHalfEven(double v)
{
    const double nearest = std::round(v); // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return 2 * std::round(v / 2);
    return nearest;
}

bool isCC(Output output)
{
    return output == Output::CC1 || output == Output::CC2;
}

// 0 for CC #1 and CV #1, 1 for CC #2 and CV #2.
std::size_t side(Output output)
{
    return output == Output::CC2 || output == Output::CV2 ? 1 : 0;
}

Readout ledReadout(Output cc)
{
    return cc == Output::CC1 ? Readout::LedCC1 : Readout::LedCC2;
}

Readout powerReadout(Output output)
{
    switch (output) {
    case Output::CC1:
        return Readout::PowerCC1;
    case Output::CC2:
        return Readout::PowerCC2;
    case Output::CV1:
        return Readout::PowerCV1;
    case Output::CV2:
        break;
    }
    return Readout::PowerCV2;
}

// Counts the procedures that are running, so that a tick can tell it would interrupt one.
class Running
{
public:
    explicit Running(int& depth) : depth_(depth) { ++depth_; }
    ~Running() { --depth_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    int& depth_;
};

constexpr Output kOutputs[] = {Output::CC1, Output::CC2, Output::CV1, Output::CV2};

} // namespace

BoxReading ReadBox(std::u16string_view text)
{
    BoxReading reading;
    reading.value = ReadLeadingNumber(text);
    const double count = roundHalfEven(reading.value);
    // NaN fails both comparisons and is refused with the out-of-range counts.
    reading.refused = reading.value == 0 || !(count >= kSmallestCount && count <= kLargestCount);
    if (!reading.refused)
        reading.count = std::int16_t(count);
    return reading;
}

double AveragePower(double nominal)
{
    return std::floor(nominal / 3 * 2 * 10) / 10;
}

PowerBudget::PowerBudget(const PowerVariant& variant, PowerPanel& panel, char16_t decimalSeparator)
    : variant_(variant), panel_(panel), decimalSeparator_(decimalSeparator)
{
}

void PowerBudget::Load()
{
    const Running running(depth_);
    averageMode_ = true;
    panel_.selectAverageMode(); // runs the mode switch: four computations over the empty grid
    panel_.setTotalCaption(kTotalAverage);
    panel_.selectCurrent(Output::CC1, Current::mA350);
    panel_.selectCurrent(Output::CC2, Current::mA350);
}

void PowerBudget::OutputComputation(Output output)
{
    const Running running(depth_);
    const FixturePowerTable& table = variant_.table;
    const bool cc = isCC(output);
    const std::size_t k = side(output);

    std::int32_t led = 0;
    double power = 0.0;
    for (int row = 1; row <= kRows; ++row) {
        const BoxReading reading = ReadBox(panel_.boxText(output, row));
        (cc ? countCC_ : countCV_)[std::size_t(row - 1)][k] = reading.count;
        if (reading.refused)
            panel_.clearBox(output, row); // may run this computation once more, nested
        if (cc) {
            led += std::int32_t(reading.count) * table.LedsPerColour(row);
            power += reading.count * table.WattsCC(row);
        } else {
            power += reading.count * table.WattsCV(row);
        }
    }

    if (cc) {
        const Readout ledBox = ledReadout(output);
        totLedCC_[k] = led;
        panel_.setReadoutText(ledBox, LedText(led));
        const bool over = led > variant_.ledLimit;
        if (over && !warnCC_[k])
            panel_.warn(k == 0 ? variant_.ledMessageCC1 : variant_.ledMessageCC2);
        warnCC_[k] = over;
        panel_.setReadoutRed(ledBox, over);
    }
    if (averageMode_)
        power = AveragePower(power);
    power_[std::size_t(output)] = power;
    panel_.setReadoutText(powerReadout(output), PowerText(power, decimalSeparator_));
    UpdateTotalPower();
}

void PowerBudget::UpdateTotalPower()
{
    const Running running(depth_);
    totalPower_ = Power(Output::CC2) + Power(Output::CC1) + Power(Output::CV1) + Power(Output::CV2);
    panel_.setReadoutText(Readout::Total, PowerText(totalPower_, decimalSeparator_));
    const bool over = totalPower_ > variant_.powerLimit;
    if (over && !warnTotal_)
        panel_.warn(variant_.totalMessage);
    warnTotal_ = over;
    panel_.setReadoutRed(Readout::Total, over);
}

void PowerBudget::SwitchMode(bool average)
{
    const Running running(depth_);
    averageMode_ = average;
    panel_.setTotalCaption(average ? kTotalAverage : kTotalNominal);
    for (Output output : kOutputs)
        OutputComputation(output);
}

void PowerBudget::Reset()
{
    const Running running(depth_);
    for (int row = 1; row <= kRows; ++row) {
        for (Output column : kOutputs) {
            if (!panel_.boxText(column, row).empty())
                panel_.clearBox(column, row);
        }
    }
}

void PowerBudget::PeriodicPass()
{
    if (running())
        return; // the next tick after the running procedure has ended does the work
    const Running running(depth_);
    if (warnCC_[0])
        blink(Readout::LedCC1);
    if (warnCC_[1])
        blink(Readout::LedCC2);
    if (warnTotal_)
        blink(Readout::Total);
    for (Current current : {Current::mA350, Current::mA700, Current::mA1000}) {
        for (Output cc : {Output::CC1, Output::CC2}) {
            if (cc == Output::CC2 && !variant_.currentRulesCC2)
                continue;
            if (panel_.isCurrentSelected(cc, current))
                applyCurrentRule(cc, current);
        }
    }
}

void PowerBudget::blink(Readout box)
{
    panel_.setReadoutRed(box, panel_.readoutIsWhite(box));
}

// 350 mA drives rows 1–13; 700 mA only row 14, the 700 mA fixture; 1000 mA none of them.
void PowerBudget::applyCurrentRule(Output cc, Current current)
{
    for (int row = 1; row < kRows; ++row) {
        if (current == Current::mA350)
            makeUsable(cc, row);
        else
            block(cc, row);
    }
    if (current == Current::mA700)
        makeUsable(cc, kRows);
    else
        block(cc, kRows);
}

void PowerBudget::makeUsable(Output cc, int row)
{
    panel_.setBoxEnabled(cc, row, true);
    panel_.setBoxLook(cc, row, BoxLook::Usable);
}

void PowerBudget::block(Output cc, int row)
{
    panel_.clearBox(cc, row);
    panel_.setBoxEnabled(cc, row, false);
    panel_.setBoxLook(cc, row, BoxLook::Blocked);
}

} // namespace velantra::power
