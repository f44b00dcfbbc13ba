#include "ui/accessibility.h"

#include "ui/picturebox.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace velantra::ui
{
namespace
{

constexpr char kAlertProperty[] = "velantraAlert";

// A label in the alert role; its name is its text, as for any label.
class AlertLabel : public QAccessibleWidget
{
public:
    explicit AlertLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return own;
    }
};

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
    // A picture box is read out as an image, with its name and description.
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(kAlertProperty).toBool())
        return new AlertLabel(label);
    auto* widget = qobject_cast<QWidget*>(object);
    // Widgets with an interface of their own (main windows, dialogs, controls) keep it: only
    // plain widgets that are windows are ours to describe.
    if (!widget || !widget->isWindow() ||
        qobject_cast<const QWidget*>(object)->inherits("QDialog") ||
        widget->inherits("QMainWindow") || widget->inherits("QMenu"))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(windowFactory);
}

void markAsAlert(QWidget* label)
{
    label->setProperty(kAlertProperty, true);
    // Building the label may already have made it an ordinary label interface, which Qt keeps:
    // drop that one, so that the next one asked for comes from our factory.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
    if (made && made->role() != QAccessible::AlertMessage)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace velantra::ui
