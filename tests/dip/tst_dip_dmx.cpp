// The ORVO 75 configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

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
} // namespace

class DipDmxTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInDmxModeWithAddressOne();
    void windowFollowsTheLayout();
    void pastedAddress_data();
    void pastedAddress();
    void typingKeyByKey();
    void deletingAndRetyping();
    void addressLeavesOtherLeversAlone();
    void channelCountAndTerminator();
    void masterModePresetsAndFirstTick();
    void masterSelections_data();
    void masterSelections();
    void selectionsWaitForTheTick();
    void pushbuttonInMasterMode();
    void backToDmxMode();
    void disabledControlsIgnoreClicks();
    void reopenedWindowStartsAfresh();
    void screenReaderReadsTheLevers();

private:
    std::unique_ptr<ProgramFixture> program_;
    QWidget* w_ = nullptr;
};

void DipDmxTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open("dip", WindowId::Dip_DMX);
}

void DipDmxTest::cleanup()
{
    program_.reset();
}

void DipDmxTest::opensInDmxModeWithAddressOne()
{
    QCOMPARE(w_->objectName(), "Dip_DMX");
    QCOMPARE(w_->windowTitle(), "ORVO 75 dip-switch configurator");
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1"));
    QVERIFY(!checked(w_, "Option2"));
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "");
    QVERIFY(!errorShown(w_));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    for (const char* name :
         {"Frame2", "Frame3", "Frame5", "Option3", "Option7", "Option8", "Option25", "Check2"})
        QVERIFY2(!enabled(w_, name), name);
    for (const char* name : {"Frame4", "Option23", "Option24", "Check1", "Text1", "Label5",
                             "Option1", "Option2", "Frame1"})
        QVERIFY2(enabled(w_, name), name);
    QVERIFY(!checked(w_, "Option23") && !checked(w_, "Option24"));
    QVERIFY(!child<QTimer>(w_, "Timer1")->isActive());
    QCOMPARE(child<QTimer>(w_, "Timer1")->interval(), 500);
}

void DipDmxTest::windowFollowsTheLayout()
{
    // Client area 9090 × 8025 twips, fixed.
    QCOMPARE(w_->size(), QSize(606, 535));
    QCOMPARE(w_->minimumSize(), w_->maximumSize());
    QVERIFY(!(w_->windowFlags() & Qt::WindowMaximizeButtonHint));
    // Rectangles at twips ÷ 15, frame children relative to their frame.
    QCOMPARE(child(w_, "Text1")->geometry(), QRect(368, 144, 33, 25));
    QCOMPARE(child(w_, "Option25")->parentWidget(), child(w_, "Frame3"));
    QCOMPARE(child(w_, "Option25")->geometry(), QRect(112, 184, 65, 17));
    QCOMPARE(child(w_, "Shape3")->geometry(), QRect(360, 48, 9, 25));
    QCOMPARE(child(w_, "Shape33")->geometry(), QRect(232, 48, 9, 25));
    QCOMPARE(child(w_, "Shape1(1)")->geometry(), QRect(176, 24, 73, 57));
    QCOMPARE(child(w_, "Label2")->geometry().topLeft(), QPoint(568, 64));
    QCOMPARE(child<QLabel>(w_, "Label7")->text(), "! ERROR !  DMX address: 1 - 511");
    QCOMPARE(child<QLabel>(w_, "Label3")->text(),
             "1   2   3    4    5   6   7    8   9  10  11 12");
    QCOMPARE(child<QAbstractButton>(w_, "Option23")->text(), "3 Ch ");
    QCOMPARE(child<QAbstractButton>(w_, "Check2")->text(), "Ext. pushbotton");

    // Earlier rows lie in front: levers before bodies, options before their frames.
    const auto stackIndex = [&](const char* name) {
        return w_->children().indexOf(child(w_, name));
    };
    QVERIFY(stackIndex("Shape2") > stackIndex("Shape1(0)"));
    QVERIFY(stackIndex("Option1") > stackIndex("Frame1"));
    QVERIFY(stackIndex("Text1") > stackIndex("Frame4"));
    QVERIFY(stackIndex("Shape37") > stackIndex("Shape36"));
    QCOMPARE(w_->childAt(child(w_, "Option1")->geometry().center()), child(w_, "Option1"));

    // Tab order by tab index, from Text1.
    QStringList order;
    QWidget* at = child(w_, "Text1");
    while (order.size() < 8) {
        if (at->focusPolicy() & Qt::TabFocus)
            order << at->objectName();
        at = at->nextInFocusChain();
    }
    QCOMPARE(order.join(u' '), "Text1 Option1 Option2 Option3 Option4 Option5 Option6 Option7");
    QCOMPARE(clippedCaptions(w_), QStringList());
}

