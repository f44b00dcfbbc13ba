// The ORVO 75 power configurator, driven through its window as an installer uses it.
#include "tests/power/powerwindowbase.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>

using namespace velantra;
using namespace velantra::test;

namespace
{
// Two constant current outputs of 350, 700 or 1000 mA; at most 6 LEDs a colour on each and 75 W.
const PowerWindow kCalc{
    .menuItem = "power",
    .id = WindowId::Calc,
    .name = "Calc",
    .title = "ORVO power configurator",
    .size = QSize(743, 688), // 11145 × 10320 twips
};
} // namespace

class CalcTest : public PowerWindowTest
{
    Q_OBJECT
public:
    CalcTest() : PowerWindowTest(kCalc) {}

private slots:
    void row14UsableUntilTheFirstTick();
    void windowFollowsTheLayout();
    void tabOrder();
    void figureBoxesRefuseTyping();
    void warningOncePerExcursionAndBlinking();
    void warningBox();
    void modeSwitchRecomputes();
    void zeroOrLetterEmptiesTheBox();
    void currentChoices();
    void reset();
    void textOneZeroIsNoInput();
    void tickWaitsWhileWarningIsOpen();
    void timerBlinksOnItsOwn();
    void commaLocale();
    void reopenedWindowStartsAfresh();
    void narrowBoxesShowTheirBeginning();

private:
    void addTypedCountRows() override;
};

void CalcTest::row14UsableUntilTheFirstTick()
{
    // Until the first tick every box is usable; from then on 350 mA rules rows 1–13 in.
    QVERIFY(child(w_, "Text1(14)")->isEnabled() && child(w_, "Text2(14)")->isEnabled());
    tick(w_);
    QCOMPARE(usableRows(w_, 1), "1-13");
    QCOMPARE(usableRows(w_, 2), "1-13");
    QCOMPARE(usableRows(w_, 3), "1-13,14");
}

