#include "ui/keptpicture.h"

#include <QTimer>
#include <QWidget>
#include <array>

namespace velantra::ui
{

namespace
{

// Up to 256 colours as indices, or an empty image when there are more. Runs of one colour are
// the rule in these pictures, so the colour before is tried first; the rest go through a small
// open-addressed table.
QImage indexed(const QImage& picture)
{
    constexpr int kSlots = 1024; // a power of two, four times the most colours kept
    std::array<QRgb, kSlots> keys{};
    std::array<int, kSlots> slotIndex;
    slotIndex.fill(-1);
    QList<QRgb> colours;
    QImage result(picture.size(), QImage::Format_Indexed8);
    if (result.isNull())
        return {};
    QRgb last = 0;
    uchar lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = in[x];
            if (!haveLast || colour != last) {
                quint32 slot = (colour * 2654435761u) >> 22; // the top 10 bits: 0..1023
                while (slotIndex[slot] >= 0 && keys[slot] != colour)
                    slot = (slot + 1) & (kSlots - 1);
                if (slotIndex[slot] < 0) {
                    if (colours.size() == 256)
                        return {};
                    keys[slot] = colour;
                    slotIndex[slot] = int(colours.size());
                    colours.append(colour);
                }
                last = colour;
                lastIndex = uchar(slotIndex[slot]);
                haveLast = true;
            }
            out[x] = lastIndex;
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
