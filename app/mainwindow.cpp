#include "app/mainwindow.h"

#include "app/windowregistry.h"
#include "i18n/language.h"
#include "levers/readleverswindow.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"
#include "ui/colours.h"
#include "ui/layoutbuilder.h"
#include "ui/qstr.h"
#include "ui/standardlook.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <span>

namespace velantra
{
namespace
{

using namespace ui;

constexpr WindowSpec kWindow{.name = "Main",
                             .caption = VT_TEXT("Layout", "VELANTRA configuration tools"),
                             .client = {450, 1020, 4815, 1950},
                             .background = kActiveBorder};

constexpr Control kLayout[] = {
    picture("Picture1", ":/logo.jpg", {3000, 960, 1215, 495}, 0)
        .colours(kHighlightText)
        .named(VT_TEXT("Layout", "MORANDEL BRANVIK logo")),
};

// The menu bar, top to bottom; depth gives the nesting. An item followed by deeper items opens
// a submenu; the window catalogue says which window a command item shows.
struct MenuItem {
    int depth;
    std::string_view name;
    std::string_view caption;
};

constexpr MenuItem kMenu[] = {
    {0, "exit", VT_TEXT("Layout", "Exit")},
    {0, "aa", VT_TEXT("Layout", "ORVO")},
    {1, "Orvo", VT_TEXT("Layout", "ORVO 75")},
    {2, "dip", VT_TEXT("Layout", "Dip-switch")},
    {2, "power", VT_TEXT("Layout", "Power")},
    {2, "dati", VT_TEXT("Layout", "Data")},
    {1, "ORVO36", VT_TEXT("Layout", "ORVO 36")},
    {2, "dip36", VT_TEXT("Layout", "Dip-switch")},
    {2, "power2", VT_TEXT("Layout", "Power")},
    {2, "dati36", VT_TEXT("Layout", "Data")},
    {1, "Orvofluo", VT_TEXT("Layout", "ORVO FLUO")},
    {2, "dipfluo", VT_TEXT("Layout", "Dip-Switch")},
    {0, "Intelligenti", VT_TEXT("Layout", "Intelligent Fixt.")},
    {1, "RGB", VT_TEXT("Layout", "RGB")},
    {2, "dip2", VT_TEXT("Layout", "Dip-switch")},
    {2, "dati2", VT_TEXT("Layout", "Data")},
    {1, "DOR", VT_TEXT("Layout", "DOR")},
    {2, "Dip3", VT_TEXT("Layout", "Dip-Switch")},
    {2, "dati3", VT_TEXT("Layout", "Data")},
    {1, "Nembra", VT_TEXT("Layout", "Nembra")},
    {2, "dip4", VT_TEXT("Layout", "Dip-Switch")},
    {0, "Mf", VT_TEXT("Layout", "Master funct.")},
    {1, "Easy", VT_TEXT("Layout", "Easy run (RGB)")},
    {1, "AT", VT_TEXT("Layout", "Atm. Tunes (DOR)")},
    {0, "tools", VT_TEXT("Layout", "Tools")},
    {1, "rigplan", VT_TEXT("Layout", "Rig plan")},
    {1, "readlevers", VT_TEXT("Layout", "Read levers")},
    {0, "about", VT_TEXT("Layout", "?")},
    {1, "tit", VT_TEXT("Layout", "MORANDEL BRANVIK VELANTRA configurator")},
    {1, "ver", VT_TEXT("Layout", "Aut. T.Zelvaro")},
    {1, "vr2", VT_TEXT("Layout", "Ver 5.3")},
};

// Every command of the catalogue is a command item of the menu.
consteval bool menuHasEveryCommand()
{
    const std::span<const MenuItem> items(kMenu);
    for (const WindowEntry& entry : kWindows) {
        for (std::string_view command : entry.menu.all()) {
            bool found = command.empty();
            for (std::size_t i = 0; i < items.size(); ++i) {
                const bool hasChildren =
                    i + 1 < items.size() && items[i + 1].depth > items[i].depth;
                found |= items[i].name == command && !hasChildren;
            }
            if (!found)
                return false;
        }
    }
    return true;
}
static_assert(menuHasEveryCommand(), "a menu command of the window catalogue is not in the menu");

// The configurator window of a device, by its row of the device table.
WindowId configuratorOf(Device device)
{
    for (const WindowEntry& entry : kWindows) {
        if (entry.name == deviceInfo(device).windowName)
            return entry.id;
    }
    return WindowId::Dip_DMX; // never: every device has its window (windowcatalogue.h)
}

} // namespace

Main::Main(WindowRegistry& registry, QWidget* parent) : QMainWindow(parent), registry_(registry)
{
    ui::keepStandardLook(this);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildLayout(client, kLayout);
    setBackground(client, toQColor(kWindow.background, client->palette()));
    createMenus();

    setObjectName(qstr(kWindow.name));
    setWindowTitle(i18n::text(i18n::context::kLayout, kWindow.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The client area below the menu bar has the window's size and position.
    const QRect area = toPixels(kWindow.client);
    client->setFixedSize(area.size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    setGeometry(QRect(area.topLeft() - client->geometry().topLeft(), size()));
}

void Main::createMenus()
{
    QMenuBar* bar = menuBar();
    // Where the items of each depth go: the bar itself, then the submenus opened so far.
    std::vector<QWidget*> containers{bar};
    const std::span<const MenuItem> items(kMenu);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        containers.resize(std::size_t(item.depth) + 1);
        QWidget* container = containers.back();
        const bool hasChildren = i + 1 < items.size() && items[i + 1].depth > item.depth;
        QAction* action = nullptr;
        if (hasChildren) {
            auto* submenu = new QMenu(i18n::text(i18n::context::kLayout, item.caption), container);
            submenu->setObjectName(qstr(item.name) + QStringLiteral("Menu"));
            action = submenu->menuAction();
            containers.push_back(submenu);
        } else {
            action = new QAction(i18n::text(i18n::context::kLayout, item.caption), container);
            if (const WindowEntry* shown = entryShownBy(item.name)) {
                const WindowId id = shown->id;
                connect(action, &QAction::triggered, this, [this, id] { showWindow(id); });
            } else if (item.name == "exit") {
                connect(action, &QAction::triggered, this, &Main::exit_Click);
            }
        }
        action->setObjectName(qstr(item.name));
        container->addAction(action);
    }
}

QWidget* Main::showWindow(WindowId id)
{
    QWidget* window = registry_.Show(id);
    // The planner opens the configurators of its rows, through the same registry.
    if (auto* planner = qobject_cast<plan::RigPlanWindow*>(window))
        planner->setConfiguratorOpener(
            [this](Device device) { return registry_.Show(configuratorOf(device)); });
    // Read levers offers the fixture types of the open plan that have levers, as they are when
    // it is shown.
    if (auto* reader = qobject_cast<levers::ReadLeversWindow*>(window)) {
        std::vector<levers::FixtureTypeLevers> types;
        if (auto* planner =
                qobject_cast<plan::RigPlanWindow*>(registry_.window(WindowId::RigPlan))) {
            for (const plan::FixtureType& type : planner->model().plan().types) {
                if (type.levers)
                    types.push_back({type.name, *type.levers});
            }
        }
        reader->setFixtureTypes(std::move(types));
    }
    return window;
}

void Main::exit_Click()
{
    // An unsaved plan is the one thing Exit asks about.
    auto* planner = qobject_cast<plan::RigPlanWindow*>(registry_.window(WindowId::RigPlan));
    if (planner && !planner->maybeSave())
        return;
    registry_.closeAll();
    hide();
    QCoreApplication::exit(0);
}

} // namespace velantra
