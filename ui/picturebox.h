#pragma once

#include "ui/keptpicture.h"
#include "ui/sharppicture.h"

#include <QImage>
#include <QWidget>

namespace velantra::ui
{

// Draws its picture at natural size from the top-left corner, clipped to its area, over its
// background colour, at the screen's device pixel ratio. It keeps only the part of the picture its
// area can show.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QString& path, QSize area, QWidget* parent);
    // What the box keeps and draws: the top-left part of the picture, at most the box's size.
    const QImage& picture() const { return picture_.image(); }
    void setBordered(bool bordered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KeptPicture picture_;
    SharpPicture sharp_;
    bool bordered_ = false;
};

} // namespace velantra::ui
