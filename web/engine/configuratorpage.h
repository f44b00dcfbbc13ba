#pragma once

// One DIP-switch configurator as the web page shows it: the desktop's engine (DipEngine) runs
// every procedure; the page hands over what the user did and reads back the levers, the
// controls' state and the card. The window's layout rows give the page its captions.

#include "dip/dipengine.h"

#include <string>
#include <vector>

namespace velantra::web
{

// A control of the window as the page builds it: a frame, option, check box, label or the
// address box, with its caption, the container that holds it and its place in the tab order.
struct PageControl {
    std::string kind; // "frame", "option", "check", "label", "text"
    std::string name;
    std::string caption;
    std::string parent; // the frame that holds it; empty: the window
    int tab = -1;
    bool hidden = false;
    int left = 0, top = 0, width = 0, height = 0; // twips, relative to the parent
};

class ConfiguratorPage
{
public:
    explicit ConfiguratorPage(int device); // in the order of Device

    // What the user does; each runs the desktop's procedure for it.
    void typeAddress(const std::string& text);
    void click(const std::string& control);
    void tick(); // every 500 ms; runs Timer1 while it runs

    // What the page shows.
    std::string caption() const;
    std::vector<PageControl> controls() const;
    std::string address() const;
    bool errorShown() const { return engine_.errorShown(); }
    bool checked(const std::string& control) const { return engine_.isChecked(control); }
    bool enabled(const std::string& control) const { return engine_.isEnabled(control); }
    bool master() const { return engine_.setting().master; }
    int bankCount() const;          // 1, or 2 with a 4-lever bank
    int leverCount(int bank) const; // bank 0: the 12-lever bank, 1: the 4-lever one
    bool leverOn(int bank, int lever) const;
    bool onIsUpper() const;
    bool fourBankFirst() const; // the 4-lever bank stands left of the 12-lever one
    std::string bankName(int bank) const;
    std::string leversOn(int bank) const; // "Levers ON: 3, 4, 6, 9"
    std::string cardText(const std::string& label, const std::string& date) const;

    const dip::DipEngine& engine() const { return engine_; }

private:
    dip::DipEngine engine_;
};

} // namespace velantra::web
