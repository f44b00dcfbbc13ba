#pragma once

// The plan as the window's table: one row per fixture, the columns Label, Device, Mode and
// options, Channels, Universe, Start, End and Problems. Every change goes through here, so that
// the problems, the status line and the "unsaved" mark follow each edit; each tells the views
// what it changed (rows inserted, removed, moved, values changed), so that a plan of thousands
// of rows keeps its selection and scroll position.

#include "plan/problems.h"
#include "plan/rigplan.h"

#include <QAbstractTableModel>

namespace velantra::plan
{

enum Column { Label, DeviceColumn, Options, Channels, Universe, Start, End, Problems, ColumnCount };

// The Device column's edit value: one of our devices by its index in the device table, or
// kTypeCodes + the index of a plan's fixture type.
constexpr int kTypeCodes = 1000;

class PlanTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const RigPlan& plan() const { return plan_; }
    const std::vector<Problem>& problems() const { return problems_; }

    // Replaces the whole plan (a new or opened file).
    void setPlan(RigPlan plan);
    // Replaces the whole plan as the user's change (an imported patch list).
    void replacePlan(RigPlan plan);
    // Runs an operation that changes values but neither the number nor the order of the rows,
    // and returns what it returns.
    template <typename Operation> auto changeValues(Operation&& operation)
    {
        struct Done {
            PlanTableModel* model;
            ~Done() { model->valuesChanged(); }
        } done{this};
        return operation(plan_);
    }
    void setRow(int row, const PlanRow& value);
    // As many of `rows` as the plan has room for (kMaxRows).
    void insertPlanRows(int at, const std::vector<PlanRow>& rows);
    // `rows` in ascending order.
    void removePlanRows(const std::vector<int>& rows);
    void movePlanRow(int row, int direction);
    // By universe and start address, rows in master mode last.
    void sortPlan();

    // The plan's fixture types; a type edited changes every row of it.
    void addType(const FixtureType& type);
    void setType(int index, const FixtureType& type);
    // Only a type no row uses is removed.
    bool removeType(int index);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The user changed the plan.
    void edited();
    // The problems or types were worked out anew.
    void refreshed();

private:
    void refresh();
    void valuesChanged();

    RigPlan plan_;
    std::vector<Problem> problems_;
    std::vector<std::string> rowProblems_;
};

} // namespace velantra::plan
