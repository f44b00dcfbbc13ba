#pragma once

// The mode and options of one plan row, as its device's configurator offers them: DMX slave
// with its channel choice and terminator, or master with speed, show or tune and pushbutton.

#include "plan/rigplan.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace velantra::plan
{

class RowOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    RowOptionsDialog(const PlanRow& row, QWidget* parent);

    // The row with the choices made, holding only options in force.
    PlanRow row() const;

private:
    void followMode();

    PlanRow row_;
    QRadioButton* dmx_;
    QRadioButton* master_;
    QComboBox* channels_;
    QCheckBox* terminator_;
    QCheckBox* pushbutton_;
    QComboBox* speed_;
    QComboBox* show_;
    QComboBox* tune_;
    QCheckBox* modulation_;
};

} // namespace velantra::plan
