#pragma once

#include "ui/layouttable.h"

#include <QColor>
#include <QWidget>

namespace velantra::ui
{

// A drawn shape: filled rectangle, outlined bar or filled circle. It has no events; whether it is
// shown is all the state it carries (a lever's rectangles are two such shapes).
class Shape : public QWidget
{
    Q_OBJECT
public:
    Shape(Kind kind, QColor fill, QWidget* parent);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_;
};

} // namespace velantra::ui
