#pragma once

// The plan as the window's table: one row per device, the columns Label, Device, Mode and
// options, Channels, Start, End and Problems. Every change goes through here, so that the
// problems, the status line and the "unsaved" mark follow each edit.

#include "plan/problems.h"
#include "plan/rigplan.h"

#include <QAbstractTableModel>

namespace velantra::plan
{

enum Column { Label, DeviceColumn, Options, Channels, Start, End, Problems, ColumnCount };

class PlanTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const RigPlan& plan() const { return plan_; }
    const std::vector<Problem>& problems() const { return problems_; }

    // Replaces the whole plan (a new or opened file).
    void setPlan(RigPlan plan);
    // Runs an operation on the plan and shows its result.
    template <typename Operation> void change(Operation&& operation)
    {
        beginResetModel();
        operation(plan_);
        refresh();
        endResetModel();
        emit edited();
    }
    void setRow(int row, const PlanRow& value);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The user changed the plan.
    void edited();

private:
    void refresh();

    RigPlan plan_;
    std::vector<Problem> problems_;
    std::vector<std::string> rowProblems_;
};

} // namespace velantra::plan
