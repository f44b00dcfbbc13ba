// A user's session with a rig plan, for the strace check: opens the plan from Tools › Rig plan,
// looks at it, and with a second path adds a row and saves the plan there; then Exit. With
// --dialogs instead of a second path, opens each file and print dialog of the plan and of a
// configurator's card and cancels it.
//   plansession <plan.json> [<save-as.json> | --dialogs]
#include "app/application.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QTimer>
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
    if (argc > 2 && QByteArray(argv[2]) == "--dialogs") {
        // Every dialog is cancelled once it shows; a card's label question is answered first.
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                if (qobject_cast<QInputDialog*>(dialog))
                    dialog->accept();
                else
                    dialog->reject();
            }
        });
        cancel.start(50);
        planner->findChild<QAction*>(QStringLiteral("planOpen"))->trigger();
        planner->model().insertPlanRows(planner->model().rowCount(),
                                        {plan::newRow(plan::Device::Dor)});
        for (const char* command :
             {"planSaveAs", "printCards", "saveCardsPdf", "savePatchSheetPdf"})
            planner->findChild<QAction*>(QLatin1String(command))->trigger();
        main.findChild<QAction*>(QStringLiteral("dip"))->trigger();
        QWidget* configurator = registry.window(WindowId::Dip_DMX);
        for (const char* command : {"printCard", "saveCardPdf"})
            configurator->findChild<QAction*>(QLatin1String(command))->trigger();
        std::printf("dialogs cancelled\n");
        std::fflush(stdout);
        std::_Exit(0); // the plan has unsaved changes: no question at the end
    } else if (argc > 2) {
        planner->model().insertPlanRows(planner->model().rowCount(),
                                        {plan::newRow(plan::Device::Dor)});
        if (!planner->saveTo(QString::fromLocal8Bit(argv[2])))
            return 1;
    }
    std::printf("%d rows\n", planner->model().rowCount());
    main.findChild<QAction*>(QStringLiteral("exit"))->trigger();
    return 0;
}
