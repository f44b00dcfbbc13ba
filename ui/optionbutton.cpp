#include "ui/optionbutton.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>

namespace velantra::ui
{

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    // Exclusive to assistive technology (a radio button, not a check box); the exclusion itself
    // is the container's button group.
    setAutoExclusive(true);
}

QList<QAbstractButton*> OptionButton::usableButtons() const
{
    // In the tab order, which is the order the arrows move in.
    QList<QAbstractButton*> usable;
    const QList<QAbstractButton*> all = group() ? group()->buttons() : QList<QAbstractButton*>{};
    for (QWidget* at = window()->nextInFocusChain(); at != window(); at = at->nextInFocusChain()) {
        auto* button = qobject_cast<QAbstractButton*>(at);
        if (button && all.contains(button) && button->isEnabled() &&
            button->isVisibleTo(window()) && (button->focusPolicy() & Qt::TabFocus))
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

void OptionButton::focusInEvent(QFocusEvent* event)
{
    // The base class would take the other buttons of the group out of the tab chain for good,
    // so that a group whose selection the program moves could no longer be reached.
    QWidget::focusInEvent(event);
    const bool tabbing =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbing && groupEntry() != this)
        focusNextPrevChild(event->reason() == Qt::TabFocusReason);
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
    const QList<QAbstractButton*> usable = usableButtons();
    const qsizetype at = usable.indexOf(this);
    if (at < 0 || usable.size() < 2)
        return;
    QAbstractButton* next = usable[(at + step + usable.size()) % usable.size()];
    next->setFocus(Qt::OtherFocusReason);
    next->click();
}

} // namespace velantra::ui
