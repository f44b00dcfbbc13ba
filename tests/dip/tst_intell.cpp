// The intelligent RGB fixture configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindowtest.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the upper row in this window. Its 4-lever bank shows a fixed pattern, levers 1 and 3 in
// DMX mode and 1 and 2 in master mode, and lever 4 for the resistor.
const DipWindow kIntell{
    .menuItem = "dip2",
    .id = WindowId::Intell,
    .name = "Intell",
    .title = "Intelligent fixture configurator",
    .onIsLower = false,
    .dmxLevers4 = "1,3",
    .masterControls = speedAndShowControls({"Option10"}),
    .firstTickLevers4 = "1,2",
    .keptLevers4 = "1,3,4",
};
} // namespace

class IntellTest : public SpeedAndShowTest
{
    Q_OBJECT
public:
    IntellTest() : SpeedAndShowTest(kIntell) {}

private slots:
    void windowFollowsTheLayout();
    void resistor();
    void backToDmxMode();
};

void IntellTest::windowFollowsTheLayout()
{
    QCOMPARE(w_->size(), QSize(464, 558));
    QCOMPARE(w_->geometry().topLeft(), QPoint(435, 78));
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(256, 160, 33, 25));
    QCOMPARE(child(w_, "Shape2")->geometry(), QRect(184, 32, 9, 25));     // lever 1, upper
    QCOMPARE(child(w_, "Shape33")->geometry(), QRect(112, 48, 9, 25));    // 4-bank lever 4, lower
    QCOMPARE(child(w_, "Label2")->geometry().topLeft(), QPoint(392, 32)); // "ON", upper row
    QCOMPARE(child(w_, "Label1")->geometry().topLeft(), QPoint(392, 64));
    QCOMPARE(child(w_, "Option10")->geometry(), QRect(16, 64, 65, 17));
    QCOMPARE(child(w_, "Option10")->parentWidget(), child(w_, "Frame3"));
    QCOMPARE(child<QAbstractButton>(w_, "Check1")->text(), "120 ohm resistor");
    for (const char* absent : {"Check2", "Option23", "Shape36", "Shape37"})
        QVERIFY2(!w_->findChild<QWidget*>(absent), absent);

    QVERIFY(inFront(w_, "Frame2", "Frame5"));
    QVERIFY(inFront(w_, "Text1", "Frame4"));
    QVERIFY(inFront(w_, "Option1", "Frame1"));
    QVERIFY(inFront(w_, "Shape2", "Shape1(0)"));
    QVERIFY(inFront(w_, "Shape33", "Shape32"));
    QCOMPARE(tabOrder(child(w_, "Text1"), 7),
             "Text1 Option7 Option6 Option5 Option4 Option3 Check1");
    QCOMPARE(clippedCaptions(w_), QStringList());

    // Sizable; the controls keep their places.
    QVERIFY(w_->minimumSize() != w_->maximumSize());
    w_->resize(700, 700);
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(256, 160, 33, 25));
}

void IntellTest::resistor()
{
    click(w_, "Check1"); // "120 ohm resistor": 4-bank lever 4
    QCOMPARE(on4(), "1,3,4");
    QCOMPARE(on12(), "1");
    click(w_, "Check1");
    QCOMPARE(on4(), "1,3");
}

void IntellTest::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Option5");
    click(w_, "Option21");
    tick(w_);
    click(w_, "Option1");
    expectBackInDmxMode({"Option5", "Option21"});
}

VELANTRA_TEST_MAIN(IntellTest)
#include "tst_intell.moc"