void CalcTest::windowFollowsTheLayout()
{
    // Grid row r at Top 1560 + 360 (r − 1); the CV columns at 6720 and 7560.
    QCOMPARE(child(w_, "Text3(7)")->geometry(), QRect(448, 248, 20, 19));
    QCOMPARE(child(w_, "Text4(10)")->geometry(), QRect(504, 320, 20, 19));
    QCOMPARE(child(w_, "Text1(0)")->geometry(), QRect(328, 32, 20, 19));
    QCOMPARE(child(w_, "Label13")->geometry(), QRect(184, 416, 121, 19));
    QCOMPARE(child(w_, "Label20")->geometry(), QRect(552, 320, 121, 19));
    QCOMPARE(child(w_, "Text63")->geometry(), QRect(224, 648, 60, 20));
    QCOMPARE(child(w_, "Text60")->geometry(), QRect(264, 584, 28, 19));
    QCOMPARE(child(w_, "CC2_1000")->parentWidget(), child(w_, "Frame2"));
    QCOMPARE(child(w_, "CC2_1000")->geometry(), QRect(8, 48, 49, 13));
    QCOMPARE(child(w_, "Option1")->geometry(), QRect(448, 664, 105, 17));
    QCOMPARE(child(w_, "Shape1")->geometry(), QRect(32, 632, 393, 49));
    // Captions, exactly.
    const std::pair<const char*, const char*> captions[] = {
        {"Label8", "Pomra RGB"},
        {"Label9", "Gemmo RGB "},
        {"Label4", "Tessino RGB380 mm"},
        {"Label13", "Tizzano RGB (700mA)"},
        {"Label20", "Fenda color"},
        {"Label21", "Ribbo690 mm"},
        {"Label16", ""},
        {"Label31", "#1          #2"},
        {"Label33", "Tot. led CC 1"},
        {"Label38", "Power Out CV 1"},
        {"Label44", "W"},
        {"Label29", "Constant Current Outputs (CC)"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(child<QLabel>(w_, name)->text(), caption);
    QCOMPARE(child<QGroupBox>(w_, "Frame1")->title(), "CC1 mA.");
    QCOMPARE(child<QGroupBox>(w_, "Frame2")->title(), "CC2 mA");
    QCOMPARE(child<QAbstractButton>(w_, "Command1")->text(), "Reset");
    // Fonts, read-only figure boxes.
    const QFont total = child(w_, "Text63")->font();
    QCOMPARE(total.family(), "MS Sans Serif");
    QVERIFY(total.bold() && total.pointSizeF() == 9.75);
    const QFont heading = child(w_, "Label30")->font();
    QVERIFY(heading.family() == "Arial" && heading.bold() && heading.pointSizeF() == 12);
    for (const char* box : {"Text57", "Text58", "Text59", "Text60", "Text61", "Text62", "Text63"})
        QVERIFY2(child<QLineEdit>(w_, box)->isReadOnly(), box);
    QVERIFY(!child<QLineEdit>(w_, "Text1(0)")->isReadOnly());
    // Creation order, the first created in front.
    const QStringList order = creationOrder(w_);
    QCOMPARE(order.mid(0, 12).join(u' '), "Text1(1) Text1(0) Frame2 Text1(2) Option2 Option1 "
                                          "Text3(14) Text4(14) Text2(14) Text1(14) Text4(13) "
                                          "Text3(13)");
    QCOMPARE(order.mid(58, 14).join(u' '), "Text1(4) Text1(3) Command1 Text63 Text62 Text61 "
                                           "Text60 Text59 Text58 Text57 Frame1 Shape1 Label44 "
                                           "Label43");
    QCOMPARE(order.mid(order.size() - 4).join(u' '), "Label4 Label3 Label2 Label1");
    QCOMPARE(order.size(), 57 + 7 + 2 + 2 + 1 + 1 + 44);
    // Colours: model labels on window background with window text, Label44 on the active
    // border colour; the figure boxes start white.
    const QPalette& palette = w_->palette();
    QCOMPARE(backgroundOf(w_, "Label8"), palette.color(QPalette::Base));
    QCOMPARE(backgroundOf(w_, "Label28"), palette.color(QPalette::Base));
    QCOMPARE(child(w_, "Label8")->palette().color(QPalette::WindowText),
             palette.color(QPalette::Text));
    QCOMPARE(backgroundOf(w_, "Label44"), palette.color(QPalette::Midlight));
    QCOMPARE(child<QLabel>(w_, "Label13")->frameShape(), QFrame::Box);
    QCOMPARE(child<QLabel>(w_, "Label13")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(child<QLineEdit>(w_, "Text2(7)")->alignment(), Qt::AlignCenter);
    // Everything lies within the client area.
    for (QWidget* control : w_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(w_->rect().contains(control->geometry()), qPrintable(control->objectName()));
}

void CalcTest::tabOrder()
{
    // From the first figure box: the read-only boxes and Reset, the input boxes from Text1(3)
    // on, the mode options, Text1(2), the current options, and last Text1(0) and Text1(1).
    const QString text = focusChain(w_, "Text57").join(u' ');
    QVERIFY2(text.startsWith("Text57 Text58 Text59 Text60 Text61 Text62 Text63 Command1 Text1(3) "
                             "Text1(4)"),
             qPrintable(text));
    QVERIFY2(text.contains("Text1(13) Text2(1) Text2(2)"), qPrintable(text));
    QVERIFY2(text.contains("Text3(13) Text4(13) Text1(14) Text2(14) Text4(14) Text3(14)"),
             qPrintable(text));
    QVERIFY2(text.contains("Option1 Option2 Text1(2) CC1_350 CC1_700 CC1_1000 CC2_1000 CC2_700 "
                           "CC2_350 Text1(0) Text1(1)"),
             qPrintable(text));
}

void CalcTest::figureBoxesRefuseTyping()
{
    typeInto(w_, "Text1(1)", "2");
    for (const char* box : {"Text57", "Text59", "Text63"}) {
        QVERIFY(child(w_, box)->focusPolicy() & Qt::TabFocus);
        typeMore(w_, box, "5");
        QCOMPARE(figures(w_), "2 0 | 4.6 0 0 0 | 4.6");
    }
}

void CalcTest::addTypedCountRows()
{
    const QStringList none;
    QTest::newRow("6 LEDs, average") << false << "Text1(5)=2"
                                     << "6 0 | 14 0 0 0 | 14" << none;
    QTest::newRow("6 LEDs, nominal") << true << "Text1(5)=2"
                                     << "6 0 | 21 0 0 0 | 21" << none;
    QTest::newRow("9 LEDs on CC #1") << false << "Text1(5)=3"
                                     << "9 0 | 21 0 0 0 | 21" << QStringList{kLed6};
    QTest::newRow("9 LEDs on CC #2") << false << "Text2(5)=3"
                                     << "0 9 | 0 21 0 0 | 21" << QStringList{kLed6CC2};
    QTest::newRow("row 1, nominal") << true << "Text1(1)=2"
                                    << "2 0 | 7 0 0 0 | 7" << none;
    QTest::newRow("row 1, average") << false << "Text1(1)=2"
                                    << "2 0 | 4.6 0 0 0 | 4.6" << none;
    QTest::newRow("90 W nominal") << true << "Text3(3)=5"
                                  << "0 0 | 0 0 90 0 | 90" << QStringList{kTotal75};
    QTest::newRow("60 W average") << false << "Text3(3)=5"
                                  << "0 0 | 0 0 60 0 | 60" << none;
    QTest::newRow("exactly 75 W") << true << "Text3(2)=6, Text3(1)=2"
                                  << "0 0 | 0 0 75 0 | 75" << none;
    QTest::newRow("Fenda color") << true << "Text3(10)=1"
                                 << "0 0 | 0 0 12 0 | 12" << none;
    QTest::newRow("empty CV rows") << true << "Text3(11)=4, Text4(14)=9, Text3(13)=2"
                                   << "0 0 | 0 0 0 0 | 0" << none;
    QTest::newRow("CV #2") << true << "Text4(6)=3, Text4(7)=1"
                           << "0 0 | 0 0 0 19.12 | 19.12" << none;
    QTest::newRow("negative count") << true << "Text1(1)=-10 pasted"
                                    << "-10 0 | -35 0 0 0 | -35" << none;
    QTest::newRow("halves to even") << true << "Text1(1)=2.5, Text2(1)=3.5"
                                    << "2 4 | 7 14 0 0 | 21" << none;
    QTest::newRow("40000 refused") << true << "Text3(1)=40000 pasted"
                                   << "0 0 | 0 0 0 0 | 0" << none;
    QTest::newRow("6000 on row 13")
        << true << "Text1(13)=6000"
        << "36000 0 | 63000 0 0 0 | 63000" << QStringList{kLed6, kTotal75};
}

// A figure too wide for its box shows its leading digits; the whole figure is its tooltip and
// what a screen reader reads. One that fits has no tooltip.
void CalcTest::narrowBoxesShowTheirBeginning()
{
    typeInto(w_, "Text1(13)", "6000");
    answerer_.reset();
    for (const auto& [box, shown, tip] :
         {std::tuple{"Text57", "36000", "36000"}, std::tuple{"Text63", "42000", ""}}) {
        auto* edit = child<QLineEdit>(w_, box);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->toolTip(), tip);
        QCOMPARE(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Value), shown);
        if (!QString(tip).isEmpty())
            QCOMPARE(edit->cursorPosition(), 0);
    }
}

void CalcTest::warningOncePerExcursionAndBlinking()
{
    typeInto(w_, "Text1(5)", "3");
    QCOMPARE(answerer_->texts(), QStringList{kLed6});
    QCOMPARE(alarms(w_), "Rww");
    QStringList looks;
    for (int i = 0; i < 4; ++i) {
        tick(w_);
        looks << alarms(w_);
    }
    QCOMPARE(looks.join(u' '), "www Rww www Rww");
    typeInto(w_, "Text1(5)", "4"); // still over the limit: no new warning
    typeInto(w_, "Text1(1)", "1");
    QCOMPARE(answerer_->seen().size(), 1);
    QCOMPARE(textOf(w_, "Text57"), "13");
    typeInto(w_, "Text1(1)", "");
    typeInto(w_, "Text1(5)", "2"); // back within: white and still
    QCOMPARE(alarms(w_), "www");
    tick(w_);
    tick(w_);
    QCOMPARE(alarms(w_), "www");
    typeInto(w_, "Text1(5)", "3"); // over again, warned again
    QCOMPARE(answerer_->texts(), (QStringList{kLed6, kLed6}));
    QCOMPARE(alarms(w_), "Rww");
}

void CalcTest::warningBox()
{
    click(w_, "Option1");
    typeInto(w_, "Text3(3)", "5");
    QCOMPARE(answerer_->seen().size(), 1);
    const MessageBoxSeen box = answerer_->seen().constFirst();
    QCOMPARE(box.title, "Error!");
    QCOMPARE(box.text, kTotal75);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(box.modal);
    QCOMPARE(alarms(w_), "wwR");
}

void CalcTest::modeSwitchRecomputes()
{
    typeInto(w_, "Text3(3)", "5");
    QCOMPARE(textOf(w_, "Text63"), "60");
    QVERIFY(answerer_->seen().isEmpty());
    click(w_, "Option1");
    QCOMPARE(child<QLabel>(w_, "Label39")->text(), "Total nominal power");
    QCOMPARE(textOf(w_, "Text63"), "90");
    QCOMPARE(answerer_->texts(), QStringList{kTotal75});
    QVERIFY(isRed(w_, "Text63"));
    click(w_, "Option2");
    click(w_, "Option1");
    click(w_, "Option2");
    QCOMPARE(child<QLabel>(w_, "Label39")->text(), "Total average power");
    QCOMPARE(textOf(w_, "Text63"), "60"); // never compounded
    QCOMPARE(alarms(w_), "www");
    // The mode options leave the current choices alone.
    QVERIFY(isChecked(w_, "CC1_350") && isChecked(w_, "CC2_350"));
}

void CalcTest::zeroOrLetterEmptiesTheBox()
{
    click(w_, "Option1");
    enter(w_, "Text1(3)=2, Text1(8)=3, Text1(1)=1");
    QCOMPARE(figures(w_), "6 0 | 21 0 0 0 | 21");
    typeInto(w_, "Text1(1)", "0");
    QCOMPARE(textOf(w_, "Text1(1)"), "");
    QCOMPARE(figures(w_), "5 0 | 17.5 0 0 0 | 17.5");
    for (const char* nothing : {"x", "-", ".", "0.0"}) {
        typeInto(w_, "Text3(4)", nothing);
        QCOMPARE(textOf(w_, "Text3(4)"), "");
    }
    // Typed key by key, "0" and "0." are emptied at once; pasted, 0.3 is kept and counts 0.
    typeInto(w_, "Text3(4)", "0.3");
    QCOMPARE(textOf(w_, "Text3(4)"), "3");
    paste(w_, "Text3(4)", "0.3");
    QCOMPARE(textOf(w_, "Text3(4)"), "0.3");
    typeInto(w_, "Text1(8)", "3abc");
    QCOMPARE(textOf(w_, "Text1(8)"), "3abc");
    QCOMPARE(figures(w_), "5 0 | 17.5 0 0 0 | 17.5");
    QVERIFY(answerer_->seen().isEmpty());
}

void CalcTest::currentChoices()
{
    click(w_, "Option1");
    enter(w_, "Text1(1)=1, Text1(5)=1, Text2(9)=1, Text3(1)=2");
    QCOMPARE(figures(w_), "4 3 | 14 10.5 3 0 | 27.5");
    click(w_, "CC1_700");
    QVERIFY(isChecked(w_, "CC1_700") && isChecked(w_, "CC2_350") && isChecked(w_, "Option1"));
    QCOMPARE(figures(w_), "4 3 | 14 10.5 3 0 | 27.5"); // nothing happens before the tick
    tick(w_);
    QCOMPARE(usableRows(w_, 1), "14");
    QCOMPARE(usableRows(w_, 2), "1-13");
    QCOMPARE(figures(w_), "0 3 | 0 10.5 3 0 | 13.5");
    typeInto(w_, "Text1(14)", "3"); // the 700 mA fixture
    QCOMPARE(figures(w_), "6 3 | 31.5 10.5 3 0 | 45");
    typeInto(w_, "Text1(2)", "5"); // a disabled box takes no typing
    QCOMPARE(textOf(w_, "Text1(2)"), "");

    click(w_, "CC1_1000");
    click(w_, "CC2_1000");
    tick(w_);
    QCOMPARE(usableRows(w_, 1), "");
    QCOMPARE(usableRows(w_, 2), "");
    QCOMPARE(usableRows(w_, 3), "1-13,14");
    QCOMPARE(usableRows(w_, 4), "1-13,14");
    QCOMPARE(figures(w_), "0 0 | 0 0 3 0 | 3");
    typeInto(w_, "Text4(2)", "2");
    QCOMPARE(textOf(w_, "Text63"), "27");
    click(w_, "CC1_350");
    tick(w_);
    QCOMPARE(usableRows(w_, 1), "1-13");
    QVERIFY(answerer_->seen().isEmpty());
}

void CalcTest::reset()
{
    click(w_, "Command1"); // an empty grid: nothing changes
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    click(w_, "Option1");
    click(w_, "CC2_700");
    enter(w_, "Text1(5)=3, Text2(1)=7, Text3(3)=5, Text4(14)=2, Text3(11)=0.3, Text1(0)=abc");
    QCOMPARE(answerer_->seen().size(), 3);
    QCOMPARE(alarms(w_), "RRR");
    click(w_, "Command1");
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= 14; ++row)
            QCOMPARE(textOf(w_, QStringLiteral("Text%1(%2)").arg(column).arg(row)), "");
    }
    QCOMPARE(textOf(w_, "Text1(0)"), "abc");
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(alarms(w_), "www");
    tick(w_);
    tick(w_);
    QCOMPARE(alarms(w_), "www"); // blinking has stopped
    QVERIFY(isChecked(w_, "Option1") && isChecked(w_, "CC2_700"));
    QCOMPARE(child<QLabel>(w_, "Label39")->text(), "Total nominal power");
    QCOMPARE(answerer_->seen().size(), 3);
}

