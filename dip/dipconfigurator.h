#pragma once

#include "dip/dipbank.h"
#include "dip/dipengine.h"
#include "dip/windows.h"
#include "ui/layoutbuilder.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace velantra::dip
{

// A DIP-switch configurator window: its layout table built into widgets, and a view of the
// device's DipEngine. The user's changes go to the engine; what its procedures change comes
// back through DipPanel and is shown at once, the levers when the outermost procedure ends.
class DipConfigurator : public QWidget, private DipPanel
{
    Q_OBJECT
public:
    explicit DipConfigurator(Device device, QWidget* parent = nullptr);

    const DipBank& bank(Bank which) const { return which == Bank::Twelve ? twelve_ : four_; }

    // Sets the setting as a user does, through the controls' procedures (DipEngine::apply).
    void apply(const DeviceSetting& setting) { engine_.apply(setting); }
    // The engine behind the window: the setting and the levers it shows.
    const DipEngine& state() const { return engine_; }
    // "DMX (slave)" (Option1) or "Master" (Option2).
    const QRadioButton* modeButton(bool master) const { return master ? option2_ : option1_; }

private:
    void connectProcedures();
    QWidget* control(std::string_view name) const;

    // DipPanel
    void showText1(std::u16string_view text) override;
    void showError(bool shown) override;
    void showChecked(std::string_view control, bool checked) override;
    void showEnabled(std::string_view control, bool enabled) override;
    void runTimer1(bool running) override;
    void showLevers(const Levers& levers) override;

    DipEngine engine_;
    ui::Controls controls_;
    DipBank twelve_;
    DipBank four_;
    QLineEdit* text1_ = nullptr;
    bool changingText1_ = false; // inside Text1's own change, handed to the engine
    QLabel* label7_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace velantra::dip
