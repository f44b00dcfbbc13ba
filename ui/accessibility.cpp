#include "ui/accessibility.h"

#include "ui/accessibletextbox.h"
#include "ui/picturebox.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace velantra::ui
{
namespace
{

constexpr char kAlertProperty[] = "velantraAlert";
constexpr char kAnnouncerName[] = "Announcement";
constexpr char kPendingProperty[] = "velantraPending";

// Screen readers read a notification as it shows, but not an alert that shows inside a window:
// an alert label is announced as well.
class AnnounceWhenShown : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* label = static_cast<QLabel*>(watched);
            announce(label->window(), label->text());
        }
        return false;
    }
};

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
    if (object->objectName() == QLatin1String(kAnnouncerName) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // A picture box is read out as an image, with its name and description.
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* box = qobject_cast<QLineEdit*>(object))
        return makeAccessibleTextBox(box);
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
    label->installEventFilter(new AnnounceWhenShown(label));
    // Building the label may already have made it an ordinary label interface, which Qt keeps:
    // drop that one, so that the next one asked for comes from our factory.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
    if (made && made->role() != QAccessible::AlertMessage)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

namespace
{

// Holds an announcement until its window is active again: after a dialog (the card's label
// question) closes, the window that asked is activated a moment later, and a notification in an
// inactive window is not read.
class AnnounceWhenActive : public QObject
{
public:
    AnnounceWhenActive(QWidget* window, QString text) : QObject(window), text_(std::move(text))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            announce(static_cast<QWidget*>(watched), text_);
            deleteLater();
        } else if (event->type() == QEvent::Hide) {
            deleteLater();
        }
        return false;
    }

private:
    QString text_;
};

} // namespace

void announce(QWidget* window, const QString& text)
{
    // A window not shown (a card made on the command line) has nobody to tell.
    if (!window->isVisible())
        return;
    if (!window->isActiveWindow()) {
        new AnnounceWhenActive(window, text);
        return;
    }
    // A widget of no size: showing it again is what makes the screen reader speak.
    auto* announcer =
        window->findChild<QWidget*>(QLatin1String(kAnnouncerName), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1String(kAnnouncerName));
        announcer->setGeometry(0, 0, 0, 0);
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->hide();
    }
    // What one user action makes announced is said once, together, when it is done: a later
    // announcement would cut an earlier one short.
    QStringList pending = announcer->property(kPendingProperty).toStringList();
    if (pending.isEmpty()) {
        QTimer::singleShot(0, announcer, [announcer] {
            announcer->hide();
            announcer->setAccessibleName(
                announcer->property(kPendingProperty).toStringList().join(u". "));
            announcer->setProperty(kPendingProperty, QStringList());
            announcer->show();
        });
    }
    if (!pending.contains(text))
        pending << text;
    announcer->setProperty(kPendingProperty, pending);
}

void leadPendingAnnouncement(QWidget* window, const QString& text)
{
    auto* announcer =
        window->findChild<QWidget*>(QLatin1String(kAnnouncerName), Qt::FindDirectChildrenOnly);
    QStringList pending =
        announcer ? announcer->property(kPendingProperty).toStringList() : QStringList();
    if (pending.isEmpty() || pending.front() == text)
        return;
    pending.prepend(text);
    announcer->setProperty(kPendingProperty, pending);
}

} // namespace velantra::ui
