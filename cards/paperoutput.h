#pragma once

// The one way paper leaves the program from a window: Print… (the print dialog, then the pages
// on the printer chosen) and Save as PDF… (a file dialog offering A4 or Letter, then the PDF
// saved whole or not at all). Used by the cards and reports of the configurator and power
// windows and by the rig plan's cards and patch sheet. Neither dialog keeps any state: Qt's
// dialog settings are pointed where nothing is written before either one opens.

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace velantra::cards
{

// Draws every page on the device, calling newPage() between two.
using PaintPages = std::function<void(QPagedPaintDevice&)>;

// A PDF of the pages on paper of that size, without margins, at 300 dots per inch.
QByteArray pdfOf(const QString& title, QPageSize::PageSizeId paper, const PaintPages& paint);

// Print…: false when the user cancelled.
bool printWithDialog(QWidget* parent, const QString& title, const PaintPages& paint);

struct PdfRequest {
    QString caption;       // the file dialog's title, "Save as PDF"
    QString suggestedName; // "Dip_DMX.pdf"; may be empty
    QString title;         // the document's title
    QString failureTitle;  // the warning box's title where the file could not be saved
    QString failureIntro;  // a line before the reason in that box; may be empty
};

// Save as PDF…: false when the user cancelled or the file could not be saved (said in a
// warning box).
bool savePdfWithDialog(QWidget* parent, const PdfRequest& request, const PaintPages& paint);

} // namespace velantra::cards
