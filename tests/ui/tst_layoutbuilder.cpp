// The one builder that turns a layout table into a window's controls.
#include "dip/leverlayout.h"
#include "tests/support/guitest.h"
#include "ui/colours.h"
#include "ui/layoutbuilder.h"
#include "ui/shape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using namespace velantra;
using namespace velantra::ui;
using velantra::test::child;

namespace
{

constexpr Control kTable[] = {
    timer("Timer1"),
    label("Label7", "Refused", {150, 150, 1500, 375}, 9)
        .set(Hidden | Border | Centred)
        .colours(kWhite, kRed)
        .withFont({"Arial Black", 9.75, 900}),
    frame("Frame2", "Speeds", {1500, 0, 3000, 1500}, 3),
    option("Option4", "Speed 1", {150, 600, 1200, 255}, 5).in("Frame2"),
    option("Option3", "Speed 0", {150, 300, 1200, 255}, 4).in("Frame2").set(Checked),
    option("Option1", "DMX (slave)", {0, 1800, 1500, 255}, 1).set(Checked),
    option("Option2", "Master", {0, 2100, 1500, 255}, 2),
    textBox("Text1", "1", {0, 0, 495, 375}, 0).set(Centred),
    check("Check1", "Res. 120 ohm", {0, 2400, 1500, 255}, 6).set(Disabled),
    shape(Kind::Circle, "Shape34", {4800, 480, 255, 255}, 0x000000FF),
    shape(Kind::Rectangle, "Shape1(0)", {0, 0, 6000, 3000}, kActiveBorder),
};

} // namespace

class LayoutBuilderTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete window_; }
    void namesRectanglesAndParents();
    void initialStatesFontsAndColours();
    void earlierRowsLieInFront();
    void tabOrderAndFocus();
    void optionGroupsPerContainer();
    void deselectLeavesNoneSelected();
    void leverRows_data();
    void leverRows();

private:
    QWidget* window_ = nullptr;
    Controls controls_;
};

void LayoutBuilderTest::init()
{
    window_ = new QWidget;
    setUpWindow(window_, {.name = "Test", .caption = "A window", .client = {450, 300, 6000, 3000}});
    controls_ = buildLayout(window_, kTable);
    window_->show();
}

void LayoutBuilderTest::namesRectanglesAndParents()
{
    QCOMPARE(window_->objectName(), "Test");
    QCOMPARE(window_->size(), QSize(400, 200));
    QCOMPARE(window_->geometry().topLeft(), QPoint(30, 20));
    QCOMPARE(child(window_, "Option3")->parentWidget(), child(window_, "Frame2"));
    QCOMPARE(child(window_, "Option3")->geometry(), QRect(10, 20, 80, 17));
    QCOMPARE(child(window_, "Shape1(0)")->geometry(), QRect(0, 0, 400, 200));
    QCOMPARE(controls_.widget(u"Text1"), child(window_, "Text1"));
    QCOMPARE(child<QTimer>(window_, "Timer1")->interval(), 500);
    QVERIFY(!child<QTimer>(window_, "Timer1")->isActive());
}

