// The ORVO 75 configurator, driven through its window as an installer uses it.
#include "tests/dip/dipwindowtest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using namespace velantra;
using namespace velantra::test;

namespace
{
// ON is the lower row in this window. The channel count ("3 Ch " or "6 Ch", lever 11) belongs to
// DMX mode; master mode chooses 3 channels.
const DipWindow kDipDmx{
    .menuItem = "dip",
    .id = WindowId::Dip_DMX,
    .name = "Dip_DMX",
    .title = "ORVO 75 dip-switch configurator",
    .dmxControls = {"Frame4", "Option23", "Option24", "Check1", "Text1", "Label5"},
    .masterControls = speedAndShowControls({"Option21", "Check2"}),
    .dmxSettings = {"Option24", "Check1"},
    .presets = {"Option7", "Option8", "Option23"}, // Speed 4, Show 0, 3 Ch
    .keptByAddress = {},
};
} // namespace

class DipDmxTest : public SpeedAndShowTest
{
    Q_OBJECT
public:
    DipDmxTest() : SpeedAndShowTest(kDipDmx) {}

private slots:
    void opensWithNoChannelCountChosen();
    void windowFollowsTheLayout();
    void typingKeyByKey();
    void deletingAndRetyping();
    void addressLeavesOtherLeversAlone();
    void channelCountAndTerminator();
    void selectionsWaitForTheTick();
    void pushbuttonInMasterMode();
    void backToDmxMode();
    void disabledControlsIgnoreClicks();
    void reopenedWindowStartsAfresh();
    void screenReaderReadsTheLevers();
    void keyboardOnly();
    void screenReaderHearsEachChange();

private:
    void addAddressRows() override;
};

void DipDmxTest::addAddressRows()
{
    QTest::newRow("10") << "10"
                        << "2,4";
    QTest::newRow("blanks") << "1 2 3"
                            << "1,2,4,5,6,7";
    QTest::newRow("trailing letters") << "12abc"
                                      << "3,4";
    QTest::newRow("exponent") << "1e2"
                              << "3,6,7";
    QTest::newRow("hex") << "&H1FF"
                         << "1,2,3,4,5,6,7,8,9";
    QTest::newRow("fraction 1.9") << "1.9"
                                  << "1";
    QTest::newRow("fraction 300.7") << "300.7"
                                    << "3,4,6,9";
    QTest::newRow("C hex refused") << "0x10"
                                   << "";
    QTest::newRow("511.5 refused") << "511.5"
                                   << "";
    QTest::newRow("0.5 refused") << "0.5"
                                 << "";
    QTest::newRow("letters refused") << "abc"
                                     << "";
    QTest::newRow("beyond double refused") << "1e999"
                                           << "";
    QTest::newRow("hex beyond 32 bits refused") << "&H123456789"
                                                << "";
}

