#pragma once

#include "power/gridrows.h"
#include "power/powerbudget.h"
#include "ui/layoutbuilder.h"

#include <QWidget>
#include <array>
#include <optional>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace velantra::power
{

// A power configurator window: the grid of fixture counts of one controller, its figures and
// warnings. The two controllers differ in their variant data and layout table only.
//
// Every procedure runs through the window's PowerBudget; a change that a procedure makes to a
// box runs that box's change procedure at once, nested, as the user's change would. The
// periodic pass waits while any of the window's procedures is running, a warning included.
// The controls that the window's procedures use, by name, beside the grid's input boxes.
constexpr std::string_view kReadoutNames[] = {"Text57", "Text58", "Text59", "Text60",
                                              "Text62", "Text61", "Text63"}; // by Readout
constexpr std::string_view kCurrentNames[2][3] = {{"CC1_350", "CC1_700", "CC1_1000"},
                                                  {"CC2_350", "CC2_700", "CC2_1000"}};

// A power window's layout, proven at compile time to hold every control the window uses, with
// the kind its use needs; the conversion runs where the layout is handed over.
class CheckedLayout
{
public:
    template <std::size_t N>
    consteval CheckedLayout(const std::array<ui::Control, N>& layout) : layout_(layout)
    {
        using ui::Kind;
        ui::requireFramesFirst(layout_);
        for (const auto& column : kBoxNames) {
            for (std::size_t row = 1; row <= kRows; ++row)
                ui::requireControl(layout_, column[row], {Kind::TextBox});
        }
        for (std::string_view name : kReadoutNames)
            ui::requireControl(layout_, name, {Kind::TextBox});
        for (const auto& cc : kCurrentNames) {
            for (std::string_view name : cc)
                ui::requireControl(layout_, name, {Kind::Option});
        }
        ui::requireControl(layout_, "Label39", {Kind::Label});
        ui::requireControl(layout_, "Option1", {Kind::Option});
        ui::requireControl(layout_, "Option2", {Kind::Option});
        ui::requireControl(layout_, "Command1", {Kind::Button});
        ui::requireControl(layout_, "Timer1", {Kind::Timer});
    }
    std::span<const ui::Control> operator*() const { return layout_; }

private:
    std::span<const ui::Control> layout_;
};

class PowerWindow : public QWidget, private PowerPanel
{
    Q_OBJECT
public:
    // `grid` names the fixtures of each row, as the layout's model labels show them.
    PowerWindow(const ui::WindowSpec& window, CheckedLayout layout, const Grid& grid,
                const PowerVariant& variant, QWidget* parent = nullptr);

    const PowerBudget& budget() const { return budget_; }

    // What the window shows, as its report reads it.
    QString entryText(Output column, int row) const; // input box `row` (1 … 14)
    QString readoutText(Readout which) const;
    QString modeCaption() const;  // of the chosen mode button
    QString totalCaption() const; // Label39
    // The chosen current of a CC output; none where the window shows no choice.
    std::optional<Current> chosenCurrent(Output cc) const;
    // Whether the output's column of boxes lies inside the window.
    bool showsOutput(Output column) const;

    // What the report command does as the user would: types into input box `row` (1 … 14) of
    // an output, whose change procedure runs at once (false, typing nothing, where the window
    // shows no such box), and chooses nominal or average power.
    bool typeEntry(Output column, int row, const QString& text);
    void choosePower(bool average);

    void Form_Load();
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Text3_Change(int index);
    void Text4_Change(int index);
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Timer1_Timer();

private:
    void keepKeyboardOutOfSight();
    void raiseTallCaptions();
    void findControls();
    void nameBoxes(const Grid& grid);
    void addOutputShortcuts();
    void connectProcedures();
    QLineEdit* box(Output column, int row) const;
    QLineEdit* readout(Readout which) const { return readouts_[std::size_t(which)]; }
    void describeLimit(Readout which);
    QRadioButton* currentButton(Output cc, Current current) const;

    // PowerPanel
    std::u16string boxText(Output column, int row) const override;
    void clearBox(Output column, int row) override;
    void setBoxEnabled(Output column, int row, bool enabled) override;
    void setBoxLook(Output column, int row, BoxLook look) override;
    void setReadoutText(Readout which, std::u16string_view text) override;
    void setReadoutRed(Readout which, bool red) override;
    bool readoutIsWhite(Readout which) const override;
    void setTotalCaption(std::string_view caption) override;
    void warn(std::string_view message) override;
    void selectAverageMode() override;
    void selectCurrent(Output cc, Current current) override;
    bool isCurrentSelected(Output cc, Current current) const override;

    ui::Controls controls_;
    // Input boxes by column and index; Text1(0), where the window has it, belongs to no output.
    std::array<std::array<QLineEdit*, kRows + 1>, 4> boxes_{};
    std::array<QLineEdit*, 7> readouts_{};
    std::array<std::array<QRadioButton*, 3>, 2> currents_{};
    QLabel* label39_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;
    PowerBudget budget_;
};

} // namespace velantra::power
