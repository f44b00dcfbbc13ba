#include "ui/picturebox.h"

#include <QPainter>

namespace velantra::ui
{

PictureBox::PictureBox(const QString& path, QSize area, QWidget* parent)
    : QWidget(parent), picture_(path, area)
{
    setAutoFillBackground(true);
}

void PictureBox::setBordered(bool bordered)
{
    bordered_ = bordered;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = bordered_ ? 2 : 0;
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.drawImage(inset, inset, picture_.at(ratio));
    if (bordered_) {
        painter.setClipping(false);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    picture_.painted();
}

} // namespace velantra::ui
