#include "cards/cardactions.h"

#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/label.h"
#include "cards/paperoutput.h"
#include "cards/reportreader.h"
#include "i18n/language.h"
#include "ui/accessibility.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
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
        window,
        report ? i18n::translate("CardActions", "Budget report")
               : i18n::translate("CardActions", "Setting card"),
        report ? i18n::translate("CardActions",
                                 "Label for the report (e.g. \"Shop 2, window\"), may be empty:")
               : i18n::translate("CardActions",
                                 "Label for the card (e.g. \"Bar 3, left\"), may be empty:"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    if (const std::optional<std::string> problem = labelProblem(label.trimmed().toStdString())) {
        QMessageBox::warning(window,
                             report ? i18n::translate("CardActions", "Budget report")
                                    : i18n::translate("CardActions", "Setting card"),
                             i18n::translate("CardActions", "Nothing was made: %1.")
                                 .arg(QString::fromStdString(*problem)));
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
    const PagePainter pages[] = {output->page};
    printWithDialog(window, output->title,
                    [&pages](QPagedPaintDevice& device) { paintPages(device, pages); });
}

void savePdf(QWidget* window)
{
    const std::optional<Output> output = outputOf(window);
    if (!output)
        return;
    const PagePainter pages[] = {output->page};
    const QString caption = i18n::translate("CardActions", "Save as PDF");
    savePdfWithDialog(window,
                      {.caption = caption,
                       .suggestedName = window->objectName() + QStringLiteral(".pdf"),
                       .title = output->title,
                       .failureTitle = caption,
                       .failureIntro = {}},
                      [&pages](QPagedPaintDevice& device) { paintPages(device, pages); });
}

void copyText(QWidget* window)
{
    if (const std::optional<Output> output = outputOf(window)) {
        QApplication::clipboard()->setText(output->text);
        ui::announce(window, i18n::translate("CardActions", "Copied as text"));
    }
}

// The context menu from the keyboard, wherever the focus is: a right-click reaches it only on
// the window's background and banks, and a text box keeps the Menu key for its own menu.
void openMenuAtFocus(QWidget* window)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QLatin1String(kCardMenu));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const char* name : {kPrintAction, kSavePdfAction, kCopyTextAction})
        menu->addAction(window->findChild<QAction*>(QLatin1String(name)));
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
    // The first command chosen, as a menu opened by keyboard does: a screen reader names it.
    menu->popup(focus->mapToGlobal(focus->rect().center()), menu->actions().constFirst());
    menu->setActiveAction(menu->actions().constFirst());
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
    add(window, kPrintAction, i18n::translate("CardActions", "Print…"),
        QKeySequence(Qt::CTRL | Qt::Key_P), print);
    add(window, kSavePdfAction, i18n::translate("CardActions", "Save as PDF…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), savePdf);
    add(window, kCopyTextAction, i18n::translate("CardActions", "Copy as text"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), copyText);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Shortcuts, not actions of the window: the context menu lists those.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* opener = new QShortcut(keys, window, window, [window] { openMenuAtFocus(window); });
        opener->setObjectName(QLatin1String(kOpenCardMenu));
    }
}

} // namespace velantra::cards
