#include "ui/sharppicture.h"

#include "i18n/language.h"
#include "resources/artwork.h"
#include "resources/tablerenderer.h"

namespace velantra::ui
{

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

const QImage& SharpPicture::at(qreal ratio)
{
    if (ratio_ != ratio) {
        ratio_ = ratio;
        image_ = pictureAt(resource_, ratio);
        const qreal drawnRatio = image_.devicePixelRatio();
        if (area_.isValid())
            image_ = image_.copy(QRect(QPoint(), area_ * drawnRatio) & image_.rect());
        image_.setDevicePixelRatio(drawnRatio);
    }
    return image_;
}

} // namespace velantra::ui
