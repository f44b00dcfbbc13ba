#pragma once

#include "ui/keptpicture.h"
#include "ui/layouttable.h"
#include "ui/sharppicture.h"

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
    const QImage& picture() const { return picture_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::KeptPicture picture_;
    ui::SharpPicture sharp_;
};

} // namespace velantra::sheets