void DipDmxTest::pastedAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levers");
    QTest::addColumn<QString>("textAfter");
    QTest::newRow("300") << "300"
                         << "3,4,6,9"
                         << "300";
    QTest::newRow("511 all nine") << "511"
                                  << "1,2,3,4,5,6,7,8,9"
                                  << "511";
    QTest::newRow("256 alone") << "256"
                               << "9"
                               << "256";
    QTest::newRow("10") << "10"
                        << "2,4"
                        << "10";
    QTest::newRow("blanks") << "1 2 3"
                            << "1,2,4,5,6,7"
                            << "1 2 3";
    QTest::newRow("trailing letters") << "12abc"
                                      << "3,4"
                                      << "12abc";
    QTest::newRow("exponent") << "1e2"
                              << "3,6,7"
                              << "1e2";
    QTest::newRow("hex") << "&H1FF"
                         << "1,2,3,4,5,6,7,8,9"
                         << "&H1FF";
    QTest::newRow("fraction 1.9") << "1.9"
                                  << "1"
                                  << "1.9";
    QTest::newRow("fraction 300.7") << "300.7"
                                    << "3,4,6,9"
                                    << "300.7";
    QTest::newRow("512 refused") << "512"
                                 << ""
                                 << "";
    QTest::newRow("0 refused") << "0"
                               << ""
                               << "";
    QTest::newRow("C hex refused") << "0x10"
                                   << ""
                                   << "";
    QTest::newRow("511.5 refused") << "511.5"
                                   << ""
                                   << "";
    QTest::newRow("0.5 refused") << "0.5"
                                 << ""
                                 << "";
    QTest::newRow("-5 refused") << "-5"
                                << ""
                                << "";
    QTest::newRow("letters refused") << "abc"
                                     << ""
                                     << "";
    QTest::newRow("beyond double refused") << "1e999"
                                           << ""
                                           << "";
    QTest::newRow("hex beyond 32 bits refused") << "&H123456789"
                                                << ""
                                                << "";
}

void DipDmxTest::pastedAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    QFETCH(QString, textAfter);
    paste(w_, "Text1", text);
    QCOMPARE(on12(w_), levers);
    QCOMPARE(text1(w_), textAfter);
    QCOMPARE(errorShown(w_), textAfter.isEmpty());
    QCOMPARE(on4(w_), "");
}

void DipDmxTest::typingKeyByKey()
{
    typeInto(w_, "Text1", "1");
    QCOMPARE(on12(w_), "1");
    typeMore(w_, "Text1", "2");
    QCOMPARE(on12(w_), "3,4");
    QVERIFY(!errorShown(w_));
    typeMore(w_, "Text1", "3");
    QCOMPARE(text1(w_), "123");
    QCOMPARE(on12(w_), "1,2,4,5,6,7");
    QVERIFY(!errorShown(w_));
    // A fourth digit makes 1234: refused, the box is emptied.
    typeMore(w_, "Text1", "4");
    QCOMPARE(text1(w_), "");
    QVERIFY(errorShown(w_));
    QCOMPARE(on12(w_), "");
}

void DipDmxTest::deletingAndRetyping()
{
    QTest::keyClick(child(w_, "Text1"), Qt::Key_End);
    QTest::keyClick(child(w_, "Text1"), Qt::Key_Backspace);
    QCOMPARE(text1(w_), "");
    QVERIFY(errorShown(w_));
    QCOMPARE(on12(w_), "");
    QTest::keyClicks(child(w_, "Text1"), "7");
    QVERIFY(!errorShown(w_));
    QCOMPARE(on12(w_), "1,2,3");
}

