// The intelligent RGB fixture configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindow.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the upper row in this window.
QString on12(QWidget* w)
{
    return leversOn(w, false);
}
QString on4(QWidget* w)
{
    return leversOn(w, false, true);
}

const auto kMasterControls = {"Frame2",   "Frame3",   "Frame5",   "Option3", "Option4",
                              "Option5",  "Option6",  "Option7",  "Option8", "Option10",
                              "Option13", "Option18", "Option22", "Option25"};
const auto kDmxControls = {"Frame4", "Check1", "Text1", "Label5"};
} // namespace

class IntellTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensShowingTheAddressOfItsBox();
    void windowFollowsTheLayout();
    void address_data();
    void address();
    void resistor();
    void masterModePresetsAndFirstTick();
    void masterSelections_data();
    void masterSelections();
    void backToDmxMode();

private:
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;
};

void IntellTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open("dip2", WindowId::Intell);
}

void IntellTest::cleanup()
{
    program_.reset();
}

void IntellTest::opensShowingTheAddressOfItsBox()
{
    QCOMPARE(w_->objectName(), "Intell");
    QCOMPARE(w_->windowTitle(), "Intelligent fixture configurator");
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1") && !checked(w_, "Option2"));
    // ON is the upper rectangle: lever 1 (address 1) shows it, lever 2 the lower one.
    QVERIFY(lever(w_, 1).upper && !lever(w_, 1).lower);
    QVERIFY(lever(w_, 2).lower && !lever(w_, 2).upper);
    // The drawing agrees with the box from the start, as after typing the same address.
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "1,3");
    paste(w_, "Text1", "1");
    QCOMPARE(on12(w_), "1");

    QVERIFY(!errorShown(w_));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QVERIFY(!timerRunning(w_));
}

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

void IntellTest::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levers");
    QTest::newRow("300") << "300"
                         << "3,4,6,9";
    QTest::newRow("511 all nine") << "511"
                                  << "1,2,3,4,5,6,7,8,9";
    QTest::newRow("512 refused") << "512"
                                 << "";
    QTest::newRow("0 refused") << "0"
                               << "";
    QTest::newRow("deleted") << ""
                             << "";
}

void IntellTest::address()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    click(w_, "Check1");
    paste(w_, "Text1", text);
    QCOMPARE(on12(w_), levers);
    QCOMPARE(on4(w_), "1,3,4"); // the 4-lever bank keeps its pattern and the resistor
    QCOMPARE(errorShown(w_), levers.isEmpty());
}

void IntellTest::resistor()
{
    click(w_, "Check1"); // "120 ohm resistor": 4-bank lever 4
    QCOMPARE(on4(w_), "1,3,4");
    QCOMPARE(on12(w_), "1");
    click(w_, "Check1");
    QCOMPARE(on4(w_), "1,3");
}

void IntellTest::masterModePresetsAndFirstTick()
{
    paste(w_, "Text1", "300");
    click(w_, "Check1");
    click(w_, "Option2");

    QVERIFY(!checked(w_, "Check1"));
    QCOMPARE(on4(w_), "1,3"); // resistor OFF at once; the DMX pattern until the first tick
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8"));
    QCOMPARE(notEnabled(w_, kDmxControls, false), "");
    QCOMPARE(notEnabled(w_, kMasterControls), "");
    QVERIFY(timerRunning(w_));
    QCOMPARE(on12(w_), "12");
    tick(w_);
    QCOMPARE(on12(w_), "4,12");
    QCOMPARE(on4(w_), "1,2");
}

void IntellTest::masterSelections_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("show");
    QTest::addColumn<QString>("levers");
    QTest::newRow("speed 2, show 5") << "Option5"
                                     << "Option13"
                                     << "2,5,7,12";
    QTest::newRow("speed 0, show 15") << "Option3"
                                      << "Option25"
                                      << "5,6,7,8,12";
    QTest::newRow("speed 0, show 0") << "Option3"
                                     << "Option8"
                                     << "12";
    QTest::newRow("speed 3, show 10") << "Option6"
                                      << "Option18"
                                      << "3,6,8,12";
    QTest::newRow("speed 1, show 2") << "Option4"
                                     << "Option10"
                                     << "1,6,12";
}

void IntellTest::masterSelections()
{
    QFETCH(QString, speed);
    QFETCH(QString, show);
    QFETCH(QString, levers);
    click(w_, "Option2");
    tick(w_);
    click(w_, speed);
    click(w_, show);
    QCOMPARE(on12(w_), "4,12"); // nothing moves before the tick
    tick(w_);
    QCOMPARE(on12(w_), levers);
    QCOMPARE(on4(w_), "1,2");
}

void IntellTest::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Option5");
    click(w_, "Option21");
    tick(w_);
    click(w_, "Option1");

    QVERIFY(!timerRunning(w_));
    QCOMPARE(text1(w_), "1");
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "1,3");
    QVERIFY(!checked(w_, "Check1"));
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QVERIFY(checked(w_, "Option5") && checked(w_, "Option21"));
    QTest::qWait(700);
    QCOMPARE(on4(w_), "1,3");
}

VELANTRA_TEST_MAIN(IntellTest)
#include "tst_intell.moc"
