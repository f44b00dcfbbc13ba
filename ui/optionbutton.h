#pragma once

#include <QRadioButton>

namespace velantra::ui
{

// An option button of a group (one group per container): assistive technology hears a radio
// button, Tab and Shift+Tab stop at the group's selected button only (its first usable one when
// none is selected), and the arrow keys move the selection within the group, in the order the
// buttons are read on screen (down each column, then the next column), running the procedures
// of the buttons they select as a click does.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

    // Where Tab enters this button's group: its selected button if that can take focus,
    // otherwise its first such button in the tab order.
    QAbstractButton* groupEntry() const;

private:
    void keyPressEvent(QKeyEvent* event) override;
    QList<QAbstractButton*> usableButtons() const;
};

} // namespace velantra::ui
