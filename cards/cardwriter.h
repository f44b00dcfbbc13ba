#pragma once

// Cards and reports out of the program: a PDF of one page each, a PNG image, plain text, or the
// printer. Every file is written whole or not at all: the bytes are made in memory, then saved
// through files::saveWhole; a failed write leaves no partial file and the previous file of that
// name intact.

#include "cards/paper.h"
#include "cards/powerreport.h"
#include "cards/settingcard.h"

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <functional>
#include <span>

class QPagedPaintDevice;
class QPainter;

namespace velantra::cards
{

// Draws one page into the rectangle given.
using PagePainter = std::function<void(QPainter&, const QRectF&)>;
PagePainter cardPage(const SettingCard& card);
PagePainter reportPage(const PowerReport& report);

// A PDF of A4 pages, one per painter.
QByteArray pdfDocument(std::span<const PagePainter> pages, const QString& title);

// Saves the bytes whole, or sets `error` to one sentence naming the file and the problem and
// returns false. A device such as /dev/stdout is written directly, never replaced.
bool saveFile(const QString& path, const QByteArray& bytes, QString* error);

// One card per page.
bool writeCardsPdf(const QString& path, std::span<const SettingCard> cards, QString* error);
// Several cards to a page, with cut marks (cards/paper.h).
bool writeCardSheetsPdf(const QString& path, std::span<const SettingCard> cards,
                        QPageSize::PageSizeId paper, QString* error);
bool writePatchSheetPdf(const QString& path, const PatchSheet& sheet, QPageSize::PageSizeId paper,
                        QString* error);
bool writeReportPdf(const QString& path, const PowerReport& report, QString* error);

// The card or report at 150 dots per inch, as tall as its drawing.
QImage cardImage(const SettingCard& card);
QImage reportImage(const PowerReport& report);
bool writeCardPng(const QString& path, const SettingCard& card, QString* error);

// Draws the pages one after another on a PDF writer or a printer, each on a page of its own.
void paintPages(QPagedPaintDevice& device, std::span<const PagePainter> pages);

} // namespace velantra::cards
