#pragma once

#include "dip/leverlayout.h"

#include <vector>

class QWidget;

namespace velantra::ui
{
class Controls;
}

namespace velantra::dip
{

// One lever: two rectangles at the same place, upper and lower, exactly one of them shown.
struct LeverPair {
    QWidget* upper = nullptr;
    QWidget* lower = nullptr;
};

// A row of levers drawn by rectangles of a built window. Which row means ON is the window's.
class DipBank
{
public:
    DipBank() = default;
    DipBank(const ui::Controls& controls, Bank bank, Row onRow);

    int size() const { return int(levers_.size()); }
    bool exists() const { return !levers_.empty(); }

    // Shows the rectangle of the ON or the OFF row and hides the other one.
    void set(int lever, bool on);

    // What the drawing shows; for checks only: no procedure reads a lever back.
    bool isOn(int lever) const;

private:
    void describe();

    std::vector<LeverPair> levers_;
    std::vector<bool> on_;
    QWidget* body_ = nullptr;
    Row onRow_ = Row::Lower;
};

} // namespace velantra::dip
