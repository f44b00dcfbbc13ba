#pragma once

// Plan › Fixture types…: the plan's fixtures of other makers, added, edited and deleted from the
// keyboard or the mouse. Each change goes to the plan at once (a type edited changes every row
// of it); a type in use is not deleted, and the message names the rows that use it.

#include "plan/rigplan.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace velantra::plan
{

class PlanTableModel;

// One type: name, channels and, when it has them, its address levers.
class FixtureTypeEditor : public QDialog
{
    Q_OBJECT
public:
    // `index`: the type edited, or -1 for a new one.
    FixtureTypeEditor(const RigPlan& plan, int index, QWidget* parent);
    FixtureType type() const;
    void accept() override;

private:
    void followLeverCount();

    const RigPlan& plan_;
    int index_;
    QLineEdit* name_;
    QSpinBox* channels_;
    QGroupBox* levers_;
    QSpinBox* leverCount_;
    QComboBox* lowest_;
    QComboBox* onSide_;
    QComboBox* holds_;
    QLineEdit* functions_;
};

class FixtureTypesDialog : public QDialog
{
    Q_OBJECT
public:
    FixtureTypesDialog(PlanTableModel& model, QWidget* parent);

private:
    void fill(int current);
    void add();
    void edit();
    void remove();

    PlanTableModel& model_;
    QListWidget* list_;
};

// "Acme Spot 250, 16 Ch, 10 levers, lowest bit on lever 1, ON up, address".
QString typeSummary(const FixtureType& type);

// "10: stand-alone; 11: test" read into the function levers, or why it cannot be.
std::optional<std::vector<NamedLever>> readFunctionLevers(const QString& text, QString* problem);

} // namespace velantra::plan
