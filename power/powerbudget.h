#pragma once

// The power budget of one controller: fixture counts per output, LEDs per colour on each CC
// output, the power of each output and the total, nominal or average, and the latches that
// record an exceeded limit that has been reported.
//
// Every procedure reads the grid anew from its window (PowerPanel) and publishes its figures
// only after reading all fourteen rows, so that a computation that runs nested inside another
// (a box that reads as zero is emptied, which runs its column's computation at once) publishes
// the same figures as the one it interrupted. A warning is shown once per excursion over a
// limit: the computation that first finds the excess shows it and then sets the latch.

#include "power/fixturepowertable.h"
#include "power/powerpanel.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velantra::power
{

// One input box as read: the number at its start, and the fixture count it stands for.
struct BoxReading {
    double value = 0;
    std::int16_t count = 0;
    // The box reads as 0, or its count lies beyond −32768 … 32767: it is emptied and counts 0.
    bool refused = false;
};
BoxReading ReadBox(std::u16string_view text);

// Two thirds of a nominal power, cut down to one decimal: ⌊p ÷ 3 × 2 × 10⌋ ÷ 10.
double AveragePower(double nominal);

class PowerBudget
{
public:
    PowerBudget(const PowerVariant& variant, PowerPanel& panel, char16_t decimalSeparator);
    PowerBudget(const PowerBudget&) = delete;
    PowerBudget& operator=(const PowerBudget&) = delete;

    // The load sequence: average mode, four computations over the empty grid, 350 mA on both
    // CC outputs.
    void Load();
    // Reads all fourteen boxes of the output's column and publishes its figures and the total.
    void OutputComputation(Output output);
    // Nominal (false) or average (true) power, recomputed from the counts.
    void SwitchMode(bool average);
    // Empties every box of the grid that holds text.
    void Reset();
    // Every 500 ms: blinks the boxes whose limit is exceeded and lets the chosen currents
    // decide which CC rows may hold counts. It does nothing while another procedure of the
    // budget is running, a warning that waits for the user included.
    void PeriodicPass();

    const PowerVariant& variant() const { return variant_; }
    bool running() const { return depth_ > 0; }
    bool AverageMode() const { return averageMode_; }
    std::int16_t CountCC(int row, int k) const { return countCC_[row - 1][k - 1]; }
    std::int16_t CountCV(int row, int k) const { return countCV_[row - 1][k - 1]; }
    // Wider than a count, so that no accepted entry overflows.
    std::int32_t TotLedCC(int k) const { return totLedCC_[k - 1]; }
    double Power(Output output) const { return power_[std::size_t(output)]; }
    double TotalPower() const { return totalPower_; }
    bool WarnCC(int k) const { return warnCC_[k - 1]; }
    bool WarnTotal() const { return warnTotal_; }

private:
    void UpdateTotalPower();
    void blink(Readout box);
    void applyCurrentRule(Output cc, Current current);
    void makeUsable(Output cc, int row);
    void block(Output cc, int row);

    const PowerVariant& variant_;
    PowerPanel& panel_;
    char16_t decimalSeparator_;
    int depth_ = 0; // procedures of this budget now running, nested ones included

    std::array<std::array<std::int16_t, 2>, kRows> countCC_{};
    std::array<std::array<std::int16_t, 2>, kRows> countCV_{};
    std::array<std::int32_t, 2> totLedCC_{};
    std::array<double, 4> power_{}; // by Output
    double totalPower_ = 0;
    bool averageMode_ = false;
    std::array<bool, 2> warnCC_{};
    bool warnTotal_ = false;
};

} // namespace velantra::power
