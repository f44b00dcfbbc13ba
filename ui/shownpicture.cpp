#include "ui/shownpicture.h"

#include "i18n/language.h"
#include "resources/artwork.h"
#include "resources/tablerenderer.h"

#include <QImageReader>

namespace velantra::ui
{

namespace
{

// Reads the part of a picture that an area of the given size, drawing it unscaled from its
// top-left corner, can ever show. Decoders that can (JPEG) decode only that part.
QImage readVisiblePart(const QString& path, QSize area)
{
    QImageReader reader(path);
    if (!area.isValid())
        return reader.read();
    const QRect visible = QRect(QPoint(), reader.size()) & QRect(QPoint(), area);
    if (visible.isEmpty())
        return {};
    reader.setClipRect(visible);
    return reader.read();
}

} // namespace

bool drawnAfresh(qreal ratio)
{
    return ratio != 1 || !i18n::isSourceLanguage();
}

QImage pictureAt(const QString& resource, qreal ratio)
{
    if (drawnAfresh(ratio)) {
        const std::string path = resource.toStdString();
        if (path == artwork::kLogoResource)
            return ratio != 1 ? artwork::drawLogo(ratio) : QImage(resource);
        if (path == sheets::showList().picture.resource)
            return sheets::renderShowList(sheets::showList(), ratio);
        for (const sheets::SheetTable* table : sheets::tables()) {
            if (path == table->picture.resource)
                return sheets::renderTable(*table, ratio);
        }
    }
    return QImage(resource);
}

ShownPicture::ShownPicture(const QString& resource, QSize area) : resource_(resource), area_(area)
{
    release_.setSingleShot(true);
    release_.setInterval(kReleaseDelayMs);
    QObject::connect(&release_, &QTimer::timeout, &release_, [this] { image_ = QImage(); });
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
        return readVisiblePart(resource_, area_);
    QImage image = pictureAt(resource_, ratio);
    const qreal drawnRatio = image.devicePixelRatio();
    if (area_.isValid())
        image = image.copy(QRect(QPoint(), area_ * drawnRatio) & image.rect());
    image.setDevicePixelRatio(drawnRatio);
    return image;
}

} // namespace velantra::ui
