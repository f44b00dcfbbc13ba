// The main window, its menu, and the rule by which every window is created and shown.
#include "dip/dipconfigurator.h"
#include "levers/readleverswindow.h"
#include "plan/rigplanwindow.h"
#include "power/powerwindow.h"
#include "sheets/sheetwindow.h"
#include "tests/support/guitest.h"
#include "ui/colours.h"
#include "ui/picturebox.h"
#include "ui/qstr.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <algorithm>

using namespace velantra;
using namespace velantra::test;

namespace
{

// The menu as an indented outline of "name caption" lines.
void outline(const QList<QAction*>& actions, int depth, QStringList& lines)
{
    for (QAction* action : actions) {
        lines << QString(depth * 2, u' ') + action->objectName() + u' ' + action->text();
        if (QMenu* submenu = action->menu())
            outline(submenu->actions(), depth + 1, lines);
    }
}

// What each window command of the specified menu shows: the window's name and caption.
struct SpecifiedWindow {
    const char* item;
    const char* name;
    const char* caption;
};
constexpr SpecifiedWindow kSpecifiedWindows[] = {
    {"dip", "Dip_DMX", "ORVO 75 dip-switch configurator"},
    {"power", "Calc", "ORVO power configurator"},
    {"dati", "Dat", "Passive fixtures data"},
    {"dip36", "Dip_36", "ORVO 36 dip-switch configurator"},
    {"power2", "Calc2", "ORVO 36 power configurator"},
    {"dati36", "Dat", "Passive fixtures data"},
    {"dipfluo", "Dip_FLUO", "ORVO FLUO / Nembra dip-switch configurator"},
    {"dip2", "Intell", "Intelligent fixture configurator"},
    {"dati2", "Dat2", "Intelligent RGB fixtures data"},
    {"Dip3", "dipDOR", "DOR fixture configurator"},
    {"dati3", "Dat3", "DOR Intelligent fixtures data "},
    {"dip4", "Dip_FLUO", "ORVO FLUO / Nembra dip-switch configurator"},
    {"Easy", "Easyrun", "Easy run menu"},
    {"AT", "Dat4", "Atmospehre tunes"},
};

// The kind of a window, by its class.
WindowKind kindOf(QWidget* window)
{
    if (qobject_cast<dip::DipConfigurator*>(window))
        return WindowKind::Configurator;
    if (qobject_cast<power::PowerWindow*>(window))
        return WindowKind::Power;
    if (qobject_cast<plan::RigPlanWindow*>(window))
        return WindowKind::Planner;
    if (qobject_cast<levers::ReadLeversWindow*>(window))
        return WindowKind::LeverReader;
    return qobject_cast<sheets::SheetWindow*>(window) ? WindowKind::Sheet : WindowKind(-1);
}

int openWindowsNamed(const QString& name)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { program_ = std::make_unique<ProgramFixture>(); }
    void cleanup();
    void looksAsLaidOut();
    void menuOutline();
    void everyCommandShowsItsWindow_data();
    void everyCommandShowsItsWindow();
    void everySpecifiedCommandIsInTheCatalogue();
    void twoCommandsShareOneWindow_data();
    void twoCommandsShareOneWindow();
    void aboutItemsDoNothing();
    void exitClosesEverything();
    void exitWhileAWarningWaits_data();
    void exitWhileAWarningWaits();
    void closingMainLeavesOthersWorking();

private:
    std::unique_ptr<ProgramFixture> program_;
};