void DipDmxTest::addressLeavesOtherLeversAlone()
{
    click(w_, "Option24");
    click(w_, "Check1");
    QCOMPARE(on12(w_), "1,11");
    QCOMPARE(on4(w_), "1");
    paste(w_, "Text1", "300");
    QCOMPARE(on12(w_), "3,4,6,9,11");
    QCOMPARE(on4(w_), "1");
    paste(w_, "Text1", "512");
    QCOMPARE(on12(w_), "11");
    QCOMPARE(on4(w_), "1");
}

void DipDmxTest::channelCountAndTerminator()
{
    click(w_, "Option24"); // "6 Ch"
    QCOMPARE(on12(w_), "1,11");
    click(w_, "Option23"); // "3 Ch "
    QCOMPARE(on12(w_), "1");
    QVERIFY(!checked(w_, "Option24"));
    click(w_, "Check1");
    QVERIFY(checked(w_, "Check1"));
    QCOMPARE(on4(w_), "1");
    click(w_, "Check1");
    QCOMPARE(on4(w_), "");
    // Choosing the channel count leaves the mode alone: the groups are separate.
    QVERIFY(checked(w_, "Option1"));
}

void DipDmxTest::masterModePresetsAndFirstTick()
{
    paste(w_, "Text1", "300");
    click(w_, "Option24");
    click(w_, "Check1");
    click(w_, "Option2");

    QVERIFY(checked(w_, "Option2"));
    QVERIFY(!checked(w_, "Option1"));
    QVERIFY(checked(w_, "Option7"));  // Speed 4
    QVERIFY(checked(w_, "Option8"));  // Show 0
    QVERIFY(checked(w_, "Option23")); // 3 Ch: its procedure put lever 11 OFF
    QVERIFY(!checked(w_, "Option24"));
    QVERIFY(!checked(w_, "Check1")); // its procedure put the terminator lever OFF
    QCOMPARE(text1(w_), "1");
    QVERIFY(!enabled(w_, "Text1") && !enabled(w_, "Check1") && !enabled(w_, "Frame4"));
    QVERIFY(enabled(w_, "Option5") && enabled(w_, "Option21") && enabled(w_, "Check2"));
    QVERIFY(child<QTimer>(w_, "Timer1")->isActive());

    // Until the first tick only the master lever is ON.
    QCOMPARE(on12(w_), "12");
    QCOMPARE(on4(w_), "");
    tick(w_);
    QCOMPARE(on12(w_), "4,12");
    QCOMPARE(on4(w_), "");
}

void DipDmxTest::masterSelections_data()
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
    QTest::newRow("speed 1, show 1") << "Option4"
                                     << "Option9"
                                     << "1,5,12";
    QTest::newRow("speed 3, show 10") << "Option6"
                                      << "Option18"
                                      << "3,6,8,12";
    QTest::newRow("speed 4, show 15") << "Option7"
                                      << "Option25"
                                      << "4,5,6,7,8,12";
    QTest::newRow("speed 0, show 6") << "Option3"
                                     << "Option14"
                                     << "6,7,12";
}

void DipDmxTest::masterSelections()
{
    QFETCH(QString, speed);
    QFETCH(QString, show);
    QFETCH(QString, levers);
    click(w_, "Option2");
    tick(w_);
    click(w_, speed);
    click(w_, show);
    QVERIFY(checked(w_, "Option2")); // speed and show groups never touch the mode
    tick(w_);
    QCOMPARE(on12(w_), levers);
    // Every tick draws the same from the same selections.
    tick(w_);
    QCOMPARE(on12(w_), levers);
}

void DipDmxTest::selectionsWaitForTheTick()
{
    click(w_, "Option2");
    tick(w_);
    QCOMPARE(on12(w_), "4,12");
    click(w_, "Option17"); // Show 9
    QCOMPARE(on12(w_), "4,12");
    // The real timer draws it within 500 ms.
    QTRY_COMPARE_WITH_TIMEOUT(on12(w_), QString("4,5,8,12"), 1500);
}

