#include "dip/dipbankaccessible.h"

#include "ui/accessibleleaf.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velantra::dip
{
namespace
{

class BankInterface;

// One lever: a plain object of the bank's, not a widget.
class LeverInterface : public ui::AccessibleLeaf
{
public:
    LeverInterface(QAccessibleInterface* bank, int index) : AccessibleLeaf(bank), index_(index) {}
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

private:
    const BankInterface* bank() const;
    int index_;
};

// The bank's body with its levers as children; name and description are the body's.
class BankInterface : public QAccessibleWidget
{
public:
    BankInterface(QWidget* body, BankLevers* levers)
        : QAccessibleWidget(body, QAccessible::Grouping), levers_(levers)
    {
        for (int i = 0; i < levers->count(); ++i)
            leverList_.add(new LeverInterface(this, i));
    }
    const BankLevers* levers() const { return levers_; }
    int childCount() const override { return leverList_.count(); }
    QAccessibleInterface* child(int index) const override { return leverList_.at(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return leverList_.indexOf(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override { return leverList_.at(x, y); }

private:
    BankLevers* levers_;
    ui::AccessibleLeaves leverList_;
};

const BankInterface* LeverInterface::bank() const
{
    return static_cast<const BankInterface*>(parent());
}

QString LeverInterface::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? bank()->levers()->name(index_) : QString();
}

QRect LeverInterface::rect() const
{
    return bank()->levers()->slot(index_);
}

QAccessible::State LeverInterface::state() const
{
    QAccessible::State state;
    state.invisible = bank()->state().invisible;
    return state;
}

// A lever's rectangle: a picture of the lever's object, which is what a screen reader reads.
class DrawnLeverInterface : public QAccessibleWidget
{
public:
    explicit DrawnLeverInterface(QWidget* rectangle)
        : QAccessibleWidget(rectangle, QAccessible::Graphic)
    {
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

constexpr char kDrawnLeverProperty[] = "velantraDrawnLever";

QAccessibleInterface* bankFactory(const QString&, QObject* object)
{
    if (object->property(kDrawnLeverProperty).toBool())
        return new DrawnLeverInterface(static_cast<QWidget*>(object));
    auto* levers = object->findChild<BankLevers*>(QString(), Qt::FindDirectChildrenOnly);
    return levers ? new BankInterface(static_cast<QWidget*>(object), levers) : nullptr;
}

// Makes `object`'s next interface come from the factory, dropping one Qt may have made already.
void remakeInterface(QObject* object)
{
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object);
    if (made && !dynamic_cast<BankInterface*>(made) && !dynamic_cast<DrawnLeverInterface*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

BankLevers::BankLevers(QWidget* body, std::vector<LeverPair> levers, Row onRow)
    : QObject(body), levers_(std::move(levers)), onRow_(onRow)
{
    static const bool installed = (QAccessible::installFactory(bankFactory), true);
    Q_UNUSED(installed);
    // Naming the body may already have made it a plain interface, which Qt keeps: drop it for
    // ours; the same for the rectangles.
    remakeInterface(body);
    for (const LeverPair& pair : levers_) {
        for (QWidget* rectangle : {pair.upper, pair.lower}) {
            rectangle->setProperty(kDrawnLeverProperty, true);
            remakeInterface(rectangle);
        }
    }
}

bool BankLevers::isOn(int index) const
{
    const LeverPair& pair = levers_[std::size_t(index)];
    return !(onRow_ == Row::Upper ? pair.upper : pair.lower)->isHidden();
}

QRect BankLevers::slot(int index) const
{
    const LeverPair& pair = levers_[std::size_t(index)];
    const auto onScreen = [](const QWidget* w) {
        return QRect(w->mapToGlobal(QPoint()), w->size());
    };
    return onScreen(pair.upper).united(onScreen(pair.lower));
}

QString BankLevers::name(int index) const
{
    // The bank in the name: both banks stand side by side, on one line of a screen review.
    return QStringLiteral("Lever %1 of %2: %3")
        .arg(index + 1)
        .arg(count())
        .arg(isOn(index) ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

void BankLevers::drawn(int index)
{
    if (!QAccessible::isActive())
        return;
    auto* body = static_cast<QWidget*>(parent());
    QAccessibleInterface* bank = QAccessible::queryAccessibleInterface(body);
    QAccessibleInterface* lever = bank ? bank->child(index) : nullptr;
    if (!lever)
        return;
    QAccessibleEvent renamed(lever, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace velantra::dip
