#pragma once

#include <QPixmap>
#include <QWidget>

namespace velantra::ui
{

// Draws its picture at natural size from the top-left corner, clipped to its area, over its
// background colour.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(const QPixmap& picture, QWidget* parent);
    const QPixmap& picture() const { return picture_; }
    void setBordered(bool bordered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool bordered_ = false;
};

} // namespace velantra::ui
