#pragma once

#include "app/windowcatalogue.h"

#include <QPointer>
#include <QWidget>
#include <array>

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

    // Discards every open window at once, without running any of its procedures.
    void closeAll();

private:
    std::array<QPointer<QWidget>, kWindowCount> windows_;
};

} // namespace velantra
