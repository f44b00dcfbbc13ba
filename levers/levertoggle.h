#pragma once

// One DIP lever the user sets: a toggle drawn as a lever in its slot, at the ON side when
// checked. Space or a click flips it; a screen reader reads it as "Lever 3: ON".

#include <QAbstractButton>

namespace velantra::levers
{

class LeverToggle : public QAbstractButton
{
    Q_OBJECT
public:
    LeverToggle(int number, bool onIsUpper, QWidget* parent = nullptr);

    int number() const { return number_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nameForState();

    int number_;
    bool onIsUpper_;
};

} // namespace velantra::levers
