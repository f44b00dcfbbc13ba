// The ORVO 36 power configurator, driven through its window, and its independence from the
// ORVO 75 window.
#include "tests/power/powerwindowtest.h"

#include <QGroupBox>

using namespace velantra;
using namespace velantra::test;

namespace
{
// One constant current output, of 350 mA only; at most 9 LEDs a colour and 36 W. The CV columns
// lie beyond the client area.
const PowerWindow kCalc2{
    .menuItem = "power2",
    .id = WindowId::Calc2,
    .name = "Calc2",
    .title = "ORVO 36 power configurator",
    .size = QSize(442, 688), // 6630 × 10320 twips
};

// Controls whose place lies right of the client area (Left 6720 twips and beyond).
QStringList visibleBeyondClientArea(QWidget* w)
{
    QStringList seen;
    for (QWidget* control : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->x() >= 448 && !control->visibleRegion().isEmpty())
            seen << control->objectName();
    }
    return seen;
}
} // namespace

class Calc2Test : public PowerWindowTest
{
    Q_OBJECT
public:
    Calc2Test() : PowerWindowTest(kCalc2) {}

private slots:
    void opensWithOneCurrentOutput();
    void windowFollowsTheLayout();
    void nothingBeyondTheClientAreaIsVisible();
    void bothLimitsBlink();
    void row14NeverHoldsACount();
    void resetEmptiesTheHiddenColumnsToo();
    void windowsKeepSeparateBudgets();

private:
    void addTypedCountRows() override;
};

void Calc2Test::opensWithOneCurrentOutput()
{
    // Only 350 mA can be chosen; the CC #2 choice and captions are hidden.
    QVERIFY(!child(w_, "CC1_700")->isEnabled());
    QVERIFY(child(w_, "CC1_1000")->isHidden() && !child(w_, "CC1_1000")->isEnabled());
    QVERIFY(child(w_, "Frame2")->isHidden());
    for (const char* name : {"Label34", "Label35", "Label36", "Label40", "Label41"})
        QVERIFY2(child(w_, name)->isHidden(), name);
    for (const char* name : {"Text58", "Text59", "Text60"})
        QVERIFY2(!child(w_, name)->isEnabled(), name);
    QVERIFY(child(w_, "Text57")->isEnabled());
    click(w_, "CC1_700"); // disabled: the click does nothing
    QVERIFY(isChecked(w_, "CC1_350"));

    for (int i = 0; i < 3; ++i)
        tick(w_);
    QCOMPARE(usableRows(w_, 1), "1-13");
    // The CC #2 column stays disabled and empty for good.
    for (int row = 1; row <= 14; ++row) {
        const QString name = QStringLiteral("Text2(%1)").arg(row);
        QVERIFY2(!child(w_, name)->isEnabled() && textOf(w_, name).isEmpty(), qPrintable(name));
    }
    typeInto(w_, "Text2(3)", "5");
    QCOMPARE(textOf(w_, "Text2(3)"), "");
    QVERIFY(answerer_->seen().isEmpty());
}

void Calc2Test::windowFollowsTheLayout()
{
    QCOMPARE(child(w_, "Text3(1)")->geometry(), QRect(448, 104, 20, 19));
    QCOMPARE(child(w_, "Text58")->geometry(), QRect(256, 552, 28, 19));
    QCOMPARE(child(w_, "Option2")->geometry(), QRect(312, 552, 105, 17));
    QCOMPARE(child(w_, "Frame1")->geometry(), QRect(40, 472, 73, 65));
    QCOMPARE(child(w_, "Shape2")->geometry(), QRect(464, 8, 313, 601));
    QCOMPARE(child<QGroupBox>(w_, "Frame1")->title(), "CC curr.(mA)");
    QCOMPARE(child<QGroupBox>(w_, "Frame2")->title(), "CC2 curr.");
    QCOMPARE(child<QLabel>(w_, "Label33")->text(), "Tot. led ");
    QCOMPARE(child<QLabel>(w_, "Label29")->text(), "Constant Current Output (CC)");
    QCOMPARE(child<QLabel>(w_, "Label20")->text(), "");
    QCOMPARE(child<QLabel>(w_, "Label19")->text(), "Sorvel RGB");
    const QStringList order = creationOrder(w_);
    QCOMPARE(order.mid(0, 8).join(u' '),
             "Frame2 Text1(2) Option2 Option1 Text3(14) Text4(14) Text2(14) Text1(14)");
    QCOMPARE(order.mid(57, 4).join(u' '), "Text1(3) Text1(1) Command1 Text63");
    QCOMPARE(order.mid(order.size() - 2).join(u' '), "Label2 Label1");
    // CC model labels on window background, CV model labels on caption-text colour.
    QCOMPARE(backgroundOf(w_, "Label8"), w_->palette().color(QPalette::Base));
    QCOMPARE(backgroundOf(w_, "Label28"), w_->palette().color(QPalette::HighlightedText));
    QCOMPARE(backgroundOf(w_, "Label29"), w_->palette().color(QPalette::Midlight));
    QVERIFY(!w_->findChild<QWidget*>("Text1(0)"));
    QVERIFY(!w_->findChild<QWidget*>("Label31"));
    // The tab chain runs from the figure boxes through Reset into the grid; the boxes that lie
    // out of sight take no focus, so that nothing unseen can be typed into them.
    const QStringList chain = focusChain(w_, "Text57", true);
    QVERIFY2(chain.join(u' ').startsWith("Text57 Text63 Command1 Text1(1) Text1(3)"),
             qPrintable(chain.join(u' ')));
    QVERIFY(!chain.contains("Text3(10)"));
    for (const QString& name : chain)
        QVERIFY2(child(w_, name)->mapTo(w_, QPoint(0, 0)).x() < 448, qPrintable(name));
}

