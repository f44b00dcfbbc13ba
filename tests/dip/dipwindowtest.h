#pragma once

// What the DIP-switch configurator windows have in common, tested once for each window from a
// short description of it: it opens in DMX mode at address 1, the address sets its levers and
// leaves the other settings' levers alone, master mode selects its presets and draws them at the
// first tick, and a window with speeds and shows draws each selection at the next tick.

#include "app/windowcatalogue.h"
#include "tests/dip/dipwindow.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace velantra::test
{

// The speed and show frames and options that only master mode enables, with a window's others.
QStringList speedAndShowControls(const QStringList& others);

// A configurator window as these tests see it. What is not given is as most windows have it.
struct DipWindow {
    QString menuItem; // the main menu's item that opens the window
    WindowId id;
    QString name;
    QString title;
    bool onIsLower = true; // which rectangle of a lever shows it ON
    bool hasFourBank = true;

    // As it opens: the levers ON at address 1, and the controls of each mode.
    QString dmxLevers = "1";
    QString dmxLevers4 = "";
    QStringList dmxControls = {"Frame4", "Check1", "Text1", "Label5"}; // enabled in DMX mode only
    QStringList masterControls;                                        // in master mode only

    // Settings made in DMX mode, which master mode clears; the selections it makes instead; the
    // levers ON in master mode whatever is selected (all that is ON before its first tick); the
    // levers at the first tick.
    QStringList dmxSettings = {"Check1"};
    QStringList presets = {"Option7", "Option8"}; // Speed 4, Show 0
    QString masterLevers = "12";
    QString firstTickLevers = "4,12";
    QString firstTickLevers4 = "";

    // Settings made before an address is pasted, which keep their levers whatever it is.
    QStringList keptByAddress = {"Check1"};
    QString keptLevers = "";
    QString keptLevers4 = "";
};

// The lever lists a and b together, in order: "3,9" and "1,12" give "1,3,9,12".
QString joinLevers(const QString& a, const QString& b);

class DipWindowTest : public QObject
{
    Q_OBJECT
public:
    explicit DipWindowTest(DipWindow window);
    ~DipWindowTest() override;

private slots:
    void init();
    void cleanup();
    void opensInDmxModeAtAddressOne();
    void address_data();
    void address();
    void masterModePresetsAndFirstTick();

protected:
    // Rows of address() besides those every window passes: text pasted, address levers ON
    // (none where it is refused).
    virtual void addAddressRows() {}

    QString on12() const { return leversOn(w_, window_.onIsLower); }
    QString on4() const { return leversOn(w_, window_.onIsLower, true); }
    const DipWindow& window() const { return window_; }
    // Both banks as one text, "1,11|1,3", as the window shows them or as expected; the 4-lever
    // bank where the window has it.
    QString banks() const { return banks(on12(), window_.hasFourBank ? on4() : QString()); }
    QString banks(const QString& levers12, const QString& levers4) const;
    // Checks the window after master mode with these selections was left for DMX mode again:
    // address 1, DMX settings clear, the selections kept but disabled, the timer stopped for good.
    // A test function calls it last: a failed check ends only this helper.
    void expectBackInDmxMode(const QStringList& keptSelections);

    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;

private:
    const DipWindow window_;
};

// A configurator whose master mode runs a show at a speed, both chosen by option buttons.
class SpeedAndShowTest : public DipWindowTest
{
    Q_OBJECT
public:
    using DipWindowTest::DipWindowTest;

private slots:
    void masterSelections_data();
    void masterSelections();
};

} // namespace velantra::test
