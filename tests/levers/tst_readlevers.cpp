// Tools › Read levers as a user meets it: levers set with the mouse or the keyboard on one of our
// devices or a fixture type of the plan, the reading and the problems it shows, each lever's
// name for a screen reader, and a choice of fixture that goes away with the plan's types.
#include "levers/levertoggle.h"
#include "levers/readleverswindow.h"
#include "plan/plantablemodel.h"
#include "plan/rigplanwindow.h"
#include "tests/support/guitest.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace velantra;
using levers::LeverToggle;
using levers::ReadLeversWindow;
using velantra::test::child;

namespace
{

const levers::FixtureTypeLevers kWash{"Lumetta Wash 7",
                                      {.levers = 10,
                                       .lowestLever = 9,
                                       .onUp = false,
                                       .addressMinusOne = true,
                                       .named = {{10, "stand-alone"}}}};
const levers::FixtureTypeLevers kDimmer{"Kordel Dim 4", {.levers = 9}};

LeverToggle* leverOf(QWidget* window, int bank, int lever)
{
    auto* frame = child<QGroupBox>(window, QStringLiteral("Bank(%1)").arg(bank));
    return child<LeverToggle>(frame, QStringLiteral("Lever(%1)").arg(lever));
}

void choose(QWidget* window, const QString& fixture)
{
    auto* list = child<QListWidget>(window, QStringLiteral("fixture"));
    const QList<QListWidgetItem*> found = list->findItems(fixture, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(fixture));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
    QCOMPARE(list->currentItem(), found.front());
}

QString shown(QWidget* window, const char* name)
{
    return child<QLabel>(window, QLatin1String(name))->text();
}

} // namespace

class ReadLeversTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<ReadLeversWindow>();
        window_->setFixtureTypes({kWash, kDimmer});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }
    void clickedLevers_data();
    void clickedLevers();
    void keyboardOnly();
    void plansTypesChange();
    void openPlansTypesOffered();

private:
    std::unique_ptr<ReadLeversWindow> window_;
};

void ReadLeversTest::clickedLevers_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QList<int>>("left");    // levers clicked on the leftmost bank
    QTest::addColumn<QList<int>>("right");   // … and on the next, where there is one
    QTest::addColumn<QStringList>("fields"); // reading, address, mode, options, problems
    QTest::newRow("ORVO 75 at 300, 6 Ch, terminator")
        << "ORVO 75" << QList<int>{1} << QList<int>{3, 4, 6, 9, 11}
        << QStringList{"DMX address 300, 6 Ch, Res. 120 ohm", "300", "DMX (slave)",
                       "6 Ch, Res. 120 ohm", "none"};
    QTest::newRow("ORVO 36, nothing set")
        << "ORVO 36" << QList<int>{} << QList<int>{}
        << QStringList{"DMX address none", "none", "DMX (slave)", "none",
                       "no address lever is ON: address 0 is no DMX address"};
    QTest::newRow("DOR master, CCT 5")
        << "DOR" << QList<int>{1, 2} << QList<int>{11, 5, 12}
        << QStringList{"Master, CCT 5", "none: a master takes no address", "Master", "CCT 5",
                       "none"};
    QTest::newRow("ORVO FLUO, one lever clicked twice")
        << "ORVO FLUO / Nembra" << QList<int>{} << QList<int>{1, 10, 3, 3}
        << QStringList{"DMX address 1, 1-100 % Modulation", "1", "DMX (slave)",
                       "1-100 % Modulation", "none"};
    QTest::newRow("intelligent fixture, DMX pattern wrong")
        << "Intelligent RGB" << QList<int>{1, 2, 3} << QList<int>{4}
        << QStringList{"DMX address 8", "8", "DMX (slave)", "none",
                       "lever 2 of the 4-lever bank must be OFF in DMX mode"};
    QTest::newRow("plan's wash, lowest bit last, address - 1")
        << "Lumetta Wash 7" << QList<int>{1, 8, 10} << QList<int>{}
        << QStringList{"DMX address 259, stand-alone", "259", "DMX", "stand-alone", "none"};
    QTest::newRow("plan's dimmer, all nine levers")
        << "Kordel Dim 4" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<int>{}
        << QStringList{"DMX address 511", "511", "DMX", "none", "none"};
    QTest::newRow("plan's dimmer, no lever")
        << "Kordel Dim 4" << QList<int>{} << QList<int>{}
        << QStringList{"DMX address none", "none", "DMX", "none",
                       "no address lever is ON: address 0 is no DMX address"};
}

