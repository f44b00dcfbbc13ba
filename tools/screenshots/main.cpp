// Opens windows through the main window's menu and saves what they show as PNG files:
//   velantra-screenshots <output folder>
// Run it under xvfb-run or with QT_QPA_PLATFORM=offscreen. Not part of the program.
#include "app/application.h"
#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/reportreader.h"
#include "levers/levertoggle.h"
#include "levers/readleverswindow.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"
#include "ui/qstr.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

using namespace velantra;

namespace
{

struct Shot {
    std::string file;
    std::string_view menuItem;           // the action that opens the window
    std::vector<std::string_view> steps; // put the window into the state to show
    std::string card = {};               // also saves its setting card or report under this name
    void (*prepare)(QWidget*) = nullptr; // what steps cannot say, after them
};

const QString kCardLabel = QStringLiteral("Bar 3, left");

// One step of a shot's preparation, as a user would take it.
void prepare(QWidget* window, std::string_view step)
{
    const auto equals = step.find('=');
    if (step == "tick") {
        QMetaObject::invokeMethod(window->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
    } else if (step == "maximise") {
        window->showMaximized();
    } else if (equals != std::string_view::npos) {
        window->findChild<QLineEdit*>(qstr(step.substr(0, equals)))
            ->setText(qstr(step.substr(equals + 1)));
    } else {
        window->findChild<QAbstractButton*>(qstr(step))->click();
    }
}

// Answers every warning that a window shows while it is being prepared.
void answerMessageBoxes(QObject* parent)
{
    auto* answerer = new QTimer(parent);
    QObject::connect(answerer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    answerer->start(0);
}

// A small rig with an overlap, a block beyond the line, a missing count and a master.
void showPlanWithProblems(QWidget* window)
{
    using namespace plan;
    RigPlan rig;
    const auto add = [&](Device device, const char* label, int address, int channels) {
        PlanRow row = newRow(device);
        row.label = label;
        row.setting.address = address;
        if (device == Device::Orvo75)
            row.setting.channels = channels;
        else if (channels > 0)
            row.typedChannels = channels;
        rig.push_back(row);
    };
    add(Device::Orvo75, "Bar 1 left", 1, 6);
    add(Device::Orvo75, "Bar 1 right", 7, 3);
    add(Device::Intell, "Wash stage left", 10, 9);
    add(Device::Intell, "Wash stage right", 15, 9);
    add(Device::Fluo, "Stairs", 24, 0);
    add(Device::Orvo36, "Balcony", 508, 8);
    add(Device::Dor, "Lobby", 1, 4);
    rig.back().setting.master = true;
    rig.back().setting.tune = 3;
    rig[0].setting.terminator = true;
    auto* planWindow = static_cast<RigPlanWindow*>(window);
    planWindow->model().setPlan(rig);
    planWindow->table().selectRow(3);
}

// Levers of bank `bank` (left to right) set ON by a click, as a user sets them.
void setLevers(QWidget* window, int bank, std::initializer_list<int> levers)
{
    auto* frame = window->findChild<QWidget*>(QStringLiteral("Bank(%1)").arg(bank));
    for (int lever : levers)
        frame->findChild<levers::LeverToggle*>(QStringLiteral("Lever(%1)").arg(lever))->click();
}

// An ORVO 75 at 300 with 6 channels and its terminator.
void readOrvo75(QWidget* window)
{
    setLevers(window, 0, {1});
    setLevers(window, 1, {3, 4, 6, 9, 11});
}

// An ORVO 36 whose pushbutton lever is ON in DMX mode.
void readOrvo36WithProblem(QWidget* window)
{
    window->findChild<QListWidget*>(QStringLiteral("fixture"))->setCurrentRow(1);
    setLevers(window, 0, {1, 3, 6, 10});
}

// A fixture type of another maker: ten levers, lowest bit last, ON down, address − 1.
void readFixtureType(QWidget* window)
{
    auto* reader = static_cast<levers::ReadLeversWindow*>(window);
    reader->setFixtureTypes({{"Lumetta Wash 7",
                              {.levers = 10,
                               .lowestLever = 9,
                               .onUp = false,
                               .addressMinusOne = true,
                               .named = {{10, "stand-alone"}}}}});
    auto* choice = window->findChild<QListWidget*>(QStringLiteral("fixture"));
    choice->setCurrentRow(choice->count() - 1);
    setLevers(window, 0, {1, 8, 10});
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    WindowRegistry registry;
    Main main(registry);
    main.show();
    answerMessageBoxes(&app);

    // Steps: "Box=text" types, "tick" runs Timer1 once, "maximise" maximises, a name clicks.
    std::vector<Shot> shots = {
        {"dip_dmx-fresh.png", "dip", {}},
        {"dip_dmx-dmx.png", "dip", {"Text1=300", "Option24", "Check1"}, "card-dip_dmx-dmx.png"},
        {"dip_dmx-error.png", "dip", {"Text1=512"}},
        {"dip_dmx-master.png", "dip", {"Option2", "Option5", "Option21", "Check2", "tick"}},
        {"dip_36-fresh.png", "dip36", {}},
        {"dip_36-dmx.png", "dip36", {"Text1=300", "Check1"}},
        {"dip_36-master.png", "dip36", {"Option2", "Option5", "Option21", "Check2", "tick"}},
        {"dip_fluo-fresh.png", "dipfluo", {}},
        {"dip_fluo-dmx.png", "dip4", {"Text1=300", "Check1", "Check3"}},
        {"dip_fluo-master.png",
         "dipfluo",
         {"Option2", "Option5", "Option21", "Check2", "Check3", "tick"}},
        {"intell-fresh.png", "dip2", {}},
        {"intell-dmx.png", "dip2", {"Text1=300", "Check1"}},
        {"intell-master.png", "dip2", {"Option2", "Option5", "Option21", "tick"}},
        {"dipdor-fresh.png", "Dip3", {}},
        {"dipdor-dmx.png", "Dip3", {"Text1=300", "Check1"}},
        {"dipdor-master.png", "Dip3", {"Option2", "Option13", "tick"}, "card-dipdor-master.png"},
        {"dat.png", "dati", {}},
        {"dat-maximised.png", "dati36", {"maximise"}},
        {"rigplan-problems.png", "rigplan", {}, {}, showPlanWithProblems},
        {"readlevers-orvo75.png", "readlevers", {}, {}, readOrvo75},
        {"readlevers-problem.png", "readlevers", {}, {}, readOrvo36WithProblem},
        {"readlevers-fixturetype.png", "readlevers", {}, {}, readFixtureType},
        {"calc-fresh.png", "power", {"tick"}},
        {"calc-warnings.png",
         "power",
         {"CC2_700", "tick", "Option1", "Text1(5)=3", "Text2(14)=4", "Text3(3)=5", "Text4(6)=2.5",
          "tick", "tick"},
         "report-calc-warnings.png"},
        {"calc2-fresh.png", "power2", {"tick"}},
        {"calc2-warnings.png", "power2", {"tick", "Option1", "Text1(1)=11", "tick", "tick"}},
    };

    // A window of the catalogue without a shot above is shown as it opens.
    for (const WindowEntry& entry : kWindows) {
        const bool shown = std::any_of(shots.begin(), shots.end(), [&](const Shot& shot) {
            return entryShownBy(shot.menuItem) == &entry;
        });
        if (!shown) {
            std::string file(entry.name);
            std::transform(file.begin(), file.end(), file.begin(), ::tolower);
            shots.push_back({file + ".png", entry.menu.first, {}});
        }
    }

    bool ok = main.grab().save(out.filePath(QStringLiteral("main.png")));
    for (const Shot& shot : shots) {
        main.findChild<QAction*>(qstr(shot.menuItem))->trigger();
        QWidget* window = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w != &main)
                window = w;
        }
        for (std::string_view step : shot.steps)
            prepare(window, step);
        if (shot.prepare)
            shot.prepare(window);
        QApplication::processEvents();
        ok &= window->grab().save(out.filePath(QString::fromStdString(shot.file)));
        if (!shot.card.empty()) {
            const QImage card = cards::isConfigurator(window)
                                    ? cards::cardImage(cards::readCard(window, kCardLabel))
                                    : cards::reportImage(cards::readReport(window));
            ok &= card.save(out.filePath(QString::fromStdString(shot.card)));
        }
        window->close();
        QApplication::processEvents();
    }
    return ok ? 0 : 1;
}
