#pragma once

// One power budget as the web page shows it: the page's boxes, figures and choices held as
// plain state, with the desktop's budget engine running every procedure. The page's script only
// hands over what the user did and reads back what to show; every rule is in the engine.

#include "cards/powerreport.h"
#include "power/powerbudget.h"

#include <array>
#include <string>
#include <vector>

namespace velantra::web
{

class PowerPage final : public power::PowerPanel
{
public:
    // `orvo36`: the 36 W controller, otherwise the 75 W one. `decimalSeparator` is the user's.
    PowerPage(bool orvo36, char16_t decimalSeparator);

    // What the user does. Each runs the desktop's procedure for it at once.
    void typeInto(int column, int row, const std::string& text); // column 0–3, row 1–14
    void chooseAverage(bool average);
    void chooseCurrent(int cc, int current); // cc 0–1; current 0: 350, 1: 700, 2: 1000 mA
    void reset();
    void tick(); // every 500 ms

    // What the page shows.
    std::string text(int column, int row) const;
    bool usable(int column, int row) const;
    std::string readout(int which) const; // power::Readout order
    bool limitExceeded(int which) const;  // the LED or total figure beyond its limit
    std::string totalCaption() const { return totalCaption_; }
    bool average() const { return average_; }
    int current(int cc) const { return int(current_[std::size_t(cc)]); }
    // The warnings shown since the last call, oldest first.
    std::vector<std::string> takeWarnings();

    // The budget report as text: `shownOutputs` and `shownCurrents` are bit masks of the outputs
    // (CC #1 = bit 0 … CV #2 = bit 3) and current choices the page shows.
    std::string reportText(const std::string& device, const std::string& mode,
                           const std::string& date, int shownOutputs, int shownCurrents) const;

    const power::PowerBudget& budget() const { return budget_; }

    // PowerPanel
    std::u16string boxText(power::Output column, int row) const override;
    void clearBox(power::Output column, int row) override;
    void setBoxEnabled(power::Output column, int row, bool enabled) override;
    void setBoxLook(power::Output column, int row, power::BoxLook look) override;
    void setReadoutText(power::Readout box, std::u16string_view text) override;
    void setReadoutRed(power::Readout box, bool red) override;
    bool readoutIsWhite(power::Readout box) const override;
    void setTotalCaption(std::string_view caption) override;
    void warn(std::string_view message) override;
    void selectAverageMode() override;
    void selectCurrent(power::Output cc, power::Current current) override;
    bool isCurrentSelected(power::Output cc, power::Current current) const override;

private:
    struct Box {
        std::u16string text;
        bool enabled = true;
        bool blocked = false;
    };
    Box& box(power::Output column, int row);
    const Box& box(power::Output column, int row) const;

    std::array<std::array<Box, power::kRows>, 4> boxes_{};
    std::array<std::u16string, 7> readouts_{};
    std::array<bool, 7> red_{};
    std::string totalCaption_;
    bool average_ = false;
    std::array<power::Current, 2> current_{};
    std::vector<std::string> warnings_;
    power::PowerBudget budget_;
};

// UTF-8 ⇄ UTF-16 for the page's texts.
std::u16string toUtf16(const std::string& text);
std::string toUtf8(std::u16string_view text);

} // namespace velantra::web
