#include "sheets/sheetwindow.h"

#include "ui/colours.h"
#include "ui/layoutbuilder.h"

#include <QPainter>

namespace velantra::sheets
{

SheetWindow::SheetWindow(const ui::WindowSpec& spec, const QString& background,
                         std::span<const ui::Control> layout)
    : picture_(background.isEmpty() ? QImage() : QImage(background)), sharp_(background, QSize())
{
    ui::setUpWindow(this, spec);
    ui::setBackground(this, ui::toQColor(spec.background, palette()));
    ui::buildLayout(this, layout);
}

void SheetWindow::paintEvent(QPaintEvent*)
{
    if (picture_.image().isNull())
        return;
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.drawImage(0, 0, sharp_.shown(picture_.image(), ratio));
    picture_.painted(this);
}

} // namespace velantra::sheets