void LayoutBuilderTest::initialStatesFontsAndColours()
{
    auto* error = child<QLabel>(window_, "Label7");
    QVERIFY(error->isHidden());
    QCOMPARE(background(error), QColor(255, 255, 255));
    QCOMPARE(error->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(error->font().weight(), QFont::Black);
    QCOMPARE(error->font().pointSizeF(), 9.75);
    QCOMPARE(error->frameShape(), QFrame::Box);
    QVERIFY(!child(window_, "Check1")->isEnabled());
    QVERIFY(child<QRadioButton>(window_, "Option1")->isChecked());
    QVERIFY(child<QRadioButton>(window_, "Option3")->isChecked());
    QVERIFY(!child<QRadioButton>(window_, "Option2")->isChecked());
    QCOMPARE(child<Shape>(window_, "Shape34")->fill(), QColor(255, 0, 0));
    QCOMPARE(child<QLineEdit>(window_, "Text1")->alignment(), Qt::AlignCenter);
}

void LayoutBuilderTest::earlierRowsLieInFront()
{
    // The body, last in the table, lies behind everything; the disc in front of it.
    const QObjectList& stack = window_->children(); // back to front
    QVERIFY(stack.indexOf(child(window_, "Shape34")) > stack.indexOf(child(window_, "Shape1(0)")));
    QVERIFY(stack.indexOf(child(window_, "Label7")) > stack.indexOf(child(window_, "Frame2")));
    QCOMPARE(window_->childAt(QPoint(5, 125)), child(window_, "Option1"));
    QCOMPARE(window_->childAt(QPoint(399, 199)), nullptr); // shapes take no clicks
}

void LayoutBuilderTest::tabOrderAndFocus()
{
    QCOMPARE(window_->focusWidget(), child(window_, "Text1"));
    QStringList order;
    QWidget* at = child(window_, "Text1");
    while (order.size() < 6) {
        if (at->focusPolicy() & Qt::TabFocus)
            order << at->objectName();
        at = at->nextInFocusChain();
    }
    QCOMPARE(order.join(u' '), "Text1 Option1 Option2 Option3 Option4 Check1");
}

void LayoutBuilderTest::optionGroupsPerContainer()
{
    test::click(window_, "Option4");
    QVERIFY(child<QRadioButton>(window_, "Option4")->isChecked());
    QVERIFY(!child<QRadioButton>(window_, "Option3")->isChecked());
    QVERIFY(child<QRadioButton>(window_, "Option1")->isChecked()); // another container
    test::click(window_, "Option2");
    QVERIFY(!child<QRadioButton>(window_, "Option1")->isChecked());
    QVERIFY(child<QRadioButton>(window_, "Option4")->isChecked());
    // Clicking a selected option leaves it selected.
    test::click(window_, "Option2");
    QVERIFY(child<QRadioButton>(window_, "Option2")->isChecked());
}

void LayoutBuilderTest::deselectLeavesNoneSelected()
{
    deselect(child<QRadioButton>(window_, "Option3"));
    QVERIFY(!child<QRadioButton>(window_, "Option3")->isChecked());
    QVERIFY(!child<QRadioButton>(window_, "Option4")->isChecked());
    // The group is exclusive again afterwards.
    test::click(window_, "Option3");
    test::click(window_, "Option4");
    QVERIFY(!child<QRadioButton>(window_, "Option3")->isChecked());
}

void LayoutBuilderTest::leverRows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("onIsUpper");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("shown");
    // Lever 1 of the 12-lever bank is initially ON; everything else OFF.
    QTest::newRow("12-bank lever 1 upper, ON lower")
        << 2 << false << QRect(360, 32, 9, 25) << false;
    QTest::newRow("12-bank lever 1 lower, ON lower") << 3 << false << QRect(360, 48, 9, 25) << true;
    QTest::newRow("12-bank lever 12 upper, ON lower")
        << 24 << false << QRect(536, 32, 9, 25) << true;
    QTest::newRow("4-bank lever 4 lower, ON lower")
        << 33 << false << QRect(232, 48, 9, 25) << false;
    QTest::newRow("12-bank lever 1 upper, ON upper") << 2 << true << QRect(360, 32, 9, 25) << true;
    QTest::newRow("12-bank lever 2 upper, ON upper") << 4 << true << QRect(376, 32, 9, 25) << false;
    QTest::newRow("4-bank lever 1 lower, ON upper") << 27 << true << QRect(184, 48, 9, 25) << true;
}

void LayoutBuilderTest::leverRows()
{
    QFETCH(int, number);
    QFETCH(bool, onIsUpper);
    QFETCH(QRect, rect);
    QFETCH(bool, shown);
    const dip::BankGeometry banks{5400, 2760, onIsUpper ? dip::Row::Upper : dip::Row::Lower, 0b1,
                                  0};
    const Control row = dip::leverShape(banks, number);
    QCOMPARE(QString::fromLatin1(row.name.data(), row.name.size()),
             QStringLiteral("Shape%1").arg(number));
    QCOMPARE(toPixels(row.rect), rect);
    QCOMPARE(!(row.flags & Hidden), shown);
}

VELANTRA_TEST_MAIN(LayoutBuilderTest)
#include "tst_layoutbuilder.moc"
