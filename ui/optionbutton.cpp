#include "ui/optionbutton.h"

#include "ui/accessibility.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <algorithm>

namespace velantra::ui
{
namespace
{

bool takesFocus(const QAbstractButton* button)
{
    return button->isEnabled() && button->isVisibleTo(button->window()) &&
           (button->focusPolicy() & Qt::ClickFocus);
}

// Only each group's entry is a Tab stop, so that Tab lands on it at once. Moving the focus on
// from a button Tab reached first would have a screen reader name that button, not the one that
// ends up with the focus. The entry depends on the selection and on which buttons are usable, so
// the stops are set just before Tab or Shift+Tab is handled.
class TabStopsBeforeTab : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
            return false;
        const QList<OptionButton*> buttons =
            static_cast<QWidget*>(watched)->window()->findChildren<OptionButton*>();
        for (OptionButton* button : buttons) {
            if (!takesFocus(button))
                continue;
            const bool entry = button->groupEntry() == button;
            button->setFocusPolicy(entry ? Qt::StrongFocus : Qt::ClickFocus);
        }
        return false;
    }
};

void setTabStopsBeforeEachTab()
{
    static const bool once = [] {
        qApp->installEventFilter(new TabStopsBeforeTab(qApp));
        return true;
    }();
    Q_UNUSED(once);
}

} // namespace

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    // Exclusive to assistive technology (a radio button, not a check box); the exclusion itself
    // is the container's button group.
    setAutoExclusive(true);
    setTabStopsBeforeEachTab();
}

QList<QAbstractButton*> OptionButton::usableButtons() const
{
    // In the tab order.
    QList<QAbstractButton*> usable;
    const QList<QAbstractButton*> all = group() ? group()->buttons() : QList<QAbstractButton*>{};
    for (QWidget* at = window()->nextInFocusChain(); at != window(); at = at->nextInFocusChain()) {
        auto* button = qobject_cast<QAbstractButton*>(at);
        if (button && all.contains(button) && takesFocus(button))
            usable << button;
    }
    return usable;
}

QAbstractButton* OptionButton::groupEntry() const
{
    const QList<QAbstractButton*> usable = usableButtons();
    for (QAbstractButton* button : usable) {
        if (button->isChecked())
            return button;
    }
    return usable.isEmpty() ? nullptr : usable.front();
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<QAbstractButton*> usable = usableButtons();
    std::stable_sort(usable.begin(), usable.end(), [](QAbstractButton* a, QAbstractButton* b) {
        return std::pair(a->x(), a->y()) < std::pair(b->x(), b->y());
    });
    const qsizetype at = usable.indexOf(this);
    if (at < 0 || usable.size() < 2)
        return;
    QAbstractButton* next = usable[(at + step + usable.size()) % usable.size()];
    next->setFocus(Qt::OtherFocusReason);
    next->click();
    // What the selection changed is announced, which would cut short the button's name.
    leadPendingAnnouncement(window(), next->text().trimmed() + QStringLiteral(" selected"));
}

} // namespace velantra::ui
