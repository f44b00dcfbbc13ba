#include "cards/paperoutput.h"

#include "cards/cardwriter.h"
#include "i18n/language.h"

#include <QBuffer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace velantra::cards
{
namespace
{

constexpr int kPdfResolution = 300;

// The paper sizes offered, the first the default.
struct Paper {
    QPageSize::PageSizeId id;
    const char* filter;
};
constexpr Paper kPapers[] = {
    {QPageSize::A4, VT_TEXT("CardActions", "PDF, A4 (*.pdf)")},
    {QPageSize::Letter, VT_TEXT("CardActions", "PDF, Letter (*.pdf)")},
};

} // namespace

QByteArray pdfOf(const QString& title, QPageSize::PageSizeId paper, const PaintPages& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(i18n::translate("CardActions", "VELANTRA configuration tools"));
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kPdfResolution);
        paint(writer);
    }
    return bytes;
}

bool printWithDialog(QWidget* parent, const QString& title, const PaintPages& paint)
{
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paint(printer);
    return true;
}

bool savePdfWithDialog(QWidget* parent, const PdfRequest& request, const PaintPages& paint)
{
    QString path;
    QPageSize::PageSizeId paper = kPapers[0].id;
    {
        // Gone before the file is written: its file system model goes on reading the folder
        // shown, which must not run inside a warning box's event loop.
        QFileDialog dialog(parent, request.caption, request.suggestedName);
        dialog.setObjectName(QStringLiteral("pdfFileDialog"));
        QStringList filters;
        for (const Paper& choice : kPapers)
            filters << i18n::translate("CardActions", choice.filter);
        dialog.setNameFilters(filters);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        path = dialog.selectedFiles().constFirst();
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        paper = kPapers[chosen > 0 ? chosen : 0].id;
    }
    QString error;
    if (saveFile(path, pdfOf(request.title, paper, paint), &error))
        return true;
    QMessageBox::warning(parent, request.failureTitle,
                         request.failureIntro.isEmpty() ? error
                                                        : request.failureIntro + u'\n' + error);
    return false;
}

} // namespace velantra::cards
