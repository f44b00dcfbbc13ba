#pragma once

#include "app/windowcatalogue.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

namespace velantra
{

// Holds at most one instance of each window. A window is built on first show, shown modelessly
// without an owner, and discarded when it is closed; the next show builds it afresh.
class WindowRegistry
{
public:
    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Builds the window if it is not open, shows it, and brings it to the front.
    QWidget* Show(WindowId id);

    // The open instance, or null.
    QWidget* window(WindowId id) const { return windows_[std::size_t(id)]; }

    // Discards every open window at once, without running any of its procedures. A window whose
    // procedure waits in a message box of its own (a warning reached by Exit through the
    // accessibility bus) is hidden with its box at once and deleted by a later call, once that
    // procedure has returned: deleting it now would pull the window from under the procedure.
    void closeAll();

private:
    std::array<QPointer<QWidget>, kWindowCount> windows_;
    // Discarded windows whose procedure had not yet returned.
    std::vector<QPointer<QWidget>> returning_;
};

} // namespace velantra
