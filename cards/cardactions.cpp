#include "cards/cardactions.h"

#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/label.h"
#include "cards/reportreader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <optional>

namespace velantra::cards
{
namespace
{

// What a window gives: the pages and the text of its card or report. Empty when the user
// cancelled the question for the card's label.
struct Output {
    PagePainter page;
    QString text;
    QString title;
};

std::optional<Output> outputOf(QWidget* window)
{
    const bool report = isPowerWindow(window);
    bool ok = false;
    const QString label = QInputDialog::getText(
        window, report ? QStringLiteral("Budget report") : QStringLiteral("Setting card"),
        report ? QStringLiteral("Label for the report (e.g. \"Shop 2, window\"), may be empty:")
               : QStringLiteral("Label for the card (e.g. \"Bar 3, left\"), may be empty:"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    if (const std::optional<std::string> problem = labelProblem(label.trimmed().toStdString())) {
        QMessageBox::warning(
            window, report ? QStringLiteral("Budget report") : QStringLiteral("Setting card"),
            QStringLiteral("Nothing was made: %1.").arg(QString::fromStdString(*problem)));
        return std::nullopt;
    }
    if (report) {
        PowerReport budget = readReport(window);
        budget.label = label.trimmed().toStdString();
        return Output{reportPage(budget), QString::fromStdString(reportText(budget)),
                      QString::fromStdString(budget.device)};
    }
    const SettingCard card = readCard(window, label.trimmed());
    return Output{cardPage(card), QString::fromStdString(cardText(card)),
                  QString::fromStdString(card.device)};
}

void print(QWidget* window)
{
    const std::optional<Output> output = outputOf(window);
    if (!output)
        return;
    QPrinter printer;
    printer.setDocName(output->title);
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PagePainter pages[] = {output->page};
    printPages(printer, pages);
}

void savePdf(QWidget* window)
{
    const std::optional<Output> output = outputOf(window);
    if (!output)
        return;
    QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Save as PDF"),
                                                window->objectName() + QStringLiteral(".pdf"),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const PagePainter pages[] = {output->page};
    QString error;
    if (!saveFile(path, pdfDocument(pages, output->title), &error))
        QMessageBox::warning(window, QStringLiteral("Save as PDF"), error);
}

void copyText(QWidget* window)
{
    if (const std::optional<Output> output = outputOf(window))
        QApplication::clipboard()->setText(output->text);
}

void add(QWidget* window, const char* name, const QString& caption, const QKeySequence& keys,
         void (*command)(QWidget*))
{
    auto* action = new QAction(caption, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [window, command] { command(window); });
    window->addAction(action);
}

} // namespace

void addCardActions(QWidget* window)
{
    if (!isConfigurator(window) && !isPowerWindow(window))
        return;
    add(window, kPrintAction, QStringLiteral("Print…"), QKeySequence(Qt::CTRL | Qt::Key_P), print);
    add(window, kSavePdfAction, QStringLiteral("Save as PDF…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), savePdf);
    add(window, kCopyTextAction, QStringLiteral("Copy as text"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), copyText);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace velantra::cards
