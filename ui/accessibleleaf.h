#pragma once

#include <QAccessibleInterface>

namespace velantra::ui
{

// An accessible object that is no widget and has no children (a lever of a bank, a cell of a
// table): it lives as long as its parent, which gives it its window. A subclass says what it is
// (text, rect, role, state).
class AccessibleLeaf : public QAccessibleInterface
{
public:
    explicit AccessibleLeaf(QAccessibleInterface* parent) : parent_(parent) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

private:
    QAccessibleInterface* parent_;
};

} // namespace velantra::ui
