#include "app/windowregistry.h"

#include "app/windowcatalogue.h"
#include "cards/cardactions.h"

#include <QDialog>
#include <algorithm>

namespace velantra
{
namespace
{

// A window's dialogs are its children for as long as they are open; a procedure that shows one
// waits in the dialog's event loop until it closes.
bool procedureWaits(const QWidget* window)
{
    return window->findChild<QDialog*>() != nullptr;
}

} // namespace

WindowRegistry::~WindowRegistry()
{
    closeAll();
}

QWidget* WindowRegistry::Show(WindowId id)
{
    QPointer<QWidget>& entry = windows_[std::size_t(id)];
    if (!entry) {
        entry = entryOf(id).create();
        // Configurators and power windows print, save and copy what they show.
        cards::addCardActions(entry);
        entry->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (entry->isMinimized())
        entry->showNormal();
    else
        entry->show();
    entry->raise();
    entry->activateWindow();
    return entry;
}

void WindowRegistry::closeAll()
{
    std::erase_if(returning_, [](const QPointer<QWidget>& window) {
        if (window && procedureWaits(window))
            return false;
        delete window.data();
        return true;
    });
    for (QPointer<QWidget>& entry : windows_) {
        QWidget* window = std::exchange(entry, nullptr);
        if (!window || !procedureWaits(window)) {
            delete window;
            continue;
        }
        // Hiding the box ends its event loop; the procedure returns once the caller is done.
        for (QDialog* dialog : window->findChildren<QDialog*>())
            dialog->hide();
        window->hide();
        returning_.emplace_back(window);
    }
}

} // namespace velantra
