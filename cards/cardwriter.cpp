#include "cards/cardwriter.h"

#include "cards/cardpainter.h"
#include "cards/paperoutput.h"
#include "files/filewriter.h"
#include "i18n/language.h"

#include <QBuffer>
#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>

namespace velantra::cards
{
namespace
{

constexpr int kImageResolution = 150;

QString failure(const QString& path, const QString& reason)
{
    return i18n::translate("CardWriter", "Could not save %1: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

std::vector<PagePainter> cardPages(std::span<const SettingCard> cards)
{
    std::vector<PagePainter> pages;
    for (const SettingCard& card : cards)
        pages.push_back(cardPage(card));
    return pages;
}

} // namespace

PagePainter cardPage(const SettingCard& card)
{
    return [card](QPainter& p, const QRectF& r) { paintCard(p, r, card); };
}

PagePainter reportPage(const PowerReport& report)
{
    return [report](QPainter& p, const QRectF& r) { paintReport(p, r, report); };
}

QByteArray pdfDocument(std::span<const PagePainter> pages, const QString& title)
{
    return pdfOf(title, QPageSize::A4,
                 [pages](QPagedPaintDevice& device) { paintPages(device, pages); });
}

bool saveFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QString reason;
    if (files::saveWhole(path, bytes, &reason))
        return true;
    *error = failure(path, reason);
    return false;
}

bool writeCardsPdf(const QString& path, std::span<const SettingCard> cards, QString* error)
{
    const std::vector<PagePainter> pages = cardPages(cards);
    const QString title = cards.size() == 1 ? QString::fromStdString(cards.front().device)
                                            : i18n::translate("CardWriter", "Setting cards");
    return saveFile(path, pdfDocument(pages, title), error);
}

bool writeCardSheetsPdf(const QString& path, std::span<const SettingCard> cards,
                        QPageSize::PageSizeId paper, QString* error)
{
    const QByteArray pdf =
        pdfOf(i18n::translate("CardWriter", "Setting cards"), paper,
              [cards](QPagedPaintDevice& device) { paintCardSheets(device, cards); });
    return saveFile(path, pdf, error);
}

bool writePatchSheetPdf(const QString& path, const PatchSheet& sheet, QPageSize::PageSizeId paper,
                        QString* error)
{
    const QByteArray pdf =
        pdfOf(QString::fromStdString(sheet.title), paper,
              [&sheet](QPagedPaintDevice& device) { paintPatchSheet(device, sheet); });
    return saveFile(path, pdf, error);
}

bool writeReportPdf(const QString& path, const PowerReport& report, QString* error)
{
    const PagePainter pages[] = {reportPage(report)};
    return saveFile(path, pdfDocument(pages, QString::fromStdString(report.device)), error);
}

namespace
{
QImage pageImage(const std::function<double(QPainter&, const QRectF&)>& paint)
{
    const double scale = kImageResolution / 72.0;
    QImage page(int(kPageWidth * scale), int(kPageHeight * scale), QImage::Format_RGB32);
    page.fill(Qt::white);
    double bottom = 0;
    {
        QPainter painter(&page);
        bottom = paint(painter, QRectF(page.rect()));
    }
    const int height = std::min(page.height(), int((bottom + 36) * scale));
    QImage image = page.copy(0, 0, page.width(), height);
    image.setDotsPerMeterX(int(kImageResolution / 0.0254));
    image.setDotsPerMeterY(int(kImageResolution / 0.0254));
    return image;
}
} // namespace

QImage cardImage(const SettingCard& card)
{
    return pageImage([&](QPainter& p, const QRectF& r) { return paintCard(p, r, card); });
}

QImage reportImage(const PowerReport& report)
{
    return pageImage([&](QPainter& p, const QRectF& r) { return paintReport(p, r, report); });
}

bool writeCardPng(const QString& path, const SettingCard& card, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!cardImage(card).save(&buffer, "PNG")) {
        *error = failure(path, i18n::translate("CardWriter", "the image could not be made"));
        return false;
    }
    return saveFile(path, bytes, error);
}

void paintPages(QPagedPaintDevice& device, std::span<const PagePainter> pages)
{
    QPainter painter(&device);
    const QRectF area(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        pages[i](painter, area);
    }
}

} // namespace velantra::cards
