#pragma once

#include "ui/layouttable.h"
#include "ui/shownpicture.h"

#include <QImage>
#include <QWidget>
#include <span>

namespace velantra::sheets
{

// A data sheet: a window that draws its background picture at natural size (at the screen's
// device pixel ratio) from the top-left corner over the background colour, and may hold picture
// boxes. It has no procedures: enlarging it shows the background colour beyond the picture,
// shrinking it cuts the picture off.
class SheetWindow : public QWidget
{
    Q_OBJECT
public:
    SheetWindow(const ui::WindowSpec& spec, const QString& background,
                std::span<const ui::Control> layout = {});
    // The background picture on a screen of one device pixel per pixel.
    QImage picture() const { return picture_.read(1); }
    bool holdsPicture() const { return picture_.isHeld(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Nothing drawn shows the focus: taking it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    ui::ShownPicture picture_;
};

} // namespace velantra::sheets
