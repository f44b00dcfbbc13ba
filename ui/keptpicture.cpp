#include "ui/keptpicture.h"

#include <QTimer>
#include <QWidget>
#include <array>

namespace velantra::ui
{

namespace
{

// Up to 256 colours as indices, or an empty image when there are more. Every pixel goes
// through a direct-mapped cache of the colours seen; a miss looks the colour up in the list and
// takes the slot. A 32-bit RGB pixel's top byte means nothing (it may hold anything), so the
// colours are kept opaque.
QImage indexed(const QImage& picture)
{
    struct Slot {
        QRgb colour = 0;
        int index = -1;
    };
    constexpr quint32 kSlots = 4096;
    std::array<Slot, kSlots> cache{};
    QList<QRgb> colours;
    QImage result(picture.size(), QImage::Format_Indexed8);
    if (result.isNull())
        return {};
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            Slot& slot = cache[(colour * 2654435761u) >> 20]; // the top 12 bits
            if (slot.index < 0 || slot.colour != colour) {
                qsizetype index = colours.indexOf(colour);
                if (index < 0) {
                    if (colours.size() == 256)
                        return {};
                    index = colours.size();
                    colours.append(colour);
                }
                slot = {colour, int(index)};
            }
            out[x] = uchar(slot.index);
        }
    }
    result.setColorTable(colours);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

} // namespace

QImage compacted(const QImage& picture)
{
    if (picture.format() != QImage::Format_RGB32)
        return picture;
    if (QImage fewColours = indexed(picture); !fewColours.isNull())
        return fewColours;
    return picture.convertToFormat(QImage::Format_RGB888);
}

void KeptPicture::painted(QWidget* owner)
{
    if (!compactionDue_)
        return;
    compactionDue_ = false;
    // A moment later, not at once: the window's opening, which ends when its first paint has
    // been delivered, does not wait for the compaction (about a millisecond for the largest).
    QTimer::singleShot(kCompactionDelayMs, owner, [this] { image_ = compacted(image_); });
}

} // namespace velantra::ui
