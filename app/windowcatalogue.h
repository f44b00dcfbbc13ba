#pragma once

// The one list of the windows that the main window's menus show. The registry's size, the
// menu's window commands, and every list of windows in the tests, the soak, the benchmark and
// the screenshot tool are read from kWindows. Adding a window: its own file with its factory,
// its name in WindowId, its factory declared below and its row in kWindows, and its menu row in
// app/mainwindow.cpp.

#include "devices/devices.h"
#include "dip/windows.h"
#include "levers/windows.h"
#include "plan/windows.h"
#include "power/windows.h"
#include "sheets/windows.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velantra
{

// In the order of kWindows.
enum class WindowId {
    Dip_DMX,
    Dip_36,
    Dip_FLUO,
    Intell,
    dipDOR,
    Calc,
    Calc2,
    Easyrun,
    Dat,
    Dat2,
    Dat3,
    Dat4,
    RigPlan,
    ReadLevers,
};

// What a window is, for the tests and tools that treat windows of one kind alike.
enum class WindowKind {
    Configurator, // dip::DipConfigurator: DIP-switch levers, DMX and master mode
    Power,        // power::PowerWindow: fixture counts and power totals
    Sheet,        // sheets::SheetWindow: a data sheet, pictures only
    Planner,      // plan::RigPlanWindow: a table of devices kept in a file
    LeverReader,  // levers::ReadLeversWindow: levers set by the user, read back
};

// The job tools that came after the original configurators, calculators and data sheets: the
// rig plan and Read levers. Left out where a measurement or a check is of the original windows.
constexpr bool isJobTool(WindowKind kind)
{
    return kind == WindowKind::Planner || kind == WindowKind::LeverReader;
}

// The names of the menu commands that show a window: one, or two. Tests open it by the first.
struct MenuCommands {
    std::string_view first;
    std::string_view second = {};
    constexpr std::array<std::string_view, 2> all() const { return {first, second}; }
};

struct WindowEntry {
    WindowId id;
    std::string_view name; // the window's objectName
    WindowKind kind;
    QWidget* (*create)();
    MenuCommands menu;
};

inline constexpr WindowEntry kWindows[] = {
    {WindowId::Dip_DMX,
     "Dip_DMX",
     WindowKind::Configurator,
     dip::createConfiguratorOf<Device::Orvo75>,
     {"dip"}},
    {WindowId::Dip_36,
     "Dip_36",
     WindowKind::Configurator,
     dip::createConfiguratorOf<Device::Orvo36>,
     {"dip36"}},
    {WindowId::Dip_FLUO,
     "Dip_FLUO",
     WindowKind::Configurator,
     dip::createConfiguratorOf<Device::Fluo>,
     {"dipfluo", "dip4"}},
    {WindowId::Intell,
     "Intell",
     WindowKind::Configurator,
     dip::createConfiguratorOf<Device::Intell>,
     {"dip2"}},
    {WindowId::dipDOR,
     "dipDOR",
     WindowKind::Configurator,
     dip::createConfiguratorOf<Device::Dor>,
     {"Dip3"}},
    {WindowId::Calc, "Calc", WindowKind::Power, power::createCalc, {"power"}},
    {WindowId::Calc2, "Calc2", WindowKind::Power, power::createCalc2, {"power2"}},
    {WindowId::Easyrun, "Easyrun", WindowKind::Sheet, sheets::createEasyrun, {"Easy"}},
    {WindowId::Dat, "Dat", WindowKind::Sheet, sheets::createDat, {"dati", "dati36"}},
    {WindowId::Dat2, "Dat2", WindowKind::Sheet, sheets::createDat2, {"dati2"}},
    {WindowId::Dat3, "Dat3", WindowKind::Sheet, sheets::createDat3, {"dati3"}},
    {WindowId::Dat4, "Dat4", WindowKind::Sheet, sheets::createDat4, {"AT"}},
    {WindowId::RigPlan, "RigPlan", WindowKind::Planner, plan::createRigPlan, {"rigplan"}},
    {WindowId::ReadLevers,
     "ReadLevers",
     WindowKind::LeverReader,
     levers::createReadLevers,
     {"readlevers"}},
};

inline constexpr int kWindowCount = int(std::size(kWindows));

constexpr const WindowEntry& entryOf(WindowId id)
{
    return kWindows[std::size_t(id)];
}

// The window that a menu command shows, or null.
constexpr const WindowEntry* entryShownBy(std::string_view menuItem)
{
    for (const WindowEntry& entry : kWindows) {
        for (std::string_view item : entry.menu.all()) {
            if (!item.empty() && item == menuItem)
                return &entry;
        }
    }
    return nullptr;
}

namespace detail
{
consteval bool catalogueIsConsistent()
{
    for (std::size_t i = 0; i < std::size(kWindows); ++i) {
        const WindowEntry& entry = kWindows[i];
        // No test of the factory here: with UndefinedBehaviorSanitizer, gcc cannot compare a
        // function's address with null in a constant expression.
        if (entry.id != WindowId(i) || entry.name.empty() || entry.menu.first.empty())
            return false;
        for (std::string_view item : entry.menu.all()) {
            if (!item.empty() && entryShownBy(item) != &entry)
                return false; // one command shows one window
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kWindows[j].name == entry.name)
                return false;
        }
    }
    return true;
}
} // namespace detail
namespace detail
{
// Every device is set on a configurator window of the catalogue.
consteval bool everyDeviceHasItsWindow()
{
    for (const DeviceInfo& device : kDevices) {
        bool found = false;
        for (const WindowEntry& entry : kWindows)
            found = found ||
                    (entry.name == device.windowName && entry.kind == WindowKind::Configurator);
        if (!found)
            return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::everyDeviceHasItsWindow(),
              "a device's windowName names a configurator window");

static_assert(detail::catalogueIsConsistent(),
              "every row of kWindows in WindowId order, with a unique name and a menu command "
              "of its own");

} // namespace velantra
