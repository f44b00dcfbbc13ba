#pragma once

#include <QImage>

class QWidget;

namespace velantra::ui
{

// The same pixels in less memory: 8-bit indices into a colour table where the picture has at
// most 256 colours (the data sheets' drawn tables have about 220), otherwise 24-bit pixels.
// Any other format than opaque 32-bit comes back as it is.
QImage compacted(const QImage& picture);

// A picture that a widget keeps to repaint itself: decoded as 32-bit pixels, which draw fastest,
// and compacted shortly after the widget has painted it the first time, so that opening the
// window takes no longer and a window that stays open holds a quarter of the memory.
class KeptPicture
{
public:
    static constexpr int kCompactionDelayMs = 100;
    explicit KeptPicture(QImage image) : image_(std::move(image)) {}
    const QImage& image() const { return image_; }
    // Called at the end of the owner's paint; the first call compacts the picture after the
    // paint has been delivered.
    void painted(QWidget* owner);

private:
    QImage image_;
    bool compactionDue_ = true;
};

} // namespace velantra::ui
