// The DOR fixture configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindow.h"

#include <QGroupBox>

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

const auto kMasterControls = {"Frame3",   "Frame5",   "Option8",  "Option9",
                              "Option10", "Option11", "Option12", "Option13",
                              "Option14", "Option15", "Option16", "Option17"};
const auto kDmxControls = {"Frame4", "Check1", "Text1", "Label5"};
} // namespace

class DipDorTest : public QObject
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
    void tunes_data();
    void tunes();
    void anotherTuneAtTheNextTick();
    void backToDmxMode();

private:
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;
};

void DipDorTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open("Dip3", WindowId::dipDOR);
}

void DipDorTest::cleanup()
{
    program_.reset();
}

void DipDorTest::opensShowingTheAddressOfItsBox()
{
    QCOMPARE(w_->objectName(), "dipDOR");
    QCOMPARE(w_->windowTitle(), "DOR fixture configurator");
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1") && !checked(w_, "Option2"));
    // ON is the upper rectangle: levers 1 and 11 show it, lever 2 the lower one.
    QVERIFY(lever(w_, 1).upper && !lever(w_, 1).lower);
    QVERIFY(lever(w_, 11).upper && !lever(w_, 11).lower);
    QVERIFY(lever(w_, 2).lower && !lever(w_, 2).upper);
    // The drawing agrees with the box from the start, as after typing the same address.
    QCOMPARE(on12(w_), "1,11");
    QCOMPARE(on4(w_), "1,3");
    paste(w_, "Text1", "1");
    QCOMPARE(on12(w_), "1,11");

    QVERIFY(!errorShown(w_));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QVERIFY(!timerRunning(w_));
}

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

void DipDorTest::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levers");
    QTest::newRow("300") << "300"
                         << "3,4,6,9,11";
    QTest::newRow("511 all nine") << "511"
                                  << "1,2,3,4,5,6,7,8,9,11";
    QTest::newRow("512 refused") << "512"
                                 << "11";
    QTest::newRow("0 refused") << "0"
                               << "11";
    QTest::newRow("deleted") << ""
                             << "11";
}

void DipDorTest::address()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    click(w_, "Check1");
    paste(w_, "Text1", text);
    QCOMPARE(on12(w_), levers);
    QCOMPARE(on4(w_), "1,3,4");
    QCOMPARE(errorShown(w_), levers == "11");
}

void DipDorTest::resistor()
{
    click(w_, "Check1"); // "120 ohm resistor": 4-bank lever 4
    QCOMPARE(on4(w_), "1,3,4");
    QCOMPARE(on12(w_), "1,11");
    click(w_, "Check1");
    QCOMPARE(on4(w_), "1,3");
}

void DipDorTest::masterModePresetsAndFirstTick()
{
    paste(w_, "Text1", "300");
    click(w_, "Check1");
    click(w_, "Option2");

    QVERIFY(!checked(w_, "Check1"));
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option8")); // "CCT 0"
    QCOMPARE(notEnabled(w_, kDmxControls, false), "");
    QCOMPARE(notEnabled(w_, kMasterControls), "");
    QVERIFY(timerRunning(w_));
    QCOMPARE(on12(w_), "11,12");
    QCOMPARE(on4(w_), "1,3");
    tick(w_);
    QCOMPARE(on12(w_), "11,12");
    QCOMPARE(on4(w_), "1,2");
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
    QCOMPARE(on12(w_), levers);
    QCOMPARE(on4(w_), "1,2");
}

void DipDorTest::anotherTuneAtTheNextTick()
{
    click(w_, "Option2");
    click(w_, "Option13"); // CCT 5
    tick(w_);
    QCOMPARE(on12(w_), "5,11,12");
    click(w_, "Option17"); // CCT 9
    QCOMPARE(on12(w_), "5,11,12");
    QTRY_COMPARE_WITH_TIMEOUT(on12(w_), QString("9,11,12"), 1500);
}

void DipDorTest::backToDmxMode()
{
    click(w_, "Option2");
    click(w_, "Option16");
    tick(w_);
    click(w_, "Option1");

    QVERIFY(!timerRunning(w_));
    QCOMPARE(text1(w_), "1");
    QCOMPARE(on12(w_), "1,11");
    QCOMPARE(on4(w_), "1,3");
    QVERIFY(!checked(w_, "Check1"));
    QCOMPARE(notEnabled(w_, kDmxControls), "");
    QCOMPARE(notEnabled(w_, kMasterControls, false), "");
    QVERIFY(checked(w_, "Option16"));
    QTest::qWait(700);
    QCOMPARE(on12(w_), "1,11");
    click(w_, "Option2");
    QVERIFY(checked(w_, "Option8"));
}

VELANTRA_TEST_MAIN(DipDorTest)
#include "tst_dipdor.moc"
