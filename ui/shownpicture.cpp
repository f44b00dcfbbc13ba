#include "ui/shownpicture.h"

#include "i18n/language.h"
#include "resources/artwork.h"
#include "resources/tablerenderer.h"

#include <QFileInfo>
#include <QImageReader>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velantra::ui
{

namespace
{

// The pages of a picture let go return to the system rather than wait in the heap for an
// allocation as large: a window left open holds what it shows, not what it once read.
void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

// `clip` is the area that draws the picture unscaled from its top-left corner: only the part it
// can show is read, and decoders that can (JPEG) decode only that part.
QImage readResource(const QString& resource, QSize clip)
{
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    if (!clip.isValid())
        return reader.read();
    const QRect visible = QRect(QPoint(), reader.size()) & QRect(QPoint(), clip);
    if (visible.isEmpty())
        return {};
    reader.setClipRect(visible);
    return reader.read();
}

bool drawnAfresh(qreal ratio)
{
    return ratio != 1 || !i18n::isSourceLanguage();
}

QImage pictureAt(const QString& resource, qreal ratio)
{
    if (drawnAfresh(ratio)) {
        const std::string path = resource.toStdString();
        if (path == artwork::kLogoResource)
            return ratio != 1 ? artwork::drawLogo(ratio) : readResource(resource);
        if (path == sheets::showList().picture.resource)
            return sheets::renderShowList(sheets::showList(), ratio);
        for (const sheets::SheetTable* table : sheets::tables()) {
            if (path == table->picture.resource)
                return sheets::renderTable(*table, ratio);
        }
    }
    return readResource(resource);
}

ShownPicture::ShownPicture(const QString& resource, QSize area) : resource_(resource), area_(area)
{
    release_.setSingleShot(true);
    QObject::connect(&release_, &QTimer::timeout, &release_, [this] { letGo(); });
}

void ShownPicture::painted()
{
    const bool inSeries = sinceLastPaint_.isValid() && !sinceLastPaint_.hasExpired(kReleaseDelayMs);
    sinceLastPaint_.start();
    // Once the paint has been delivered: the window is on the screen before the heap is tidied.
    release_.start(inSeries ? kReleaseDelayMs : 0);
}

void ShownPicture::letGo()
{
    image_ = QImage();
    returnFreedMemory();
}

const QImage& ShownPicture::at(qreal ratio)
{
    if (image_.isNull() || ratio_ != ratio) {
        ratio_ = ratio;
        image_ = read(ratio);
    }
    return image_;
}

QImage ShownPicture::read(qreal ratio) const
{
    if (resource_.isEmpty())
        return {};
    if (!drawnAfresh(ratio))
        return readResource(resource_, area_);
    QImage image = pictureAt(resource_, ratio);
    const qreal drawnRatio = image.devicePixelRatio();
    if (area_.isValid())
        image = image.copy(QRect(QPoint(), area_ * drawnRatio) & image.rect());
    image.setDevicePixelRatio(drawnRatio);
    return image;
}

} // namespace velantra::ui
