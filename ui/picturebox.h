#pragma once

#include "ui/shownpicture.h"

#include <QImage>
#include <QWidget>

namespace velantra::ui
{

// Draws its picture at natural size from the top-left corner, clipped to its area, over its
// background colour, at the screen's device pixel ratio. It reads only the part of the picture its
// area can show, and holds it only while it paints.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QString& path, QSize area, QWidget* parent);
    // What the box draws on a screen of one device pixel per pixel: the top-left part of the
    // picture, at most the box's size.
    QImage picture() const { return picture_.read(1); }
    bool holdsPicture() const { return picture_.isHeld(); }
    void setBordered(bool bordered);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Nothing drawn shows the focus: taking it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    ShownPicture picture_;
    bool bordered_ = false;
};

} // namespace velantra::ui
