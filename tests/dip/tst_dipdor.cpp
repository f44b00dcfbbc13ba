// The DOR fixture configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindowtest.h"

#include <QGroupBox>

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the upper row in this window, and lever 11 is always ON. Master mode has one group of
// options, the atmosphere tune, instead of a speed and a show. The 4-lever bank is as in the
// intelligent fixture's window.
const DipWindow kDor{
    .menuItem = "Dip3",
    .id = WindowId::dipDOR,
    .name = "dipDOR",
    .title = "DOR fixture configurator",
    .onIsLower = false,
    .dmxLevers = "1,11",
    .dmxLevers4 = "1,3",
    .masterControls = {"Frame3", "Frame5", "Option8", "Option9", "Option10", "Option11", "Option12",
                       "Option13", "Option14", "Option15", "Option16", "Option17"},
    .presets = {"Option8"}, // "CCT 0"
    .masterLevers = "11,12",
    .firstTickLevers = "11,12",
    .firstTickLevers4 = "1,2",
    .keptLevers = "11",
    .keptLevers4 = "1,3,4",
};
} // namespace

class DipDorTest : public DipWindowTest
{
    Q_OBJECT
public:
    DipDorTest() : DipWindowTest(kDor) {}

private slots:
    void windowFollowsTheLayout();
    void resistor();
    void tunes_data();
    void tunes();
    void anotherTuneAtTheNextTick();
    void backToDmxMode();
};

void DipDorTest::windowFollowsTheLayout()
{
    QCOMPARE(w_->size(), QSize(464, 554));
    QCOMPARE(w_->geometry().topLeft(), QPoint(448, 231));
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(256, 160, 33, 25));
    QCOMPARE(child(w_, "Frame3")->geometry(), QRect(80, 328, 185, 169));
    QCOMPARE(child<QGroupBox>(w_, "Frame3")->title(), "Atmosphere tune");
    QCOMPARE(child(w_, "Option17")->geometry(), QRect(104, 112, 73, 17));
    QCOMPARE(child<QAbstractButton>(w_, "Option17")->text(), "CCT 9");
    QCOMPARE(child(w_, "Label4")->geometry(), QRect(56, 88, 369, 73));
    QCOMPARE(child(w_, "Shape22")->geometry(), QRect(344, 32, 9, 25)); // lever 11, upper
    for (const char* absent : {"Frame2", "Option3", "Option18", "Option25", "Check2"})
        QVERIFY2(!w_->findChild<QWidget*>(absent), absent);

    // The outline passes behind the opaque frames "Mode" and "DMX mode".
    QVERIFY(inFront(w_, "Frame1", "Label4"));
    QVERIFY(inFront(w_, "Frame4", "Label4"));
    QVERIFY(child(w_, "Frame1")->autoFillBackground());
    QVERIFY(inFront(w_, "Frame3", "Frame5"));
    QVERIFY(inFront(w_, "Shape33", "Shape32")); // lever 4 of the 4-lever bank: lower first
    QCOMPARE(tabOrder(child(w_, "Text1"), 5), "Text1 Check1 Option17 Option10 Option16");
    QCOMPARE(clippedCaptions(w_), QStringList());

    QVERIFY(w_->minimumSize() != w_->maximumSize());
    w_->resize(300, 300);
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(256, 160, 33, 25));
}

void DipDorTest::resistor()
{
    click(w_, "Check1"); // "120 ohm resistor": 4-bank lever 4
    QCOMPARE(on4(), "1,3,4");
    QCOMPARE(on12(), "1,11");
    click(w_, "Check1");
    QCOMPARE(on4(), "1,3");
}

void DipDorTest::tunes_data()
{
    QTest::addColumn<QString>("tune");
    QTest::addColumn<QString>("levers");
    QTest::newRow("CCT 0") << "Option8"
                           << "11,12";
    for (int k = 1; k <= 9; ++k) {
        QTest::addRow("CCT %d", k)
            << QStringLiteral("Option%1").arg(8 + k) << QStringLiteral("%1,11,12").arg(k);
    }
}

void DipDorTest::tunes()
{
    QFETCH(QString, tune);
    QFETCH(QString, levers);
    click(w_, "Option2");
    tick(w_);
    click(w_, tune);
    QCOMPARE(child<QAbstractButton>(w_, tune)->text(), QTest::currentDataTag());
    tick(w_);
    QCOMPARE(on12(), levers);
    QCOMPARE(on4(), "1,2");
}

void DipDorTest::anotherTuneAtTheNextTick()
{
    click(w_, "Option2");
    click(w_, "Option13"); // CCT 5
    tick(w_);
    QCOMPARE(on12(), "5,11,12");
    click(w_, "Option17"); // CCT 9
    QCOMPARE(on12(), "5,11,12");
    QTRY_COMPARE_WITH_TIMEOUT(on12(), QString("9,11,12"), 1500);
}

void DipDorTest::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Option16");
    tick(w_);
    click(w_, "Option1");
    expectBackInDmxMode({"Option16"});
}

VELANTRA_TEST_MAIN(DipDorTest)
#include "tst_dipdor.moc"
