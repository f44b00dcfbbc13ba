#include "ui/shape.h"

#include <QPainter>

namespace velantra::ui
{

Shape::Shape(Kind kind, QColor fill, QWidget* parent) : QWidget(parent), kind_(kind), fill_(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(0, 0, -1, -1);
    switch (kind_) {
    case Kind::SolidRectangle:
        painter.fillRect(rect(), fill_);
        break;
    case Kind::Rectangle:
        painter.setPen(Qt::black);
        painter.setBrush(fill_);
        painter.drawRect(area);
        break;
    case Kind::Bar:
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
        break;
    case Kind::Circle: {
        const int diameter = std::min(width(), height()) - 1;
        QRect circle(0, 0, diameter, diameter);
        circle.moveCenter(area.center());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        painter.setBrush(fill_);
        painter.drawEllipse(circle);
        break;
    }
    default:
        break;
    }
}

} // namespace velantra::ui
