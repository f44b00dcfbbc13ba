#pragma once

#include "dip/dipbank.h"
#include "dip/modeprofile.h"
#include "ui/layoutbuilder.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace velantra::dip
{

// A DIP-switch configurator window: built from its layout table, driven by one shared engine
// from its address map, mode profile and own click procedures.
//
// Procedures follow the event rule of the controls: a change made by a procedure (a different
// text, a check box cleared, an option selected) runs that control's procedure at once, nested,
// exactly as the user's change would; the same value, a deselection or building runs nothing.
class DipConfigurator : public QWidget
{
    Q_OBJECT
public:
    explicit DipConfigurator(CheckedSpec spec, QWidget* parent = nullptr);

    const DipBank& bank(Bank which) const { return which == Bank::Twelve ? twelve_ : four_; }
    const ui::Controls& controls() const { return controls_; }

    // Disables the master-mode controls, runs the load steps, then draws the address of Text1
    // so that a freshly opened window never shows levers that contradict its box.
    void Form_Load();
    void Text1_Change();
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

private:
    void connectProcedures();
    void run(std::span<const Step> steps);
    void run(const Step& step);
    void enableControls(std::span<const std::string_view> names, bool enabled);
    QWidget* control(std::string_view name) const;
    QRadioButton* option(std::string_view name) const;
    DipBank& bankOf(Bank which) { return which == Bank::Twelve ? twelve_ : four_; }

    const ConfiguratorSpec& spec_;
    ui::Controls controls_;
    DipBank twelve_;
    DipBank four_;
    QLineEdit* text1_ = nullptr;
    QLabel* label7_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace velantra::dip
