// Opens windows through the main window's menu and saves what they show as PNG files:
//   velantra-screenshots <output folder>
// Run it under xvfb-run or with QT_QPA_PLATFORM=offscreen. Not part of the program.
#include "app/application.h"
#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/reportreader.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"
#include "ui/qstr.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace velantra;

namespace
{

struct Shot {
    std::string file;
    std::string_view menuItem;             // the action that opens the window
    std::function<void(QWidget*)> prepare; // puts the window into the state to show
    std::string card = {};                 // also saves its setting card or report under this name
};

const QString kCardLabel = QStringLiteral("Bar 3, left");

void type(QWidget* window, const char* box, const char* text)
{
    window->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromLatin1(text));
}

void click(QWidget* window, const char* button)
{
    window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

void tick(QWidget* window)
{
    QMetaObject::invokeMethod(window->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
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

    std::vector<Shot> shots = {
        {"dip_dmx-fresh.png", "dip", [](QWidget*) {}},
        {"dip_dmx-dmx.png", "dip",
         [](QWidget* w) {
             type(w, "Text1", "300");
             click(w, "Option24");
             click(w, "Check1");
         },
         "card-dip_dmx-dmx.png"},
        {"dip_dmx-error.png", "dip", [](QWidget* w) { type(w, "Text1", "512"); }},
        {"dip_dmx-master.png", "dip",
         [](QWidget* w) {
             click(w, "Option2");
             click(w, "Option5");
             click(w, "Option21");
             click(w, "Check2");
             tick(w);
         }},
        {"dip_36-fresh.png", "dip36", [](QWidget*) {}},
        {"dip_36-dmx.png", "dip36",
         [](QWidget* w) {
             type(w, "Text1", "300");
             click(w, "Check1");
         }},
        {"dip_36-master.png", "dip36",
         [](QWidget* w) {
             click(w, "Option2");
             click(w, "Option5");
             click(w, "Option21");
             click(w, "Check2");
             tick(w);
         }},
        {"dip_fluo-fresh.png", "dipfluo", [](QWidget*) {}},
        {"dip_fluo-dmx.png", "dip4",
         [](QWidget* w) {
             type(w, "Text1", "300");
             click(w, "Check1");
             click(w, "Check3");
         }},
        {"dip_fluo-master.png", "dipfluo",
         [](QWidget* w) {
             click(w, "Option2");
             click(w, "Option5");
             click(w, "Option21");
             click(w, "Check2");
             click(w, "Check3");
             tick(w);
         }},
        {"intell-fresh.png", "dip2", [](QWidget*) {}},
        {"intell-dmx.png", "dip2",
         [](QWidget* w) {
             type(w, "Text1", "300");
             click(w, "Check1");
         }},
        {"intell-master.png", "dip2",
         [](QWidget* w) {
             click(w, "Option2");
             click(w, "Option5");
             click(w, "Option21");
             tick(w);
         }},
        {"dipdor-fresh.png", "Dip3", [](QWidget*) {}},
        {"dipdor-dmx.png", "Dip3",
         [](QWidget* w) {
             type(w, "Text1", "300");
             click(w, "Check1");
         }},
        {"dipdor-master.png", "Dip3",
         [](QWidget* w) {
             click(w, "Option2");
             click(w, "Option13");
             tick(w);
         },
         "card-dipdor-master.png"},
        {"easyrun.png", "Easy", [](QWidget*) {}},
        {"dat.png", "dati", [](QWidget*) {}},
        {"dat-maximised.png", "dati36", [](QWidget* w) { w->showMaximized(); }},
        {"dat2.png", "dati2", [](QWidget*) {}},
        {"dat3.png", "dati3", [](QWidget*) {}},
        {"dat4.png", "AT", [](QWidget*) {}},
        {"rigplan-problems.png", "rigplan", showPlanWithProblems},
        {"calc-fresh.png", "power", [](QWidget* w) { tick(w); }},
        {"calc-warnings.png", "power",
         [](QWidget* w) {
             click(w, "CC2_700");
             tick(w);
             click(w, "Option1");
             type(w, "Text1(5)", "3");
             type(w, "Text2(14)", "4");
             type(w, "Text3(3)", "5");
             type(w, "Text4(6)", "2.5");
             tick(w);
             tick(w);
         },
         "report-calc-warnings.png"},
        {"calc2-fresh.png", "power2", [](QWidget* w) { tick(w); }},
        {"calc2-warnings.png", "power2",
         [](QWidget* w) {
             tick(w);
             click(w, "Option1");
             type(w, "Text1(1)", "11");
             tick(w);
             tick(w);
         }},
    };

    // A window of the catalogue without a shot above is shown as it opens.
    for (const WindowEntry& entry : kWindows) {
        const bool shown = std::any_of(shots.begin(), shots.end(), [&](const Shot& shot) {
            return entryShownBy(shot.menuItem) == &entry;
        });
        if (!shown) {
            std::string file(entry.name);
            std::transform(file.begin(), file.end(), file.begin(), ::tolower);
            shots.push_back({file + ".png", entry.menu.first, [](QWidget*) {}});
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