void CalcTest::textOneZeroIsNoInput()
{
    typeInto(w_, "Text1(1)", "2");
    const QString before = figures(w_);
    for (const char* anything : {"7", "0", "abc", ""}) {
        typeInto(w_, "Text1(0)", anything);
        QCOMPARE(textOf(w_, "Text1(0)"), anything);
        QCOMPARE(figures(w_), before);
    }
    click(w_, "CC1_1000");
    typeInto(w_, "Text1(0)", "99");
    tick(w_);
    QCOMPARE(textOf(w_, "Text1(0)"), "99");
    QVERIFY(child(w_, "Text1(0)")->isEnabled());
    QVERIFY(answerer_->seen().isEmpty());
}

void CalcTest::tickWaitsWhileWarningIsOpen()
{
    // 1000 mA is chosen but not yet applied when the count that warns is typed.
    click(w_, "CC1_1000");
    QString seenWhileOpen;
    answerer_->setWhileOpen([&] {
        tick(w_);
        tick(w_);
        QTest::qWait(700); // the window's own timer fires meanwhile, too
        seenWhileOpen = textOf(w_, "Text1(5)") + " " + alarms(w_) + " " +
                        (child(w_, "Text1(5)")->isEnabled() ? "enabled" : "disabled");
    });
    typeInto(w_, "Text1(5)", "3");
    QCOMPARE(answerer_->texts(), QStringList{kLed6});
    QCOMPARE(seenWhileOpen, "3 www enabled");
    QCOMPARE(alarms(w_), "Rww");
    answerer_->setWhileOpen({});

    tick(w_); // the next tick after the box was closed does the work
    QCOMPARE(textOf(w_, "Text1(5)"), "");
    QCOMPARE(usableRows(w_, 1), "");
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(alarms(w_), "www");
}

