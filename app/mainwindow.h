#pragma once

#include "app/windowid.h"

#include <QMainWindow>
#include <QPointer>

namespace velantra
{

class WindowRegistry;
namespace plan
{
class RigPlanWindow;
}

// The start-up window: the maker's logo and the menu bar from which every other window is shown.
class Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Main(WindowRegistry& registry, QWidget* parent = nullptr);

    // Tools › Rig plan: one instance, like every other window.
    QWidget* showRigPlan();

private:
    void createMenus();
    void exit_Click();

    WindowRegistry& registry_;
    QPointer<plan::RigPlanWindow> rigPlan_;
};

} // namespace velantra
