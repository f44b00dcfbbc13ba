#pragma once

#include "dip/leverlayout.h"

#include <QString>
#include <vector>

class QWidget;

namespace velantra::ui
{
class Controls;
}

namespace velantra::dip
{

class BankLevers;

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
    const LeverPair& lever(int k) const { return levers_.at(std::size_t(k - 1)); }
    const QWidget* body() const { return body_; }
    bool exists() const { return !levers_.empty(); }

    // Shows the rectangle of the ON or the OFF row and hides the other one; while the bank is
    // held, when the outermost hold is released.
    void set(int lever, bool on);

    // Holding the bank makes the levers set in the meantime move together at the release, so
    // a lever set OFF and back ON by one procedure keeps its rectangle and is not repainted.
    void hold() { ++holds_; }
    void release();

    // What the drawing shows: the levers as a setting card reads them. No procedure reads a
    // lever back.
    bool isOn(int lever) const;

    // "Levers ON: 3, 4, 6, 9" when the levers ON changed since it was last taken and no hold
    // is left; otherwise empty.
    QString takeChange();
    bool isHeld() const { return holds_ > 0; }

private:
    void draw(std::size_t index);
    void describe();

    std::vector<LeverPair> levers_;
    std::vector<bool> on_; // where each lever is set, drawn or not yet
    int holds_ = 0;
    QWidget* body_ = nullptr;
    BankLevers* accessibleLevers_ = nullptr;
    bool changed_ = false;
    Row onRow_ = Row::Lower;
};

} // namespace velantra::dip
