#include "app/windowregistry.h"

#include "app/windowcatalogue.h"
#include "cards/cardactions.h"

namespace velantra
{

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
    for (QPointer<QWidget>& entry : windows_)
        delete entry.data();
}

} // namespace velantra
