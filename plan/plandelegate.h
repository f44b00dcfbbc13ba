#pragma once

// The cell editors of the plan table: a list of our devices and the plan's fixture types, 3 or 6
// channels for the ORVO 75 and a number box for the other counts, number boxes for the universe
// and the start address.

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
