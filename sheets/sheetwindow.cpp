#include "sheets/sheetwindow.h"

#include "ui/colours.h"
#include "ui/layoutbuilder.h"

#include <QPainter>

namespace velantra::sheets
{

SheetWindow::SheetWindow(const ui::WindowSpec& spec, const QString& background,
                         std::span<const ui::Control> layout)
    : picture_(background, QSize())
{
    ui::setUpWindow(this, spec);
    ui::setBackground(this, ui::toQColor(spec.background, palette()));
    ui::buildLayout(this, layout);
}

void SheetWindow::paintEvent(QPaintEvent*)
{
    if (picture_.isEmpty())
        return;
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.drawImage(0, 0, picture_.at(ratio));
    picture_.painted();
}

} // namespace velantra::sheets
