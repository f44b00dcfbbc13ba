#pragma once

// What the two power windows have in common, tested once for each from a short description of
// it: a fixed window with the same grid, that opens in average mode at 350 mA and adds up the
// counts typed into it, warning where they pass its limits.

#include "app/windowcatalogue.h"
#include "tests/power/powerwindowtest.h"

#include <QObject>
#include <QSize>
#include <memory>

namespace velantra::test
{

// The warnings of the two windows, word for word: the one for CC #2 ends in a blank.
inline const QString kLed6 = "Max 6 led / colour on each constant current output !";
inline const QString kLed6CC2 = "Max 6 led / colour on each constant current output ! ";
inline const QString kLed9 = "Max 9 led / colour on each constant current output !";
inline const QString kTotal75 = "TOTAL POWER > 75 W !!!";
inline const QString kTotal36 = "TOTAL POWER > 36 W !!!";

struct PowerWindow {
    QString menuItem; // the main menu's item that opens the window
    WindowId id;
    QString name;
    QString title;
    QSize size; // the client area, fixed
};

class PowerWindowTest : public QObject
{
    Q_OBJECT
public:
    explicit PowerWindowTest(PowerWindow window);
    ~PowerWindowTest() override;

private slots:
    void init();
    void cleanup();
    void opensInAverageModeWith350mA();
    void fixedWindowWhoseCaptionsFit();
    void typedCounts_data();
    void typedCounts();

protected:
    // The rows of typedCounts(): nominal mode or not, entries as enter() types them, figures()
    // then, and the texts of the warnings shown meanwhile.
    virtual void addTypedCountRows() = 0;
    // Opens the window through its menu item, as w_.
    void openWindow();

    std::unique_ptr<MessageBoxAnswerer> answerer_;
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;

private:
    const PowerWindow window_;
};

} // namespace velantra::test
