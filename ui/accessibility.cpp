#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velantra::ui
{
namespace
{

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
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

} // namespace velantra::ui
