#include "app/mainwindow.h"

#include "app/windowregistry.h"
#include "plan/rigplanwindow.h"
#include "ui/colours.h"
#include "ui/layoutbuilder.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <optional>
#include <span>

namespace velantra
{
namespace
{

using namespace ui;

constexpr WindowSpec kWindow{
    "Main", "VELANTRA configuration tools", 4815, 1950, 450, 1020, false, kActiveBorder};

constexpr Control kLayout[] = {
    picture("Picture1", ":/logo.jpg", {3000, 960, 1215, 495}, 0)
        .colours(kHighlightText)
        .named("MORANDEL BRANVIK logo"),
};

// The menu bar, top to bottom; depth gives the nesting. An item followed by deeper items opens
// a submenu; `show` names the window that a command item shows.
struct MenuItem {
    int depth;
    std::string_view name;
    std::string_view caption;
    std::optional<WindowId> show;
};

constexpr MenuItem kMenu[] = {
    {0, "exit", "Exit", {}},
    {0, "aa", "ORVO", {}},
    {1, "Orvo", "ORVO 75", {}},
    {2, "dip", "Dip-switch", WindowId::Dip_DMX},
    {2, "power", "Power", WindowId::Calc},
    {2, "dati", "Data", WindowId::Dat},
    {1, "ORVO36", "ORVO 36", {}},
    {2, "dip36", "Dip-switch", WindowId::Dip_36},
    {2, "power2", "Power", WindowId::Calc2},
    {2, "dati36", "Data", WindowId::Dat},
    {1, "Orvofluo", "ORVO FLUO", {}},
    {2, "dipfluo", "Dip-Switch", WindowId::Dip_FLUO},
    {0, "Intelligenti", "Intelligent Fixt.", {}},
    {1, "RGB", "RGB", {}},
    {2, "dip2", "Dip-switch", WindowId::Intell},
    {2, "dati2", "Data", WindowId::Dat2},
    {1, "DOR", "DOR", {}},
    {2, "Dip3", "Dip-Switch", WindowId::dipDOR},
    {2, "dati3", "Data", WindowId::Dat3},
    {1, "Nembra", "Nembra", {}},
    {2, "dip4", "Dip-Switch", WindowId::Dip_FLUO},
    {0, "Mf", "Master funct.", {}},
    {1, "Easy", "Easy run (RGB)", WindowId::Easyrun},
    {1, "AT", "Atm. Tunes (DOR)", WindowId::Dat4},
    {0, "tools", "Tools", {}},
    {1, "rigplan", "Rig plan", {}},
    {0, "about", "?", {}},
    {1, "tit", "MORANDEL BRANVIK VELANTRA configurator", {}},
    {1, "ver", "Aut. T.Zelvaro", {}},
    {1, "vr2", "Ver 5.3", {}},
};

WindowId configuratorOf(cards::Device device)
{
    switch (device) {
    case cards::Device::Orvo75:
        return WindowId::Dip_DMX;
    case cards::Device::Orvo36:
        return WindowId::Dip_36;
    case cards::Device::Fluo:
        return WindowId::Dip_FLUO;
    case cards::Device::Intell:
        return WindowId::Intell;
    case cards::Device::Dor:
        return WindowId::dipDOR;
    }
    return WindowId::Dip_DMX;
}

QString qstr(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

Main::Main(WindowRegistry& registry, QWidget* parent) : QMainWindow(parent), registry_(registry)
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildLayout(client, kLayout);
    setBackground(client, toQColor(kWindow.background, client->palette()));
    createMenus();

    setObjectName(qstr(kWindow.name));
    setWindowTitle(qstr(kWindow.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The client area below the menu bar has the window's size and position.
    const QRect area =
        toPixels(Twips{kWindow.left, kWindow.top, kWindow.clientWidth, kWindow.clientHeight});
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
            auto* submenu = new QMenu(qstr(item.caption), container);
            submenu->setObjectName(qstr(item.name) + QStringLiteral("Menu"));
            action = submenu->menuAction();
            containers.push_back(submenu);
        } else {
            action = new QAction(qstr(item.caption), container);
            if (item.show) {
                const WindowId id = *item.show;
                connect(action, &QAction::triggered, this, [this, id] { registry_.Show(id); });
            } else if (item.name == "exit") {
                connect(action, &QAction::triggered, this, &Main::exit_Click);
            } else if (item.name == "rigplan") {
                connect(action, &QAction::triggered, this, &Main::showRigPlan);
            }
        }
        action->setObjectName(qstr(item.name));
        container->addAction(action);
    }
}

QWidget* Main::showRigPlan()
{
    if (!rigPlan_) {
        rigPlan_ = new plan::RigPlanWindow(
            [this](cards::Device device) { return registry_.Show(configuratorOf(device)); });
        rigPlan_->setAttribute(Qt::WA_DeleteOnClose);
    }
    rigPlan_->show();
    rigPlan_->raise();
    rigPlan_->activateWindow();
    return rigPlan_;
}

void Main::exit_Click()
{
    // An unsaved plan is the one thing Exit asks about.
    if (rigPlan_ && !rigPlan_->maybeSave())
        return;
    delete rigPlan_.data();
    registry_.closeAll();
    hide();
    QCoreApplication::exit(0);
}

} // namespace velantra
