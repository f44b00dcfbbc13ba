// The ORVO 36 configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindow.h"

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the lower row in this window; it has the 12-lever bank only.
QString on12(QWidget* w)
{
    return leversOn(w, true);
}

const auto kMasterControls = {"Frame2",   "Frame3",   "Frame5",   "Option3", "Option4",
                              "Option5",  "Option6",  "Option7",  "Option8", "Option13",
                              "Option18", "Option22", "Option25", "Check2"};
const auto kDmxControls = {"Frame4", "Check1", "Text1", "Label5"};
} // namespace

class Dip36Test : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInDmxModeWithAddressOne();
    void windowFollowsTheLayout();
    void address_data();
    void address();
    void terminatorAndPushbutton();
    void masterModePresetsAndFirstTick();
    void masterSelections_data();
    void masterSelections();
    void selectionsWaitForTheTick();
    void backToDmxMode();

private:
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;
};

void Dip36Test::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open("dip36", WindowId::Dip_36);
}

void Dip36Test::cleanup()
{
    program_.reset();
}

void Dip36Test::opensInDmxModeWithAddressOne()
{
    QCOMPARE(w_->objectName(), "Dip_36");
    QCOMPARE(w_->windowTitle(), "ORVO 36 dip-switch configurator");
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1") && !checked(w_, "Option2"));
    // Lever 1 ON shows its lower rectangle; lever 2 OFF its upper one.
    QVERIFY(lever(w_, 1).lower && !lever(w_, 1).upper);
    QVERIFY(lever(w_, 2).upper && !lever(w_, 2).lower);
    QCOMPARE(on12(w_), "1");
    QVERIFY(!errorShown(w_));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QCOMPARE(notEnabled(w_, {"Frame1", "Option1", "Option2"}), "");
    QVERIFY(!timerRunning(w_));
    QCOMPARE(child<QTimer>(w_, "Timer1")->interval(), 500);
}

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

void Dip36Test::address_data()
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

void Dip36Test::address()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    click(w_, "Check1"); // the terminator, lever 12, keeps its setting whatever is typed
    paste(w_, "Text1", text);
    QCOMPARE(on12(w_), levers.isEmpty() ? "12" : levers + ",12");
    QCOMPARE(text1(w_), levers.isEmpty() ? "" : text);
    QCOMPARE(errorShown(w_), levers.isEmpty());
}

void Dip36Test::terminatorAndPushbutton()
{
    click(w_, "Check1"); // "Res. 120 ohm"
    QCOMPARE(on12(w_), "1,12");
    click(w_, "Check1");
    QCOMPARE(on12(w_), "1");
    click(w_, "Option2");
    tick(w_);
    click(w_, "Check2"); // "Ext. pushbotton": lever 10 at once, without a tick
    QCOMPARE(on12(w_), "4,10,11");
    click(w_, "Check2");
    QCOMPARE(on12(w_), "4,11");
}

void Dip36Test::masterModePresetsAndFirstTick()
{
    typeInto(w_, "Text1", "300");
    click(w_, "Check1");
    click(w_, "Option2");

    QVERIFY(!checked(w_, "Check1")); // cleared: lever 12 OFF
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8")); // Speed 4, Show 0
    QCOMPARE(notEnabled(w_, kDmxControls, false), "");
    QCOMPARE(notEnabled(w_, kMasterControls), "");
    QVERIFY(timerRunning(w_));
    QCOMPARE(on12(w_), "11"); // master lever only, until the first tick
    tick(w_);
    QCOMPARE(on12(w_), "4,11");
}

void Dip36Test::masterSelections_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("show");
    QTest::addColumn<QString>("levers");
    QTest::newRow("speed 2, show 13") << "Option5"
                                      << "Option21"
                                      << "2,5,7,8,11";
    QTest::newRow("speed 0, show 0") << "Option3"
                                     << "Option8"
                                     << "11";
    QTest::newRow("speed 1, show 15") << "Option4"
                                      << "Option25"
                                      << "1,5,6,7,8,11";
    QTest::newRow("speed 3, show 10") << "Option6"
                                      << "Option18"
                                      << "3,6,8,11";
}

void Dip36Test::masterSelections()
{
    QFETCH(QString, speed);
    QFETCH(QString, show);
    QFETCH(QString, levers);
    click(w_, "Option2");
    tick(w_);
    click(w_, speed);
    click(w_, show);
    QVERIFY(checked(w_, "Option2")); // the speed and show groups leave the mode alone
    tick(w_);
    QCOMPARE(on12(w_), levers);
}

void Dip36Test::selectionsWaitForTheTick()
{
    click(w_, "Option2");
    tick(w_);
    click(w_, "Option6");  // Speed 3
    click(w_, "Option17"); // Show 9
    QCOMPARE(on12(w_), "4,11");
    QTRY_COMPARE_WITH_TIMEOUT(on12(w_), QString("3,5,8,11"), 1500);
}

void Dip36Test::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Check2");
    click(w_, "Option4");
    click(w_, "Option20");
    tick(w_);
    QCOMPARE(on12(w_), "1,7,8,10,11");
    click(w_, "Option1");

    QVERIFY(!timerRunning(w_));
    QVERIFY(!checked(w_, "Check2")); // cleared: lever 10 OFF
    QCOMPARE(text1(w_), "1");
    QCOMPARE(on12(w_), "1");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QVERIFY(checked(w_, "Option4") && checked(w_, "Option20")); // kept, disabled
    QTest::qWait(700);
    QCOMPARE(on12(w_), "1");
    click(w_, "Option2");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8"));
}

VELANTRA_TEST_MAIN(Dip36Test)
#include "tst_dip_36.moc"
