#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <vector>

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

namespace velantra::ui
{

// The leaves an accessible object owns, registered with Qt so that clients can hold them by id,
// and unregistered (deleted) with their owner: the owner's children in their order.
class AccessibleLeaves
{
public:
    AccessibleLeaves() = default;
    AccessibleLeaves(const AccessibleLeaves&) = delete;
    AccessibleLeaves& operator=(const AccessibleLeaves&) = delete;
    ~AccessibleLeaves()
    {
        for (QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void add(AccessibleLeaf* leaf)
    {
        ids_.push_back(QAccessible::registerAccessibleInterface(leaf));
    }
    int count() const { return int(ids_.size()); }
    QAccessibleInterface* at(int index) const
    {
        return index >= 0 && index < count()
                   ? QAccessible::accessibleInterface(ids_[std::size_t(index)])
                   : nullptr;
    }
    int indexOf(const QAccessibleInterface* leaf) const
    {
        for (int i = 0; i < count(); ++i) {
            if (at(i) == leaf)
                return i;
        }
        return -1;
    }
    // The leaf under a point of the screen.
    QAccessibleInterface* at(int x, int y) const
    {
        for (int i = 0; i < count(); ++i) {
            if (at(i)->rect().contains(x, y))
                return at(i);
        }
        return nullptr;
    }

private:
    std::vector<QAccessible::Id> ids_;
};

} // namespace velantra::ui
