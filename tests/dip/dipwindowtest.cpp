#include "tests/dip/dipwindowtest.h"

#include <QTimer>
#include <algorithm>

namespace velantra::test
{

namespace
{
// Whether a lever shows only its ON rectangle (or only its OFF one).
bool showsOnly(QWidget* w, int k, bool on, bool onIsLower, bool fourBank = false)
{
    const LeverLook look = lever(w, k, fourBank);
    const bool lowerShown = on == onIsLower;
    return look.lower == lowerShown && look.upper == !lowerShown;
}
} // namespace

QStringList speedAndShowControls(const QStringList& others)
{
    return QStringList{"Frame2",   "Frame3",   "Frame5",  "Option3", "Option4",
                       "Option5",  "Option6",  "Option7", "Option8", "Option13",
                       "Option18", "Option22", "Option25"} +
           others;
}

QString joinLevers(const QString& a, const QString& b)
{
    QList<int> levers;
    for (const QString& lever : (a + u',' + b).split(u',', Qt::SkipEmptyParts))
        levers << lever.toInt();
    std::sort(levers.begin(), levers.end());
    QStringList joined;
    for (int lever : levers)
        joined << QString::number(lever);
    return joined.join(u',');
}

DipWindowTest::DipWindowTest(DipWindow window) : window_(std::move(window)) {}

DipWindowTest::~DipWindowTest() = default;

void DipWindowTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    w_ = program_->open(window_.menuItem, window_.id);
}

void DipWindowTest::cleanup()
{
    program_.reset();
}

void DipWindowTest::opensInDmxModeAtAddressOne()
{
    QCOMPARE(w_->objectName(), window_.name);
    QCOMPARE(w_->windowTitle(), window_.title);
    QCOMPARE(text1(w_), "1");
    QVERIFY(checked(w_, "Option1") && !checked(w_, "Option2"));
    // The levers ON show their ON rectangle only; lever 2, OFF at address 1, its OFF one only.
    for (const QString& k : window_.dmxLevers.split(u','))
        QVERIFY2(showsOnly(w_, k.toInt(), true, window_.onIsLower), qPrintable(k));
    QVERIFY(showsOnly(w_, 2, false, window_.onIsLower));
    QCOMPARE(banks(), banks(window_.dmxLevers, window_.dmxLevers4));
    QVERIFY(!errorShown(w_));
    QCOMPARE(w_->focusWidget(), child(w_, "Text1"));
    QCOMPARE(notEnabled(w_, window_.masterControls, false), "");
    QCOMPARE(notEnabled(w_, window_.dmxControls), "");
    QCOMPARE(notEnabled(w_, {"Frame1", "Option1", "Option2"}), "");
    QVERIFY(!timerRunning(w_));
    QCOMPARE(child<QTimer>(w_, "Timer1")->interval(), 500);
    // The drawing agrees with the box from the start, as after typing the same address.
    paste(w_, "Text1", "1");
    QCOMPARE(on12(), window_.dmxLevers);
}

void DipWindowTest::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("levers");
    // What every window makes of these.
    QTest::newRow("300") << "300"
                         << "3,4,6,9";
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
    addAddressRows();
}

void DipWindowTest::address()
{
    QFETCH(QString, text);
    QFETCH(QString, levers);
    for (const QString& setting : window_.keptByAddress)
        click(w_, setting);
    paste(w_, "Text1", text);
    QCOMPARE(banks(), banks(joinLevers(levers, window_.keptLevers), window_.keptLevers4));
    // A refused address empties the box and shows the error.
    QCOMPARE(text1(w_), levers.isEmpty() ? QString() : text);
    QCOMPARE(errorShown(w_), levers.isEmpty());
}

