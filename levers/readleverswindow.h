#pragma once

// Tools › Read levers: pick one of our devices or a fixture type of the open rig plan, set the
// levers as they are found on the device, and read the DMX address, the mode and the options
// they mean, and what is wrong with the combination. The reading is the engine's
// (dip/leverreading.h) or the lever scheme's (devices/leverscheme.h); the window only shows it.

#include "devices/leverscheme.h"

#include <QWidget>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QListWidget;

namespace velantra::levers
{

class LeverToggle;

// A fixture type of another maker as the window offers it: its name and how its levers work.
struct FixtureTypeLevers {
    std::string name;
    LeverScheme scheme;
};

class ReadLeversWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ReadLeversWindow(QWidget* parent = nullptr);

    // The fixture types of the open rig plan, offered after our devices. Where the type chosen
    // is no longer among them, the first device is chosen.
    void setFixtureTypes(std::vector<FixtureTypeLevers> types);

    // What the window shows: "DMX address 300, 6 Ch, Res. 120 ohm", and each problem.
    QString reading() const { return reading_; }
    QStringList problems() const { return problems_; }

private:
    struct BankView {
        bool fourLever = false; // our devices' 4-lever bank
        std::vector<LeverToggle*> levers;
    };

    void fillChoices();
    void choose(int index);
    void addBank(const QString& title, int levers, bool onIsUpper, bool fourLever);
    std::uint32_t leversOn(bool fourLever) const;
    void readBack();

    QListWidget* fixture_;
    QHBoxLayout* banksRow_;
    QLabel* reading_label_;
    QLabel* address_;
    QLabel* mode_;
    QLabel* options_;
    QLabel* problemsLabel_;
    std::vector<FixtureTypeLevers> types_;
    std::vector<BankView> banks_;
    QString reading_;
    QStringList problems_;
};

} // namespace velantra::levers
