// The ORVO 36 configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindowtest.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the lower row in this window; it has the 12-lever bank only, with the terminator on
// lever 12 and master mode on lever 11.
const DipWindow kDip36{
    .menuItem = "dip36",
    .id = WindowId::Dip_36,
    .name = "Dip_36",
    .title = "ORVO 36 dip-switch configurator",
    .hasFourBank = false,
    .masterControls = speedAndShowControls({"Check2"}),
    .masterLevers = "11",
    .firstTickLevers = "4,11",
    .keptLevers = "12",
};
} // namespace

class Dip36Test : public SpeedAndShowTest
{
    Q_OBJECT
public:
    Dip36Test() : SpeedAndShowTest(kDip36) {}

private slots:
    void windowFollowsTheLayout();
    void terminatorAndPushbutton();
    void selectionsWaitForTheTick();
    void backToDmxMode();
};

void Dip36Test::windowFollowsTheLayout()
{
    QCOMPARE(w_->size(), QSize(606, 535));
    QCOMPARE(w_->minimumSize(), w_->maximumSize());
    QCOMPARE(w_->geometry().topLeft(), QPoint(388, 193));
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(312, 144, 33, 25));
    QCOMPARE(child(w_, "Check1")->parentWidget(), child(w_, "Frame4"));
    QCOMPARE(child(w_, "Check1")->geometry(), QRect(24, 80, 169, 13));
    QCOMPARE(child(w_, "Shape25")->geometry(), QRect(536, 48, 9, 25)); // lever 12, lower
    QCOMPARE(child(w_, "Shape2")->geometry(), QRect(360, 32, 9, 25));  // lever 1, upper
    QCOMPARE(child(w_, "Label2")->geometry().topLeft(), QPoint(576, 64));
    QCOMPARE(child(w_, "Label4")->geometry(), QRect(312, 16, 257, 73));
    // One bank only: no 4-lever bank, knob or its numbers.
    for (const char* absent : {"Shape26", "Shape33", "Shape36", "Shape37", "Label6", "Shape1(1)"})
        QVERIFY2(!w_->findChild<QWidget*>(absent), absent);

    QVERIFY(inFront(w_, "Shape2", "Shape1(0)"));
    QVERIFY(inFront(w_, "Shape25", "Shape2"));
    QVERIFY(inFront(w_, "Option1", "Frame1"));
    QVERIFY(inFront(w_, "Frame3", "Frame5"));
    QCOMPARE(tabOrder(child(w_, "Text1"), 7),
             "Text1 Option1 Option2 Option3 Option4 Option5 Option6");
    QCOMPARE(clippedCaptions(w_), QStringList());
}

void Dip36Test::terminatorAndPushbutton()
{
    click(w_, "Check1"); // "Res. 120 ohm"
    QCOMPARE(on12(), "1,12");
    click(w_, "Check1");
    QCOMPARE(on12(), "1");
    click(w_, "Option2");
    tick(w_);
    click(w_, "Check2"); // "Ext. pushbotton": lever 10 at once, without a tick
    QCOMPARE(on12(), "4,10,11");
    click(w_, "Check2");
    QCOMPARE(on12(), "4,11");
}

void Dip36Test::selectionsWaitForTheTick()
{
    click(w_, "Option2");
    tick(w_);
    click(w_, "Option6");  // Speed 3
    click(w_, "Option17"); // Show 9
    QCOMPARE(on12(), "4,11");
    QTRY_COMPARE_WITH_TIMEOUT(on12(), QString("3,5,8,11"), 1500);
}

void Dip36Test::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Check2");
    click(w_, "Option4");
    click(w_, "Option20");
    tick(w_);
    QCOMPARE(on12(), "1,7,8,10,11");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check2")); // cleared: lever 10 OFF
    expectBackInDmxMode({"Option4", "Option20"});
}

VELANTRA_TEST_MAIN(Dip36Test)
#include "tst_dip_36.moc"