void ReadLeversTest::clickedLevers()
{
    QFETCH(QString, fixture);
    QFETCH(QList<int>, left);
    QFETCH(QList<int>, right);
    QFETCH(QStringList, fields);
    choose(window_.get(), fixture);
    for (int lever : left)
        QTest::mouseClick(leverOf(window_.get(), 0, lever), Qt::LeftButton);
    for (int lever : right)
        QTest::mouseClick(leverOf(window_.get(), 1, lever), Qt::LeftButton);
    QCOMPARE((QStringList{shown(window_.get(), "reading"), shown(window_.get(), "address"),
                          shown(window_.get(), "mode"), shown(window_.get(), "options"),
                          shown(window_.get(), "problems")}),
             fields);
}

// Tab from the choice to the levers, Space to set one; each lever says its state.
void ReadLeversTest::keyboardOnly()
{
    auto* list = child<QListWidget>(window_.get(), QStringLiteral("fixture"));
    list->setFocus();
    // Down the list by keyboard to the ORVO 36, then on to its levers.
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentItem()->text(), "ORVO 36");
    QCOMPARE(leverOf(window_.get(), 0, 3)->accessibleName(), "Lever 3: OFF");
    for (int lever = 1; lever <= 3; ++lever)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), leverOf(window_.get(), 0, 3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(leverOf(window_.get(), 0, 3)->accessibleName(), "Lever 3: ON");
    QVERIFY(leverOf(window_.get(), 0, 3)->isChecked());
    QCOMPARE(shown(window_.get(), "reading"), "DMX address 4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(leverOf(window_.get(), 0, 3)->accessibleName(), "Lever 3: OFF");
    QCOMPARE(shown(window_.get(), "reading"), "DMX address none");
}

// A type the plan no longer has cannot stay chosen; a type it keeps stays, levers and all.
void ReadLeversTest::plansTypesChange()
{
    choose(window_.get(), "Kordel Dim 4");
    QTest::mouseClick(leverOf(window_.get(), 0, 2), Qt::LeftButton);
    window_->setFixtureTypes({kDimmer});
    QCOMPARE(child<QListWidget>(window_.get(), QStringLiteral("fixture"))->currentItem()->text(),
             "Kordel Dim 4");
    QCOMPARE(shown(window_.get(), "reading"), "DMX address 2");
    // Edited in the plan: lowest bit last now, the levers start again.
    levers::FixtureTypeLevers edited = kDimmer;
    edited.scheme.lowestLever = 9;
    window_->setFixtureTypes({edited});
    QCOMPARE(shown(window_.get(), "reading"), "DMX address none");
    QTest::mouseClick(leverOf(window_.get(), 0, 9), Qt::LeftButton);
    QCOMPARE(shown(window_.get(), "reading"), "DMX address 1");
    window_->setFixtureTypes({kWash});
    QCOMPARE(child<QListWidget>(window_.get(), QStringLiteral("fixture"))->currentItem()->text(),
             "ORVO 75");
    QCOMPARE(child<QGroupBox>(window_.get(), QStringLiteral("Bank(1)"))->title(), "12-lever bank");
    QCOMPARE(shown(window_.get(), "reading"), "DMX address none, 3 Ch");
}

// Tools › Read levers offers the fixture types of the plan open in the Rig plan window that have
// levers, after our devices.
void ReadLeversTest::openPlansTypesOffered()
{
    test::ProgramFixture program;
    auto* planner = qobject_cast<plan::RigPlanWindow*>(
        program.open(QStringLiteral("rigplan"), WindowId::RigPlan));
    plan::RigPlan rig;
    rig.types = {{.name = "Lumetta Wash 7", .channels = 7, .levers = kWash.scheme},
                 {.name = "Hazer 2", .channels = 2, .levers = std::nullopt}};
    planner->model().setPlan(rig);
    QWidget* reader = program.open(QStringLiteral("readlevers"), WindowId::ReadLevers);
    auto* list = child<QListWidget>(reader, QStringLiteral("fixture"));
    QStringList offered;
    for (int i = 0; i < list->count(); ++i)
        offered << list->item(i)->text();
    QCOMPARE(offered, (QStringList{"ORVO 75", "ORVO 36", "ORVO FLUO / Nembra", "Intelligent RGB",
                                   "DOR", "Lumetta Wash 7"}));
    choose(reader, "Lumetta Wash 7");
    QTest::mouseClick(leverOf(reader, 0, 9), Qt::LeftButton);
    QCOMPARE(shown(reader, "reading"), "DMX address 2");
}

VELANTRA_TEST_MAIN(ReadLeversTest)
#include "tst_readlevers.moc"