void Calc2Test::nothingBeyondTheClientAreaIsVisible()
{
    QStringList beyond;
    for (QWidget* control : w_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->x() >= 448)
            beyond << control->objectName();
    }
    QCOMPARE(beyond.size(), 28 + 14 + 9); // boxes, model labels, captions, figures, Shape2
    QCOMPARE(visibleBeyondClientArea(w_), QStringList{});
    click(w_, "Option1");
    typeInto(w_, "Text1(1)", "11");
    typeInto(w_, "Text3(2)", "3");
    tick(w_);
    QCOMPARE(visibleBeyondClientArea(w_), QStringList{});
    const QImage shot = w_->grab().toImage();
    QCOMPARE(shot.width(), 442);
}

void Calc2Test::addTypedCountRows()
{
    const QStringList none;
    QTest::newRow("9 LEDs pass") << false << "Text1(7)=1, Text1(6)=1"
                                 << "9 0 | 21 0 0 0 | 21" << none;
    QTest::newRow("10 LEDs warn") << false << "Text1(7)=1, Text1(6)=1, Text1(1)=1"
                                  << "10 0 | 23.3 0 0 0 | 23.3" << QStringList{kLed9};
    QTest::newRow("11 × row 1, nominal")
        << true << "Text1(1)=11"
        << "11 0 | 38.5 0 0 0 | 38.5" << QStringList{kLed9, kTotal36};
    QTest::newRow("11 × row 1, average") << false << "Text1(1)=11"
                                         << "11 0 | 25.6 0 0 0 | 25.6" << QStringList{kLed9};
    QTest::newRow("exactly 36 W") << true << "Text1(6)=1, Text1(5)=1, Text1(4)=1, Text1(1)=1"
                                  << "10 0 | 35 0 0 0 | 35" << QStringList{kLed9};
    QTest::newRow("CV row 10 adds nothing") << true << "Text3(10)=5, Text4(10)=2"
                                            << "0 0 | 0 0 0 0 | 0" << none;
    QTest::newRow("CV rows out of sight count")
        << true << "Text3(3)=2, Text1(1)=1"
        << "1 0 | 3.5 0 36 0 | 39.5" << QStringList{kTotal36};
}

void Calc2Test::bothLimitsBlink()
{
    click(w_, "Option1");
    typeInto(w_, "Text1(1)", "11");
    QCOMPARE(answerer_->texts(), (QStringList{kLed9, kTotal36}));
    QCOMPARE(alarms(w_), "RwR");
    QStringList looks;
    for (int i = 0; i < 3; ++i) {
        tick(w_);
        looks << alarms(w_);
    }
    QCOMPARE(looks.join(u' '), "www RwR www");
    click(w_, "Option2"); // 25.6 W average: the total is within its limit again
    QCOMPARE(textOf(w_, "Text63"), "25.6");
    QCOMPARE(alarms(w_), "Rww");
    QCOMPARE(answerer_->seen().size(), 2);
}

void Calc2Test::row14NeverHoldsACount()
{
    typeInto(w_, "Text1(14)", "2"); // before the first tick the row still takes it
    QCOMPARE(textOf(w_, "Text57"), "4");
    tick(w_);
    QCOMPARE(textOf(w_, "Text1(14)"), "");
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(usableRows(w_, 1), "1-13");
    typeInto(w_, "Text1(14)", "2");
    QCOMPARE(textOf(w_, "Text1(14)"), "");
}

void Calc2Test::resetEmptiesTheHiddenColumnsToo()
{
    click(w_, "Option1");
    enter(w_, "Text1(2)=4, Text3(1)=2, Text4(9)=3");
    QCOMPARE(textOf(w_, "Text63"), "21.5");
    click(w_, "Command1");
    QCOMPARE(textOf(w_, "Text3(1)"), "");
    QCOMPARE(textOf(w_, "Text4(9)"), "");
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QVERIFY(isChecked(w_, "Option1"));
}

void Calc2Test::windowsKeepSeparateBudgets()
{
    QWidget* calc = program_->open("power", WindowId::Calc);
    click(calc, "Option1");
    typeInto(calc, "Text1(1)", "7");
    typeInto(calc, "Text3(10)", "2");
    QCOMPARE(figures(calc), "7 0 | 24.5 0 24 0 | 48.5");
    QCOMPARE(answerer_->texts(), QStringList{kLed6});
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(alarms(w_), "www");
    QVERIFY(isChecked(w_, "Option2"));

    typeInto(w_, "Text1(1)", "7");
    typeInto(w_, "Text3(10)", "2");
    QCOMPARE(figures(w_), "7 0 | 16.3 0 0 0 | 16.3");
    QCOMPARE(answerer_->seen().size(), 1); // 7 LEDs are within this window's limit
    QCOMPARE(figures(calc), "7 0 | 24.5 0 24 0 | 48.5");
    QCOMPARE(alarms(calc), "Rww");
    tick(w_);
    QCOMPARE(alarms(calc), "Rww"); // one window's tick does not blink the other
}

VELANTRA_TEST_MAIN(Calc2Test)
#include "tst_calc2.moc"
