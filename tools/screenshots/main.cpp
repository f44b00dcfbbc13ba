// Opens windows through the main window's menu and saves what they show as PNG files:
//   velantra-screenshots <output folder>
// Run it under xvfb-run or with QT_QPA_PLATFORM=offscreen. Not part of the program.
#include "app/application.h"
#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/reportreader.h"
#include "i18n/language.h"
#include "levers/levertoggle.h"
#include "levers/readleverswindow.h"
#include "plan/csvimportdialog.h"
#include "plan/fixturetypesdialog.h"
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
    // What steps cannot say, after them; returns the window to save when it is not the one
    // opened (a dialog of it), or nothing.
    QWidget* (*prepare)(QWidget*) = nullptr;
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

// A rig of three universes, our devices beside two fixture types of other makers, with an
// overlap, a block beyond the line, a missing count and a master.
QWidget* showPlanWithProblems(QWidget* window)
{
    using namespace plan;
    RigPlan rig;
    rig.types.push_back({"Acme Par 9", 7, LeverScheme{.levers = 9, .onUp = false}});
    rig.types.push_back(
        {"Lumo Bar 10", 16,
         LeverScheme{.levers = 10, .addressMinusOne = true, .named = {{10, "stand-alone"}}}});
    const auto add = [&](Device device, const char* label, int universe, int address,
                         int channels) {
        PlanRow row = newRow(device);
        row.label = label;
        row.universe = universe;
        row.setting.address = address;
        if (device == Device::Orvo75)
            row.setting.channels = channels;
        else if (channels > 0)
            row.typedChannels = channels;
        rig.rows.push_back(row);
    };
    const auto addType = [&](int type, const char* label, int universe, int address) {
        PlanRow row = newTypeRow(type);
        row.label = label;
        row.universe = universe;
        row.setting.address = address;
        rig.rows.push_back(row);
    };
    add(Device::Orvo75, "Bar 1 left", 1, 1, 6);
    add(Device::Orvo75, "Bar 1 right", 1, 7, 3);
    add(Device::Intell, "Wash stage left", 1, 10, 9);
    add(Device::Intell, "Wash stage right", 1, 15, 9);
    add(Device::Fluo, "Stairs", 1, 24, 0);
    addType(0, "Front par 1", 2, 1);
    addType(0, "Front par 2", 2, 8);
    addType(1, "Back wall", 3, 1);
    addType(1, "Balcony bar", 3, 505);
    add(Device::Dor, "Lobby", 1, 1, 4);
    rig.rows.back().setting.master = true;
    rig.rows.back().setting.tune = 3;
    rig.rows[0].setting.terminator = true;
    auto* planWindow = static_cast<RigPlanWindow*>(window);
    planWindow->model().setPlan(rig);
    planWindow->table().selectRow(3);
    return nullptr;
}

QWidget* showDialog(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    QApplication::processEvents();
    return dialog;
}

QWidget* showFixtureTypes(QWidget* window)
{
    showPlanWithProblems(window);
    return showDialog(
        new plan::FixtureTypesDialog(static_cast<plan::RigPlanWindow*>(window)->model(), window));
}

QWidget* showFixtureTypeEditor(QWidget* window)
{
    showPlanWithProblems(window);
    return showDialog(new plan::FixtureTypeEditor(
        static_cast<plan::RigPlanWindow*>(window)->model().plan(), 1, window));
}

// A console's patch list: a header the program knows but for one column, and a line it cannot
// read.
QWidget* showCsvImport(QWidget* window)
{
    const QByteArray list = "Univ;DMX;Name;Fixture type;Footprint;Position\r\n"
                            "1;1;Spot 1;Robo Spot 250;16;Truss 1\r\n"
                            "1;17;Spot 2;Robo Spot 250;16;Truss 1\r\n"
                            "1;33;Bar 1 left;ORVO 75;6;Truss 2\r\n"
                            "2;1;Par 1;Acme Par 9;7;Floor\r\n"
                            "2;x;Par 2;Acme Par 9;7;Floor\r\n";
    return showDialog(new plan::CsvImportDialog(plan::parseCsv(list),
                                                QStringLiteral("console-patch.csv"), window));
}

// Levers of bank `bank` (left to right) set ON by a click, as a user sets them.
void setLevers(QWidget* window, int bank, std::initializer_list<int> levers)
{
    auto* frame = window->findChild<QWidget*>(QStringLiteral("Bank(%1)").arg(bank));
    for (int lever : levers)
        frame->findChild<levers::LeverToggle*>(QStringLiteral("Lever(%1)").arg(lever))->click();
}

// An ORVO 75 at 300 with 6 channels and its terminator.
QWidget* readOrvo75(QWidget* window)
{
    setLevers(window, 0, {1});
    setLevers(window, 1, {3, 4, 6, 9, 11});
    return nullptr;
}

// An ORVO 36 whose pushbutton lever is ON in DMX mode.
QWidget* readOrvo36WithProblem(QWidget* window)
{
    window->findChild<QListWidget*>(QStringLiteral("fixture"))->setCurrentRow(1);
    setLevers(window, 0, {1, 3, 6, 10});
    return nullptr;
}

// A fixture type of another maker: ten levers, lowest bit last, ON down, address − 1.
QWidget* readFixtureType(QWidget* window)
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
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The windows in the desktop's language: LANGUAGE=de velantra-screenshots docs/screenshots/de
    i18n::setLanguage(i18n::desktopLanguage());
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
        {"rigplan-fixturetypes.png", "rigplan", {}, {}, showFixtureTypes},
        {"rigplan-fixturetype.png", "rigplan", {}, {}, showFixtureTypeEditor},
        {"rigplan-csvimport.png", "rigplan", {}, {}, showCsvImport},
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
        QWidget* shown = shot.prepare ? shot.prepare(window) : nullptr;
        QApplication::processEvents();
        ok &=
            (shown ? shown : window)->grab().save(out.filePath(QString::fromStdString(shot.file)));
        if (shown)
            shown->close();
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
