// The rig plan at its largest: a 10,000-row plan of our devices and fixture types over twenty
// universes opened in the window (read, checked, shown, painted), checked on its own, and
// addressed from 1 with "Address from…" until the table has painted again.
#include "bench/firstpaint.h"
#include "bench/probes.h"
#include "plan/addressing.h"
#include "plan/planfile.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>

namespace velantra::bench
{
namespace
{

double micros(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1000.0;
}

plan::RigPlan largestPlan()
{
    using namespace plan;
    RigPlan rig;
    rig.types.push_back({"Acme Par 9", 7, LeverScheme{.levers = 9, .onUp = false}});
    rig.types.push_back({"Lumo Bar 10", 16, LeverScheme{.levers = 10, .addressMinusOne = true}});
    for (int i = 0; i < kMaxRows; ++i) {
        PlanRow row;
        if (i % 2) {
            row = newTypeRow(i % 4 == 1 ? 0 : 1);
        } else {
            row = newRow(Device(i / 2 % 5));
            if (row.setting.device == Device::Orvo75)
                row.setting.channels = 6;
            else
                row.typedChannels = 4;
        }
        row.label = "Truss " + std::to_string(i / 40) + ", fixture " + std::to_string(i % 40);
        rig.rows.push_back(row);
    }
    addressFrom(rig, {}, 1, 1);
    return rig;
}

} // namespace

std::vector<Timing> planTimings(int repetitions)
{
    std::vector<Timing> timings;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.json"));
    const plan::RigPlan rig = largestPlan();
    if (!plan::savePlanFile(path, rig, nullptr))
        qFatal("could not write the plan to open");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("could not read the plan back");
    const QByteArray bytes = file.readAll();

    Timing open{QStringLiteral("open a 10,000-row plan in the rig plan window (read, check, show, "
                               "first paint)"),
                {},
                {},
                QStringLiteral("Qt's JSON parser on the same %1 kB").arg(bytes.size() / 1024)};
    Timing address{QStringLiteral("Address from\u2026 on all 10,000 rows, to the table painted"),
                   {},
                   {},
                   QStringLiteral("the same table painted unchanged")};
    Timing check{QStringLiteral("problems of a 10,000-row plan"),
                 {},
                 {},
                 QStringLiteral("sorting its 10,000 start addresses")};
    QElapsedTimer clock;
    for (int i = 0; i < repetitions; ++i) {
        auto window = std::make_unique<plan::RigPlanWindow>();
        clock.start();
        if (!showAndWaitForPaint([&] {
                if (!window->openFile(path))
                    qFatal("the plan did not open");
                window->show();
            }))
            qFatal("the plan window did not paint");
        open.ours.push_back(micros(clock));
        clock.start();
        const QJsonDocument parsed = QJsonDocument::fromJson(bytes);
        open.floor.push_back(micros(clock));
        if (!parsed.isObject())
            qFatal("the plan is no JSON object");

        QWidget* viewport = window->table().viewport();
        clock.start();
        window->model().changeValues([&](plan::RigPlan& p) { return addressFrom(p, {}, 1, 1); });
        viewport->repaint();
        address.ours.push_back(micros(clock));
        clock.start();
        viewport->repaint();
        address.floor.push_back(micros(clock));

        clock.start();
        const std::vector<plan::Problem> problems = plan::findProblems(rig);
        check.ours.push_back(micros(clock));
        std::vector<int> starts;
        for (const plan::PlanRow& row : rig.rows)
            starts.push_back(row.setting.address);
        clock.start();
        std::sort(starts.begin(), starts.end());
        check.floor.push_back(micros(clock));
        if (!problems.empty())
            qFatal("the largest plan has problems");
        window->setWindowModified(false); // closes without asking
    }
    return {open, address, check};
}

} // namespace velantra::bench
