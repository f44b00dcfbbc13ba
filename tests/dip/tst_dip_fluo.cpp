// The ORVO FLUO / Nembra configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindow.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the lower row in this window.
QString on12(QWidget* w)
{
    return leversOn(w, true);
}
QString on4(QWidget* w)
{
    return leversOn(w, true, true);
}

const auto kMasterControls = {"Frame2",   "Frame3",   "Frame5",   "Option3", "Option4",
                              "Option5",  "Option6",  "Option7",  "Option8", "Option13",
                              "Option18", "Option22", "Option25", "Check2"};
const auto kDmxControls = {"Frame4", "Check1", "Text1", "Label5"};
} // namespace

class DipFluoTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInDmxModeWithAddressOne();
    void bothMenuCommandsShowOneWindow();
    void windowFollowsTheLayout();
    void address_data();
    void address();
    void terminator();
    void modulationInEveryState();
    void masterModePresetsAndFirstTick();
    void masterSelections_data();
    void masterSelections();
    void pushbuttonAndBackToDmxMode();

private:
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;
};

void DipFluoTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open("dipfluo", WindowId::Dip_FLUO);
}

void DipFluoTest::cleanup()
{
    program_.reset();
}

void DipFluoTest::opensInDmxModeWithAddressOne()
{
    QCOMPARE(w_->objectName(), "Dip_FLUO");
    QCOMPARE(w_->windowTitle(), "ORVO FLUO / Nembra dip-switch configurator");
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1") && !checked(w_, "Option2"));
    QVERIFY(lever(w_, 1).lower && !lever(w_, 1).upper);
    QVERIFY(lever(w_, 1, true).upper && !lever(w_, 1, true).lower);
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "");
    QVERIFY(!errorShown(w_));
    QVERIFY(!checked(w_, "Check3") && enabled(w_, "Check3"));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QVERIFY(!timerRunning(w_));
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

void DipFluoTest::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levers");
    QTest::newRow("511 all nine") << "511"
                                  << "1,2,3,4,5,6,7,8,9";
    QTest::newRow("256 alone") << "256"
                               << "9";
    QTest::newRow("100") << "100"
                         << "3,6,7";
    QTest::newRow("2.7 as 2") << "2.7"
                              << "2";
    QTest::newRow("512 refused") << "512"
                                 << "";
    QTest::newRow("0 refused") << "0"
                               << "";
    QTest::newRow("-5 refused") << "-5"
                                << "";
    QTest::newRow("deleted") << ""
                             << "";
}

void DipFluoTest::address()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    // Terminator and modulation keep their levers whatever is typed.
    click(w_, "Check1");
    click(w_, "Check3");
    paste(w_, "Text1", text);
    QCOMPARE(on12(w_), levers.isEmpty() ? "10" : levers + ",10");
    QCOMPARE(on4(w_), "1");
    QCOMPARE(errorShown(w_), levers.isEmpty());
}

void DipFluoTest::terminator()
{
    click(w_, "Check1"); // "Res. 120 ohm": 4-bank lever 1
    QCOMPARE(on4(w_), "1");
    QCOMPARE(on12(w_), "1");
    click(w_, "Option2"); // clears it
    QVERIFY(!checked(w_, "Check1") && !enabled(w_, "Check1"));
    QCOMPARE(on4(w_), "");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check1") && enabled(w_, "Check1"));
    QCOMPARE(on4(w_), "");
}

void DipFluoTest::modulationInEveryState()
{
    click(w_, "Check3"); // "1-100 % Modulation": lever 10, at once
    QCOMPARE(on12(w_), "1,10");
    paste(w_, "Text1", "300");
    click(w_, "Option2");
    QVERIFY(checked(w_, "Check3") && enabled(w_, "Check3"));
    QCOMPARE(on12(w_), "10,12");
    tick(w_);
    click(w_, "Option25");
    tick(w_);
    QCOMPARE(on12(w_), "4,5,6,7,8,10,12");
    click(w_, "Check3"); // in master mode too
    QCOMPARE(on12(w_), "4,5,6,7,8,12");
    click(w_, "Check3");
    click(w_, "Option1");
    QVERIFY(checked(w_, "Check3") && enabled(w_, "Check3"));
    QCOMPARE(on12(w_), "1,10");
}

void DipFluoTest::masterModePresetsAndFirstTick()
{
    paste(w_, "Text1", "300");
    click(w_, "Check1");
    click(w_, "Option2");

    QVERIFY(!checked(w_, "Check1"));
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8"));
    QCOMPARE(notEnabled(w_, kDmxControls, false), "");
    QCOMPARE(notEnabled(w_, kMasterControls), "");
    QVERIFY(timerRunning(w_));
    QCOMPARE(on12(w_), "12");
    QCOMPARE(on4(w_), "");
    tick(w_);
    QCOMPARE(on12(w_), "4,12");
    QCOMPARE(on4(w_), "");
}

void DipFluoTest::masterSelections_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("show");
    QTest::addColumn<QString>("levers");
    QTest::newRow("speed 2, show 13") << "Option5"
                                      << "Option21"
                                      << "2,5,7,8,12";
    QTest::newRow("speed 0, show 0") << "Option3"
                                     << "Option8"
                                     << "12";
    QTest::newRow("speed 4, show 15") << "Option7"
                                      << "Option25"
                                      << "4,5,6,7,8,12";
    QTest::newRow("speed 1, show 10") << "Option4"
                                      << "Option18"
                                      << "1,6,8,12";
}

void DipFluoTest::masterSelections()
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
    QCOMPARE(on4(w_), "");
}

void DipFluoTest::pushbuttonAndBackToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Check2"); // "Ext. pushbotton": 4-bank levers 2 and 3 and lever 11, at once
    QCOMPARE(on4(w_), "2,3");
    QCOMPARE(on12(w_), "11,12");
    click(w_, "Option6");
    click(w_, "Option9");
    tick(w_);
    QCOMPARE(on12(w_), "3,5,11,12");
    click(w_, "Option1");

    QVERIFY(!timerRunning(w_));
    QVERIFY(!checked(w_, "Check2") && !enabled(w_, "Check2"));
    QCOMPARE(on4(w_), "");
    QCOMPARE(on12(w_), "1");
    QCOMPARE(text1(w_), "1");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QVERIFY(checked(w_, "Option6") && checked(w_, "Option9"));
    QTest::qWait(700);
    QCOMPARE(on12(w_), "1");
    click(w_, "Option2");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8"));
}

VELANTRA_TEST_MAIN(DipFluoTest)
#include "tst_dip_fluo.moc"