void CalcTest::timerBlinksOnItsOwn()
{
    typeInto(w_, "Text2(5)", "3");
    QCOMPARE(answerer_->texts(), QStringList{kLed6CC2});
    QCOMPARE(alarms(w_), "wRw");
    QTRY_COMPARE_WITH_TIMEOUT(alarms(w_), "www", 1500);
    QTRY_COMPARE_WITH_TIMEOUT(alarms(w_), "wRw", 1500);
    QTRY_COMPARE_WITH_TIMEOUT(usableRows(w_, 2), "1-13", 1500);
}

void CalcTest::commaLocale()
{
    program_.reset();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    program_ = std::make_unique<ProgramFixture>();
    openWindow();
    QLocale::setDefault(QLocale::c());
    typeInto(w_, "Text1(1)", "1");
    typeInto(w_, "Text4(6)", "1.4"); // the full stop is how numbers are typed in any locale
    QCOMPARE(figures(w_), "1 0 | 2,3 0 0 2,5 | 4,8");
    click(w_, "Option1");
    QCOMPARE(figures(w_), "1 0 | 3,5 0 0 3,84 | 7,34");
}

void CalcTest::reopenedWindowStartsAfresh()
{
    click(w_, "Option1");
    click(w_, "CC1_1000");
    typeInto(w_, "Text3(3)", "5");
    w_->close();
    QApplication::processEvents();
    openWindow();
    QCOMPARE(figures(w_), "0 0 | 0 0 0 0 | 0");
    QCOMPARE(textOf(w_, "Text3(3)"), "");
    QVERIFY(isChecked(w_, "Option2") && isChecked(w_, "CC1_350"));
    QCOMPARE(alarms(w_), "www");
}

VELANTRA_TEST_MAIN(CalcTest)
#include "tst_calc.moc"
