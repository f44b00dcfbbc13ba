#pragma once

#include "dip/dipbank.h"

#include <QObject>

namespace velantra::dip
{

// The levers of a bank as assistive technology reads them: one object each, "Lever 3: ON",
// inside the object of the bank's body, in lever order and at the place of the lever, whichever
// of its rectangles shows. It lives as a child of the body.
class BankLevers : public QObject
{
    Q_OBJECT
public:
    BankLevers(QWidget* body, std::vector<LeverPair> levers, Row onRow);

    int count() const { return int(levers_.size()); }
    bool isOn(int index) const;
    QWidget* shown(int index) const;
    QString name(int index) const;

    // Tells assistive technology, if any listens, of the levers whose drawing changed.
    void drawn(int index);

private:
    std::vector<LeverPair> levers_;
    Row onRow_;
};

} // namespace velantra::dip
