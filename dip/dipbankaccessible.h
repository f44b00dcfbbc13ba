#pragma once

#include "dip/dipbank.h"

#include <QObject>
#include <QRect>

namespace velantra::dip
{

// The levers of a bank as assistive technology reads them: one object each, "Lever 3 of 12: ON",
// inside the object of the bank's body, in lever order, each over the lever's slot (both its
// positions), so that a review of the screen reads a bank's levers in order on one line. The
// rectangles themselves are drawing only and are kept from assistive technology, so that the
// review meets each lever once. It lives as a child of the body.
class BankLevers : public QObject
{
    Q_OBJECT
public:
    BankLevers(QWidget* body, std::vector<LeverPair> levers, Row onRow);

    int count() const { return int(levers_.size()); }
    bool isOn(int index) const;
    QRect slot(int index) const; // on the screen
    QString name(int index) const;

    // Tells assistive technology, if any listens, of the levers whose drawing changed.
    void drawn(int index);

private:
    std::vector<LeverPair> levers_;
    Row onRow_;
};

} // namespace velantra::dip
