#include "ui/accessibility.h"

#include "ui/picturebox.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velantra::ui
{
namespace
{

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
    // A picture box is read out as an image, with its name and description.
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
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