void DipWindowTest::masterModePresetsAndFirstTick()
{
    typeInto(w_, "Text1", "300");
    for (const QString& setting : window_.dmxSettings)
        click(w_, setting);
    click(w_, "Option2");

    QVERIFY(checked(w_, "Option2") && !checked(w_, "Option1"));
    for (const QString& setting : window_.dmxSettings)
        QVERIFY2(!checked(w_, setting), qPrintable(setting)); // their levers OFF
    QCOMPARE(text1(w_), "1");
    for (const QString& preset : window_.presets)
        QVERIFY2(checked(w_, preset), qPrintable(preset));
    QCOMPARE(notEnabled(w_, window_.dmxControls, false), "");
    QCOMPARE(notEnabled(w_, window_.masterControls), "");
    QVERIFY(timerRunning(w_));

    // Until the first tick only the master lever is ON; the 4-lever bank keeps its DMX pattern.
    QCOMPARE(banks(), banks(window_.masterLevers, window_.dmxLevers4));
    tick(w_);
    QCOMPARE(banks(), banks(window_.firstTickLevers, window_.firstTickLevers4));
}

QString DipWindowTest::banks(const QString& levers12, const QString& levers4) const
{
    return window_.hasFourBank ? levers12 + u'|' + levers4 : levers12;
}

void DipWindowTest::expectBackInDmxMode(const QStringList& keptSelections)
{
    QVERIFY(!timerRunning(w_));
    QCOMPARE(text1(w_), "1");
    QCOMPARE(banks(), banks(window_.dmxLevers, window_.dmxLevers4));
    for (const QString& setting : window_.dmxSettings)
        QVERIFY2(!checked(w_, setting), qPrintable(setting));
    QCOMPARE(notEnabled(w_, window_.dmxControls), "");
    QCOMPARE(notEnabled(w_, window_.masterControls, false), "");
    for (const QString& selection : keptSelections) {
        QVERIFY2(checked(w_, selection), qPrintable(selection));
        QVERIFY2(!enabled(w_, selection), qPrintable(selection));
    }
    // No tick changes the levers now.
    QTest::qWait(700);
    QCOMPARE(banks(), banks(window_.dmxLevers, window_.dmxLevers4));
    // Master mode again selects its presets anew.
    click(w_, "Option2");
    for (const QString& preset : window_.presets)
        QVERIFY2(checked(w_, preset), qPrintable(preset));
}

void SpeedAndShowTest::masterSelections_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("show");
    QTest::addColumn<QString>("levers");
    // The levers of speed and show; the master lever is ON besides.
    QTest::newRow("speed 0, show 0") << "Option3"
                                     << "Option8"
                                     << "";
    QTest::newRow("speed 1, show 1") << "Option4"
                                     << "Option9"
                                     << "1,5";
    QTest::newRow("speed 1, show 2") << "Option4"
                                     << "Option10"
                                     << "1,6";
    QTest::newRow("speed 2, show 5") << "Option5"
                                     << "Option13"
                                     << "2,5,7";
    QTest::newRow("speed 0, show 6") << "Option3"
                                     << "Option14"
                                     << "6,7";
    QTest::newRow("speed 1, show 10") << "Option4"
                                      << "Option18"
                                      << "1,6,8";
    QTest::newRow("speed 3, show 10") << "Option6"
                                      << "Option18"
                                      << "3,6,8";
    QTest::newRow("speed 2, show 13") << "Option5"
                                      << "Option21"
                                      << "2,5,7,8";
    QTest::newRow("speed 0, show 15") << "Option3"
                                      << "Option25"
                                      << "5,6,7,8";
    QTest::newRow("speed 1, show 15") << "Option4"
                                      << "Option25"
                                      << "1,5,6,7,8";
    QTest::newRow("speed 4, show 15") << "Option7"
                                      << "Option25"
                                      << "4,5,6,7,8";
}

void SpeedAndShowTest::masterSelections()
{
    QFETCH(QString, speed);
    QFETCH(QString, show);
    QFETCH(QString, levers);
    click(w_, "Option2");
    tick(w_);
    click(w_, speed);
    click(w_, show);
    QVERIFY(checked(w_, "Option2"));            // the speed and show groups leave the mode alone
    QCOMPARE(on12(), window().firstTickLevers); // nothing moves before the tick
    tick(w_);
    const QString drawn = joinLevers(levers, window().masterLevers);
    QCOMPARE(banks(), banks(drawn, window().firstTickLevers4));
    // Every tick draws the same from the same selections.
    tick(w_);
    QCOMPARE(on12(), drawn);
}

} // namespace velantra::test
