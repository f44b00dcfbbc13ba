// A user's session with a rig plan, for the strace check: opens the plan from Tools › Rig plan,
// looks at it, and with a second path adds a row and saves the plan there; then Exit.
//   plansession <plan.json> [<save-as.json>]
#include "app/application.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"

#include <QAction>
#include <QApplication>
#include <cstdio>

using namespace velantra;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc < 2)
        return 2;
    WindowRegistry registry;
    Main main(registry);
    main.show();
    main.findChild<QAction*>(QStringLiteral("rigplan"))->trigger();
    auto* planner = qobject_cast<plan::RigPlanWindow*>(registry.window(WindowId::RigPlan));
    if (!planner || !planner->openFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    QApplication::processEvents();
    if (argc > 2) {
        planner->model().change(
            [](plan::RigPlan& rig) { rig.push_back(plan::newRow(plan::Device::Dor)); });
        if (!planner->saveTo(QString::fromLocal8Bit(argv[2])))
            return 1;
    }
    std::printf("%d rows\n", planner->model().rowCount());
    main.findChild<QAction*>(QStringLiteral("exit"))->trigger();
    return 0;
}