void DipDmxTest::opensWithNoChannelCountChosen()
{
    QVERIFY(!checked(w_, "Option23") && !checked(w_, "Option24"));
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

void DipDmxTest::typingKeyByKey()
{
    typeInto(w_, "Text1", "1");
    QCOMPARE(on12(), "1");
    typeMore(w_, "Text1", "2");
    QCOMPARE(on12(), "3,4");
    QVERIFY(!errorShown(w_));
    typeMore(w_, "Text1", "3");
    QCOMPARE(text1(w_), "123");
    QCOMPARE(on12(), "1,2,4,5,6,7");
    QVERIFY(!errorShown(w_));
    // A fourth digit makes 1234: refused, the box is emptied.
    typeMore(w_, "Text1", "4");
    QCOMPARE(text1(w_), "");
    QVERIFY(errorShown(w_));
    QCOMPARE(on12(), "");
}

void DipDmxTest::deletingAndRetyping()
{
    QTest::keyClick(child(w_, "Text1"), Qt::Key_End);
    QTest::keyClick(child(w_, "Text1"), Qt::Key_Backspace);
    QCOMPARE(text1(w_), "");
    QVERIFY(errorShown(w_));
    QCOMPARE(on12(), "");
    QTest::keyClicks(child(w_, "Text1"), "7");
    QVERIFY(!errorShown(w_));
    QCOMPARE(on12(), "1,2,3");
}

void DipDmxTest::addressLeavesOtherLeversAlone()
{
    click(w_, "Option24");
    click(w_, "Check1");
    QCOMPARE(on12(), "1,11");
    QCOMPARE(on4(), "1");
    paste(w_, "Text1", "300");
    QCOMPARE(on12(), "3,4,6,9,11");
    QCOMPARE(on4(), "1");
    paste(w_, "Text1", "512");
    QCOMPARE(on12(), "11");
    QCOMPARE(on4(), "1");
}

void DipDmxTest::channelCountAndTerminator()
{
    click(w_, "Option24"); // "6 Ch"
    QCOMPARE(on12(), "1,11");
    click(w_, "Option23"); // "3 Ch "
    QCOMPARE(on12(), "1");
    QVERIFY(!checked(w_, "Option24"));
    click(w_, "Check1");
    QVERIFY(checked(w_, "Check1"));
    QCOMPARE(on4(), "1");
    click(w_, "Check1");
    QCOMPARE(on4(), "");
    // Choosing the channel count leaves the mode alone: the groups are separate.
    QVERIFY(checked(w_, "Option1"));
}

void DipDmxTest::selectionsWaitForTheTick()
{
    click(w_, "Option2");
    tick(w_);
    QCOMPARE(on12(), "4,12");
    click(w_, "Option17"); // Show 9
    QCOMPARE(on12(), "4,12");
    // The real timer draws it within 500 ms.
    QTRY_COMPARE_WITH_TIMEOUT(on12(), QString("4,5,8,12"), 1500);
}

void DipDmxTest::pushbuttonInMasterMode()
{
    click(w_, "Option2");
    click(w_, "Check2");
    QCOMPARE(on4(), "2,3");
    QCOMPARE(on12(), "11,12");
    tick(w_);
    QCOMPARE(on12(), "4,11,12");
    click(w_, "Option1");
    QVERIFY(!checked(w_, "Check2"));
    QVERIFY(!enabled(w_, "Check2"));
    QCOMPARE(on4(), "");
    QCOMPARE(on12(), "1");
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
    expectBackInDmxMode({"Option6", "Option16"});
}

void DipDmxTest::disabledControlsIgnoreClicks()
{
    click(w_, "Option5");
    click(w_, "Check2");
    QVERIFY(!checked(w_, "Option5"));
    QVERIFY(!checked(w_, "Check2"));
    QCOMPARE(on12(), "1");
    QCOMPARE(on4(), "");
    click(w_, "Option2");
    click(w_, "Check1");
    click(w_, "Option24");
    QVERIFY(!checked(w_, "Check1") && !checked(w_, "Option24"));
    tick(w_);
    QCOMPARE(on12(), "4,12");
    QCOMPARE(on4(), "");
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
    QCOMPARE(on12(), "1");
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
    // A lever is read once, by its bank's object; its rectangles, shown or not, are drawing only.
    QVERIFY(!child(w_, "Shape7")->isHidden() && !child(w_, "Shape4")->isHidden());
    for (const char* rectangle : {"Shape7", "Shape4", "Shape27"}) {
        QAccessibleInterface* drawn = QAccessible::queryAccessibleInterface(child(w_, rectangle));
        QVERIFY2(drawn->state().invisible && drawn->text(QAccessible::Name).isEmpty(), rectangle);
    }
    paste(w_, "Text1", "0");
    QCOMPARE(description("Shape1(0)"), "Levers ON: none");
}

// An installer without a mouse: the first address typed replaces the one shown, Tab stops once
// in each group of option buttons, at its selected one, and the arrows move the selection.
void DipDmxTest::keyboardOnly()
{
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    const auto focus = [] { return QApplication::focusWidget(); };
    const auto caption = [&] {
        auto* button = qobject_cast<QAbstractButton*>(focus());
        return button ? button->text() : focus()->objectName();
    };
    const auto press = [&](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(focus(), key);
    };
    QTest::keyClicks(focus(), "300");
    QCOMPARE(text1(w_), "300");
    QCOMPARE(on12(), "3,4,6,9");
    // Tab stops at the selected mode only, then at the first channel count, none being chosen.
    press(Qt::Key_Tab);
    QCOMPARE(caption(), "DMX (slave)");
    QCOMPARE(QAccessible::queryAccessibleInterface(focus())->role(), QAccessible::RadioButton);
    press(Qt::Key_Tab);
    QCOMPARE(caption(), "3 Ch ");
    QVERIFY(!checked(w_, "Option23"));
    press(Qt::Key_Down);
    QCOMPARE(caption(), "6 Ch");
    QVERIFY(checked(w_, "Option24") && !checked(w_, "Option23"));
    press(Qt::Key_Down); // round to the first again
    QVERIFY(checked(w_, "Option23") && !checked(w_, "Option24"));
    // Shift+Tab goes back to the mode group; the arrow chooses master mode, selecting Speed 4.
    press(Qt::Key_Backtab);
    QCOMPARE(caption(), "DMX (slave)");
    press(Qt::Key_Right);
    QCOMPARE(caption(), "Master");
    QVERIFY(checked(w_, "Option2") && checked(w_, "Option7"));
    for (int i = 0; i < 40 && focus()->parentWidget()->objectName() != "Frame2"; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(caption(), "Speed 4");
    press(Qt::Key_Down);
    QVERIFY(!checked(w_, "Option7") && qobject_cast<QRadioButton*>(focus())->isChecked());
    QVERIFY(checked(w_, "Option2") && checked(w_, "Option8")); // other groups stay as they were
}

// Each lever is an object of its bank, named for its state wherever it is drawn; what a
// procedure changes is announced once, and a refused address is announced with its levers.
void DipDmxTest::screenReaderHearsEachChange()
{
    w_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w_));
    const auto levers = [&](const char* body) {
        QAccessibleInterface* bank = QAccessible::queryAccessibleInterface(child(w_, body));
        QStringList names;
        for (int i = 0; i < bank->childCount(); ++i) {
            QAccessibleInterface* lever = bank->child(i);
            const bool on = lever->text(QAccessible::Name).endsWith("ON");
            // Over the lever's slot, whichever of its rectangles shows.
            QWidget* upper = child(w_, QStringLiteral("Shape%1").arg(2 * (i + 1)));
            QWidget* lower = child(w_, QStringLiteral("Shape%1").arg(2 * (i + 1) + 1));
            const QRect slot(upper->mapToGlobal(QPoint()),
                             lower->mapToGlobal(QPoint(lower->width(), lower->height())) -
                                 QPoint(1, 1));
            if (lever->rect() != slot)
                names << "misplaced";
            if (on)
                names << lever->text(QAccessible::Name);
        }
        return names.join(u' ');
    };
    // What the notification says once it has shown; it shows when the action is done.
    const auto heard = [&]() -> QString {
        QWidget* announcer = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            announcer = w_->findChild<QWidget*>("Announcement");
            return announcer && announcer->isVisible();
        });
        QAccessibleInterface* face =
            shown ? QAccessible::queryAccessibleInterface(announcer) : nullptr;
        if (!face || face->role() != QAccessible::Notification)
            return "no notification";
        const QString said = face->text(QAccessible::Name);
        announcer->hide();
        return said;
    };
    QCOMPARE(levers("Shape1(0)"), "Lever 1 of 12: ON");
    paste(w_, "Text1", "300");
    QCOMPARE(levers("Shape1(0)"),
             "Lever 3 of 12: ON Lever 4 of 12: ON Lever 6 of 12: ON Lever 9 of 12: ON");
    QCOMPARE(heard(), "Levers ON: 3, 4, 6, 9");
    click(w_, "Check1");
    QCOMPARE(heard(), "4-lever bank, Levers ON: 1");
    paste(w_, "Text1", "600");
    QCOMPARE(heard(), "! ERROR !  DMX address: 1 - 511. Levers ON: none");
}

VELANTRA_TEST_MAIN(DipDmxTest)
#include "tst_dip_dmx.moc"
