// The ORVO FLUO / Nembra configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindowtest.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the lower row in this window. The terminator is lever 1 of the 4-lever bank; the
// modulation, lever 10, is set in either mode and kept by both.
const DipWindow kDipFluo{
    .menuItem = "dipfluo",
    .id = WindowId::Dip_FLUO,
    .name = "Dip_FLUO",
    .title = "ORVO FLUO / Nembra dip-switch configurator",
    .masterControls = speedAndShowControls({"Check2"}),
    .keptByAddress = {"Check1", "Check3"}, // terminator and modulation
    .keptLevers = "10",
    .keptLevers4 = "1",
};
} // namespace

class DipFluoTest : public SpeedAndShowTest
{
    Q_OBJECT
public:
    DipFluoTest() : SpeedAndShowTest(kDipFluo) {}

private slots:
    void opensWithModulationOff();
    void bothMenuCommandsShowOneWindow();
    void windowFollowsTheLayout();
    void terminator();
    void modulationInEveryState();
    void pushbuttonAndBackToDmxMode();
};

void DipFluoTest::opensWithModulationOff()
{
    QVERIFY(!checked(w_, "Check3") && enabled(w_, "Check3"));
    // The terminator's lever is OFF: the upper rectangle shows.
    QVERIFY(lever(w_, 1, true).upper && !lever(w_, 1, true).lower);
}

void DipFluoTest::bothMenuCommandsShowOneWindow()
{
    paste(w_, "Text1", "42");
    QCOMPARE(program_->open("dip4", WindowId::Dip_FLUO), w_); // Nembra › Dip-Switch
    QCOMPARE(text1(w_), "42");
}

void DipFluoTest::windowFollowsTheLayout()
{
    QCOMPARE(w_->size(), QSize(606, 535));
    QCOMPARE(w_->minimumSize(), w_->maximumSize());
    QCOMPARE(w_->geometry().topLeft(), QPoint(454, 267));
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(296, 144, 33, 25));
    QCOMPARE(child(w_, "Check3")->geometry(), QRect(64, 240, 129, 13));
    QCOMPARE(child(w_, "Check3")->parentWidget(), w_);
    QCOMPARE(child(w_, "Frame4")->geometry(), QRect(224, 128, 169, 97));
    QCOMPARE(child(w_, "Check1")->geometry(), QRect(16, 72, 89, 13));
    QCOMPARE(child(w_, "Shape27")->geometry(), QRect(184, 48, 9, 25)); // 4-bank lever 1, lower
    QCOMPARE(child(w_, "Shape36")->geometry(), QRect(256, 24, 57, 49));
    QCOMPARE(child(w_, "Label2")->geometry().topLeft(), QPoint(568, 64));

    QVERIFY(inFront(w_, "Shape33", "Shape1(1)"));
    QVERIFY(inFront(w_, "Shape2", "Shape1(0)"));
    QVERIFY(inFront(w_, "Shape37", "Shape36"));
    QVERIFY(inFront(w_, "Check3", "Frame1"));
    QVERIFY(inFront(w_, "Text1", "Frame4"));
    QCOMPARE(tabOrder(child(w_, "Text1"), 4), "Text1 Option1 Option2 Option3");
    QCOMPARE(clippedCaptions(w_), QStringList());
}

void DipFluoTest::terminator()
{
    click(w_, "Check1"); // "Res. 120 ohm": 4-bank lever 1
    QCOMPARE(on4(), "1");
    QCOMPARE(on12(), "1");
    click(w_, "Option2"); // clears it
    QVERIFY(!checked(w_, "Check1") && !enabled(w_, "Check1"));
    QCOMPARE(on4(), "");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check1") && enabled(w_, "Check1"));
    QCOMPARE(on4(), "");
}

void DipFluoTest::modulationInEveryState()
{
    click(w_, "Check3"); // "1-100 % Modulation": lever 10, at once
    QCOMPARE(on12(), "1,10");
    paste(w_, "Text1", "300");
    click(w_, "Option2");
    QVERIFY(checked(w_, "Check3") && enabled(w_, "Check3"));
    QCOMPARE(on12(), "10,12");
    tick(w_);
    click(w_, "Option25");
    tick(w_);
    QCOMPARE(on12(), "4,5,6,7,8,10,12");
    click(w_, "Check3"); // in master mode too
    QCOMPARE(on12(), "4,5,6,7,8,12");
    click(w_, "Check3");
    click(w_, "Option1");
    QVERIFY(checked(w_, "Check3") && enabled(w_, "Check3"));
    QCOMPARE(on12(), "1,10");
}

void DipFluoTest::pushbuttonAndBackToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Check2"); // "Ext. pushbotton": 4-bank levers 2 and 3 and lever 11, at once
    QCOMPARE(on4(), "2,3");
    QCOMPARE(on12(), "11,12");
    click(w_, "Option6");
    click(w_, "Option9");
    tick(w_);
    QCOMPARE(on12(), "3,5,11,12");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check2")); // cleared, and its levers OFF
    expectBackInDmxMode({"Option6", "Option9"});
}

VELANTRA_TEST_MAIN(DipFluoTest)
#include "tst_dip_fluo.moc"
