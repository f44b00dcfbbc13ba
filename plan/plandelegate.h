#pragma once

// The cell editors of the plan table: a list of the five devices, 3 or 6 channels for the
// ORVO 75 and a number box for the other counts, a number box for the start address.

#include <QStyledItemDelegate>

namespace velantra::plan
{

class PlanDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace velantra::plan
