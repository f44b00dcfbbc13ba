#include "ui/picturebox.h"

#include <QImageReader>
#include <QPainter>

namespace velantra::ui
{

namespace
{

// Reads the part of a picture that an area of the given size, drawing it unscaled from its
// top-left corner, can ever show. Decoders that can (JPEG) decode only that part.
QImage readVisiblePart(const QString& path, QSize area)
{
    QImageReader reader(path);
    const QRect visible = QRect(QPoint(), reader.size()) & QRect(QPoint(), area);
    if (visible.isEmpty())
        return {};
    reader.setClipRect(visible);
    return reader.read();
}

} // namespace

PictureBox::PictureBox(const QString& path, QSize area, QWidget* parent)
    : QWidget(parent), picture_(readVisiblePart(path, area)), sharp_(path, area)
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
    painter.drawImage(inset, inset, sharp_.shown(picture_.image(), ratio));
    if (bordered_) {
        painter.setClipping(false);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    picture_.painted(this);
}

} // namespace velantra::ui