void DipDmxTest::pushbuttonInMasterMode()
{
    click(w_, "Option2");
    click(w_, "Check2");
    QCOMPARE(on4(w_), "2,3");
    QCOMPARE(on12(w_), "11,12");
    tick(w_);
    QCOMPARE(on12(w_), "4,11,12");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check2"));
    QVERIFY(!enabled(w_, "Check2"));
    QCOMPARE(on4(w_), "");
    QCOMPARE(on12(w_), "1");
}

void DipDmxTest::backToDmxMode()
{
    paste(w_, "Text1", "300");
    click(w_, "Check1");
    click(w_, "Option2");
    click(w_, "Option6");
    click(w_, "Option16");
    tick(w_);
    click(w_, "Option1");

    QVERIFY(!child<QTimer>(w_, "Timer1")->isActive());
    QCOMPARE(text1(w_), "1");
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "");
    QVERIFY(!checked(w_, "Check1")); // cleared on the way into master mode, still clear
    QVERIFY(enabled(w_, "Text1") && enabled(w_, "Check1") && enabled(w_, "Option24"));
    QVERIFY(!enabled(w_, "Option6") && !enabled(w_, "Option16") && !enabled(w_, "Frame5"));
    // The speed and show keep their selection, disabled; no tick changes the levers now.
    QVERIFY(checked(w_, "Option6") && checked(w_, "Option16"));
    QTest::qWait(700);
    QCOMPARE(on12(w_), "1");
    // Master again selects the defaults anew.
    click(w_, "Option2");
    QVERIFY(checked(w_, "Option7") && checked(w_, "Option8"));
}

void DipDmxTest::disabledControlsIgnoreClicks()
{
    click(w_, "Option5");
    click(w_, "Check2");
    QVERIFY(!checked(w_, "Option5"));
    QVERIFY(!checked(w_, "Check2"));
    QCOMPARE(on12(w_), "1");
    QCOMPARE(on4(w_), "");
    click(w_, "Option2");
    click(w_, "Check1");
    click(w_, "Option24");
    QVERIFY(!checked(w_, "Check1") && !checked(w_, "Option24"));
    tick(w_);
    QCOMPARE(on12(w_), "4,12");
    QCOMPARE(on4(w_), "");
}

void DipDmxTest::reopenedWindowStartsAfresh()
{
    paste(w_, "Text1", "77");
    click(w_, "Option2");
    w_->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!program_->registry().window(WindowId::Dip_DMX));
    w_ = program_->open("dip", WindowId::Dip_DMX);
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1"));
    QCOMPARE(on12(w_), "1");
    QVERIFY(!child<QTimer>(w_, "Timer1")->isActive());
}

void DipDmxTest::screenReaderReadsTheLevers()
{
    const auto description = [&](const char* body) {
        return child(w_, body)->accessibleDescription();
    };
    QCOMPARE(child(w_, "Text1")->accessibleName(), "DMX address");
    QCOMPARE(child(w_, "Shape1(0)")->accessibleName(), "12-lever DIP-switch bank");
    QCOMPARE(description("Shape1(0)"), "Levers ON: 1");
    QCOMPARE(description("Shape1(1)"), "Levers ON: none");
    paste(w_, "Text1", "300");
    click(w_, "Check1");
    QCOMPARE(description("Shape1(0)"), "Levers ON: 3, 4, 6, 9");
    QCOMPARE(description("Shape1(1)"), "Levers ON: 1");
    // The rectangle that is shown names its lever's state.
    QCOMPARE(child(w_, "Shape7")->accessibleName(), "Lever 3 ON");  // lower: ON
    QCOMPARE(child(w_, "Shape4")->accessibleName(), "Lever 2 OFF"); // upper: OFF
    QVERIFY(!child(w_, "Shape7")->isHidden() && !child(w_, "Shape4")->isHidden());
    paste(w_, "Text1", "0");
    QCOMPARE(description("Shape1(0)"), "Levers ON: none");
}

VELANTRA_TEST_MAIN(DipDmxTest)
#include "tst_dip_dmx.moc"