void MainWindowTest::cleanup()
{
    program_.reset();
    // Exit asks the application's event loop, which does not run here, to end; left standing,
    // the request would end every later event loop (a warning box's) at once. Run it to take it
    // back.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void MainWindowTest::looksAsLaidOut()
{
    Main& main = program_->main();
    QCOMPARE(main.objectName(), "Main");
    QCOMPARE(main.windowTitle(), "VELANTRA configuration tools");
    QVERIFY(!main.windowIcon().isNull());
    // Client area below the menu bar: 4815 × 1950 twips, placed at 450, 1020.
    QCOMPARE(main.centralWidget()->size(), QSize(321, 130));
    QCOMPARE(main.centralWidget()->mapTo(&main, QPoint(0, 0)) + main.geometry().topLeft(),
             QPoint(30, 68));
    QCOMPARE(main.minimumSize(), main.maximumSize());
    auto* logo = child<ui::PictureBox>(&main, "Picture1");
    QCOMPARE(logo->geometry(), QRect(200, 64, 81, 33));
    QCOMPARE(logo->picture().size(), QSize(80, 33));
    QCOMPARE(ui::background(logo), QColor(Qt::white));
}

void MainWindowTest::menuOutline()
{
    QStringList lines;
    outline(program_->main().menuBar()->actions(), 0, lines);
    const QStringList expected = {
        "exit Exit",
        "aa ORVO",
        "  Orvo ORVO 75",
        "    dip Dip-switch",
        "    power Power",
        "    dati Data",
        "  ORVO36 ORVO 36",
        "    dip36 Dip-switch",
        "    power2 Power",
        "    dati36 Data",
        "  Orvofluo ORVO FLUO",
        "    dipfluo Dip-Switch",
        "Intelligenti Intelligent Fixt.",
        "  RGB RGB",
        "    dip2 Dip-switch",
        "    dati2 Data",
        "  DOR DOR",
        "    Dip3 Dip-Switch",
        "    dati3 Data",
        "  Nembra Nembra",
        "    dip4 Dip-Switch",
        "Mf Master funct.",
        "  Easy Easy run (RGB)",
        "  AT Atm. Tunes (DOR)",
        "tools Tools",
        "  rigplan Rig plan",
        "  readlevers Read levers",
        "about ?",
        "  tit MORANDEL BRANVIK VELANTRA configurator",
        "  ver Aut. T.Zelvaro",
        "  vr2 Ver 5.3",
    };
    QCOMPARE(lines, expected);
    QVERIFY(!lines.join(u'\n').contains(u'&')); // no access keys
}

void MainWindowTest::everyCommandShowsItsWindow_data()
{
    QTest::addColumn<QString>("item");
    for (const WindowEntry& entry : kWindows) {
        for (std::string_view command : entry.menu.all()) {
            if (!command.empty())
                QTest::newRow(std::string(command).c_str())
                    << QString::fromStdString(std::string(command));
        }
    }
}

void MainWindowTest::everyCommandShowsItsWindow()
{
    QFETCH(QString, item);
    const WindowEntry& entry = *entryShownBy(item.toStdString());
    QWidget* window = program_->open(item, entry.id);
    QCOMPARE(window->objectName(), qstr(entry.name));
    QCOMPARE(kindOf(window), entry.kind);
    const auto specified = std::find_if(std::begin(kSpecifiedWindows), std::end(kSpecifiedWindows),
                                        [&](const SpecifiedWindow& w) { return item == w.item; });
    // What the benchmark leaves out to measure the original windows alone.
    QCOMPARE(isJobTool(entry.kind), specified == std::end(kSpecifiedWindows));
    if (specified != std::end(kSpecifiedWindows)) {
        QCOMPARE(window->objectName(), specified->name);
        QCOMPARE(window->windowTitle(), specified->caption);
    }
    QVERIFY(!window->parentWidget()); // top-level, without an owner
    QVERIFY(!window->isModal());
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(program_->main().isVisible()); // Main stays usable beside it
}

void MainWindowTest::everySpecifiedCommandIsInTheCatalogue()
{
    for (const SpecifiedWindow& specified : kSpecifiedWindows)
        QVERIFY2(entryShownBy(specified.item), specified.item);
}

void MainWindowTest::twoCommandsShareOneWindow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("id");
    QTest::newRow("Data") << "dati"
                          << "dati36" << int(WindowId::Dat);
    QTest::newRow("FLUO and Nembra") << "dipfluo"
                                     << "dip4" << int(WindowId::Dip_FLUO);
    QTest::newRow("same command twice") << "dip"
                                        << "dip" << int(WindowId::Dip_DMX);
}

void MainWindowTest::twoCommandsShareOneWindow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, id);
    QWidget* window = program_->open(first, WindowId(id));
    // Whatever the window holds survives the second command.
    const bool hasAddress = window->findChild<QLineEdit*>("Text1") != nullptr;
    if (hasAddress)
        paste(window, "Text1", "42");
    program_->main().activateWindow();
    QCOMPARE(program_->open(second, WindowId(id)), window);
    QCOMPARE(openWindowsNamed(window->objectName()), 1);
    if (hasAddress)
        QCOMPARE(child<QLineEdit>(window, "Text1")->text(), "42");
}

void MainWindowTest::aboutItemsDoNothing()
{
    const int before = QApplication::topLevelWidgets().size();
    for (const char* item : {"tit", "ver", "vr2"}) {
        QAction* action = child<QAction>(&program_->main(), item);
        QVERIFY(action->isEnabled());
        program_->trigger(item);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), before);
    for (int id = 0; id < kWindowCount; ++id)
        QVERIFY(!program_->registry().window(WindowId(id)));
}

void MainWindowTest::exitClosesEverything()
{
    QWidget* dip = program_->open("dip", WindowId::Dip_DMX);
    program_->open("dati", WindowId::Dat);
    program_->open("power", WindowId::Calc);
    click(dip, "Option2"); // a running timer does not hold the program up
    QPointer<QWidget> watched(dip);
    program_->trigger("exit");
    QVERIFY(watched.isNull());
    for (int id = 0; id < kWindowCount; ++id)
        QVERIFY(!program_->registry().window(WindowId(id)));
    QVERIFY(!program_->main().isVisible());
}

void MainWindowTest::exitWhileAWarningWaits_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("count"); // LEDs per colour over the output's limit: a warning
    QTest::newRow("ORVO 75 power") << "power" << int(WindowId::Calc) << "Text1(5)"
                                   << "3";
    QTest::newRow("ORVO 36 power") << "power2" << int(WindowId::Calc2) << "Text1(1)"
                                   << "11";
}

// Exit reached while a warning box waits for its OK (a screen reader can reach the menu then):
// everything disappears at once, and the window goes only once its procedure has returned.
void MainWindowTest::exitWhileAWarningWaits()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, box);
    QFETCH(QString, count);
    QPointer<QWidget> power = program_->open(item, WindowId(id));
    program_->open("dip", WindowId::Dip_DMX);
    MessageBoxAnswerer answerer;
    answerer.setWhileOpen([this] { program_->trigger("exit"); });
    typeInto(power, box, count);
    QCOMPARE(answerer.seen().size(), 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    for (int i = 0; i < kWindowCount; ++i)
        QVERIFY(!program_->registry().window(WindowId(i)));
    QVERIFY(power); // its procedure has returned into it
    program_->registry().closeAll();
    QVERIFY(!power);
}

void MainWindowTest::closingMainLeavesOthersWorking()
{
    QWidget* dip = program_->open("dip", WindowId::Dip_DMX);
    QVERIFY(program_->main().close());
    QVERIFY(dip->isVisible());
    paste(dip, "Text1", "511");
    QCOMPARE(leversOn(dip, true), "1,2,3,4,5,6,7,8,9");
    // The program runs on until the last window is closed, then ends by itself.
    QTimer::singleShot(0, dip, [dip] { dip->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

VELANTRA_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
