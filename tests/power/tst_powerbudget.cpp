// The power budget without a window: reading boxes, LED and power totals, the limits and their
// warnings, the power mode, the reset and the periodic pass.
#include "power/numbertext.h"
#include "tests/power/fakepanel.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace velantra::power;
using velantra::power::test::FakePanel;

namespace
{

const QString kLed6 = "Max 6 led / colour on each constant current output !";
const QString kLed6CC2 = "Max 6 led / colour on each constant current output ! ";
const QString kLed9 = "Max 9 led / colour on each constant current output !";
const QString kTotal75 = "TOTAL POWER > 75 W !!!";
const QString kTotal36 = "TOTAL POWER > 36 W !!!";

Output outputNamed(QStringView name)
{
    const QStringView names[] = {u"CC1", u"CC2", u"CV1", u"CV2"};
    for (int i = 0; i < 4; ++i) {
        if (names[i] == name)
            return Output(i);
    }
    qFatal("no output %s", qPrintable(name.toString()));
}

// Types entries such as "CC1 5=3, CV1 3=5" (column, row, text) one after the other.
void enter(FakePanel& panel, const QString& entries)
{
    for (const QString& entry : entries.split(u',', Qt::SkipEmptyParts)) {
        const QString e = entry.trimmed();
        const qsizetype blank = e.indexOf(u' ');
        const qsizetype equals = e.indexOf(u'=');
        panel.type(outputNamed(QStringView(e).left(blank)),
                   e.mid(blank + 1, equals - blank - 1).toInt(), e.mid(equals + 1));
    }
}

// "led1 led2 | cc1 cc2 cv1 cv2 | total", as the read-only boxes show them.
QString figures(FakePanel& p)
{
    return QStringLiteral("%1 %2 | %3 %4 %5 %6 | %7")
        .arg(p.readout[Readout::LedCC1], p.readout[Readout::LedCC2], p.readout[Readout::PowerCC1],
             p.readout[Readout::PowerCC2], p.readout[Readout::PowerCV1],
             p.readout[Readout::PowerCV2], p.readout[Readout::Total]);
}

const PowerVariant& variantNamed(const QString& name)
{
    return name == "36 W" ? kOrvo36Power : kOrvo75Power;
}

} // namespace

class PowerBudgetTest : public QObject
{
    Q_OBJECT
private slots:
    void readBox_data();
    void readBox();
    void averagePower_data();
    void averagePower();
    void powerText_data();
    void powerText();
    void ledText();
    void loadStartsEmptyInAverageMode();
    void computation_data();
    void computation();
    void latchesWarnOncePerExcursion();
    void modeSwitchRecomputesFromCounts();
    void clearedBoxRunsTheComputationNested();
    void reset();
    void currentRules_data();
    void currentRules();
    void latchedBoxesBlink();
    void tickDuringWarningDoesNothing();
    void countsBeyondSixteenBits_data();
    void countsBeyondSixteenBits();
    void budgetsAreSeparate();
};

void PowerBudgetTest::readBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("letters") << "abc" << true << 0;
    QTest::newRow("lone minus") << "-" << true << 0;
    QTest::newRow("lone point") << "." << true << 0;
    QTest::newRow("leading number") << "3abc" << false << 3;
    QTest::newRow("half to even, down") << "2.5" << false << 2;
    QTest::newRow("half to even, up") << "3.5" << false << 4;
    QTest::newRow("above half") << "2.6" << false << 3;
    QTest::newRow("negative half") << "-2.5" << false << -2;
    QTest::newRow("small fraction stays, counts 0") << "0.3" << false << 0;
    QTest::newRow("negative") << "-4" << false << -4;
    QTest::newRow("blanks") << " 1 2" << false << 12;
    QTest::newRow("hexadecimal") << "&HFFFF" << false << -1;
    QTest::newRow("largest count") << "32767" << false << 32767;
    QTest::newRow("rounds down to largest") << "32767.4" << false << 32767;
    QTest::newRow("rounds beyond largest") << "32767.5" << true << 0;
    QTest::newRow("smallest count") << "-32768" << false << -32768;
    QTest::newRow("half rounds to even smallest") << "-32768.5" << false << -32768;
    QTest::newRow("below smallest") << "-32769" << true << 0;
    QTest::newRow("40000 fixtures") << "40000" << true << 0;
    QTest::newRow("beyond a double") << "1e999" << true << 0;
}

void PowerBudgetTest::readBox()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    QFETCH(int, count);
    const BoxReading reading = ReadBox(text.toStdU16String());
    QCOMPARE(reading.refused, refused);
    QCOMPARE(int(reading.count), count);
}

void PowerBudgetTest::averagePower_data()
{
    QTest::addColumn<double>("nominal");
    QTest::addColumn<QString>("average");

    QTest::newRow("3.5") << 3.5 << "2.3";
    QTest::newRow("7") << 7.0 << "4.6";
    QTest::newRow("10.5") << 10.5 << "7";
    QTest::newRow("14") << 14.0 << "9.3";
    QTest::newRow("17.5") << 17.5 << "11.6";
    QTest::newRow("-3.5") << -3.5 << "-2.4";
    QTest::newRow("21") << 21.0 << "14";
    QTest::newRow("38.5") << 38.5 << "25.6";
    QTest::newRow("90") << 90.0 << "60";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("3.84") << 3.84 << "2.5";
}

void PowerBudgetTest::averagePower()
{
    QFETCH(double, nominal);
    QFETCH(QString, average);
    QCOMPARE(QString::fromStdU16String(PowerText(AveragePower(nominal), u'.')), average);
}

void PowerBudgetTest::powerText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << QChar(u'.') << "0";
    QTest::newRow("negative zero") << -0.0 << QChar(u'.') << "0";
    QTest::newRow("whole") << 7.0 << QChar(u'.') << "7";
    QTest::newRow("one decimal") << 10.5 << QChar(u'.') << "10.5";
    QTest::newRow("inexact binary") << 4.6 << QChar(u'.') << "4.6";
    QTest::newRow("sum of CV watts") << 3.84 * 3 << QChar(u'.') << "11.52";
    QTest::newRow("negative") << -2.4 << QChar(u'.') << "-2.4";
    QTest::newRow("rounding noise") << 0.1 + 0.2 << QChar(u'.') << "0.3";
    QTest::newRow("comma locale") << 2.3 << QChar(u',') << "2,3";
    QTest::newRow("comma, whole") << 14.0 << QChar(u',') << "14";
    QTest::newRow("large, no exponent") << 1e20 << QChar(u'.') << "100000000000000000000";
    QTest::newRow("small, no exponent") << 1.5e-7 << QChar(u'.') << "0.00000015";
    QTest::newRow("15 significant digits")
        << 123456789012345678.0 << QChar(u'.') << "123456789012346000";
    QTest::newRow("rounds up a digit") << 9.9999999999999999 << QChar(u'.') << "10";
    QTest::newRow("largest budget") << 14 * 32767 * 18.0 << QChar(u'.') << "8257284";
}

void PowerBudgetTest::powerText()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdU16String(PowerText(value, separator.unicode())), text);
}

void PowerBudgetTest::ledText()
{
    QCOMPARE(QString::fromStdU16String(LedText(0)), "0");
    QCOMPARE(QString::fromStdU16String(LedText(6)), "6");
    QCOMPARE(QString::fromStdU16String(LedText(-3)), "-3");
    QCOMPARE(QString::fromStdU16String(LedText(1114078)), "1114078");
}

void PowerBudgetTest::loadStartsEmptyInAverageMode()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    QVERIFY(p.budget.AverageMode());
    QVERIFY(p.averageSelected && !p.nominalSelected);
    QCOMPARE(p.caption, "Total average power");
    QCOMPARE(p.current[0], Current::mA350);
    QCOMPARE(p.current[1], Current::mA350);
    QCOMPARE(p.computations, 0); // the grid was empty: no box changed
    QCOMPARE(figures(p), "0 0 | 0 0 0 0 | 0");
    for (Readout box : {Readout::LedCC1, Readout::LedCC2, Readout::Total})
        QVERIFY(p.readoutIsWhite(box));
    QVERIFY(p.warnings.isEmpty());
    QVERIFY(!p.budget.running());
}

void PowerBudgetTest::computation_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("average");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("warnings");

    const QStringList none;
    QTest::newRow("6 LEDs pass, average") << "75 W" << true << "CC1 5=2"
                                          << "6 0 | 14 0 0 0 | 14" << none;
    QTest::newRow("6 LEDs pass, nominal") << "75 W" << false << "CC1 5=2"
                                          << "6 0 | 21 0 0 0 | 21" << none;
    QTest::newRow("9 LEDs on CC #1") << "75 W" << true << "CC1 5=3"
                                     << "9 0 | 21 0 0 0 | 21" << QStringList{kLed6};
    QTest::newRow("9 LEDs on CC #2") << "75 W" << true << "CC2 5=3"
                                     << "0 9 | 0 21 0 0 | 21" << QStringList{kLed6CC2};
    QTest::newRow("row 1, nominal") << "75 W" << false << "CC1 1=2"
                                    << "2 0 | 7 0 0 0 | 7" << none;
    QTest::newRow("row 1, average") << "75 W" << true << "CC1 1=2"
                                    << "2 0 | 4.6 0 0 0 | 4.6" << none;
    QTest::newRow("90 W nominal") << "75 W" << false << "CV1 3=5"
                                  << "0 0 | 0 0 90 0 | 90" << QStringList{kTotal75};
    QTest::newRow("60 W average") << "75 W" << true << "CV1 3=5"
                                  << "0 0 | 0 0 60 0 | 60" << none;
    QTest::newRow("exactly 75 W") << "75 W" << false << "CV1 2=6, CV1 1=2"
                                  << "0 0 | 0 0 75 0 | 75" << none;
    QTest::newRow("Fenda color, 75 W") << "75 W" << false << "CV1 10=1"
                                       << "0 0 | 0 0 12 0 | 12" << none;
    QTest::newRow("CV row 10, 36 W") << "36 W" << false << "CV1 10=1, CV2 10=3"
                                     << "0 0 | 0 0 0 0 | 0" << none;
    QTest::newRow("empty CV rows count nothing")
        << "75 W" << false << "CV1 11=4, CV2 12=5, CV1 13=1, CV2 14=9"
        << "0 0 | 0 0 0 0 | 0" << none;
    QTest::newRow("CV #2 and the CV watts") << "75 W" << false << "CV2 6=3, CV2 7=1"
                                            << "0 0 | 0 0 0 19.12 | 19.12" << none;
    QTest::newRow("rows 13 and 14 at 10.5 W") << "75 W" << false << "CC1 13=1, CC2 14=1"
                                              << "6 2 | 10.5 10.5 0 0 | 21" << none;
    QTest::newRow("9 LEDs pass at 36 W") << "36 W" << true << "CC1 7=1, CC1 6=1"
                                         << "9 0 | 21 0 0 0 | 21" << none;
    QTest::newRow("10 LEDs warn at 36 W") << "36 W" << true << "CC1 7=1, CC1 6=1, CC1 1=1"
                                          << "10 0 | 23.3 0 0 0 | 23.3" << QStringList{kLed9};
    QTest::newRow("11 × row 1 nominal, 36 W")
        << "36 W" << false << "CC1 1=11"
        << "11 0 | 38.5 0 0 0 | 38.5" << QStringList{kLed9, kTotal36};
    QTest::newRow("11 × row 1 average, 36 W") << "36 W" << true << "CC1 1=11"
                                              << "11 0 | 25.6 0 0 0 | 25.6" << QStringList{kLed9};
    QTest::newRow("negative LEDs never warn") << "75 W" << false << "CC1 1=-10"
                                              << "-10 0 | -35 0 0 0 | -35" << none;
    QTest::newRow("negative average") << "75 W" << true << "CC1 1=-1"
                                      << "-1 0 | -2.4 0 0 0 | -2.4" << none;
    QTest::newRow("halves to even") << "75 W" << false << "CC1 1=2.5, CC2 1=3.5"
                                    << "2 4 | 7 14 0 0 | 21" << none;
    QTest::newRow("text after the number") << "75 W" << false << "CC1 1=3abc"
                                           << "3 0 | 10.5 0 0 0 | 10.5" << none;
    QTest::newRow("average of each output, then the sum")
        << "75 W" << true << "CC1 1=1, CC2 1=1, CV1 1=1, CV2 1=1"
        << "1 1 | 2.3 2.3 1 1 | 6.6" << none;
}

void PowerBudgetTest::computation()
{
    QFETCH(QString, variant);
    QFETCH(bool, average);
    QFETCH(QString, entries);
    QFETCH(QString, expected);
    QFETCH(QStringList, warnings);

    FakePanel p(variantNamed(variant));
    p.budget.Load();
    if (!average)
        p.clickNominal();
    enter(p, entries);
    QCOMPARE(figures(p), expected);
    QCOMPARE(p.warnings, warnings);
    QCOMPARE(p.red[Readout::LedCC1], p.budget.TotLedCC(1) > p.budget.variant().ledLimit);
    QCOMPARE(p.red[Readout::Total], p.budget.TotalPower() > p.budget.variant().powerLimit);
    QCOMPARE(p.budget.WarnCC(1), p.red[Readout::LedCC1]);
    QCOMPARE(p.budget.WarnCC(2), p.red[Readout::LedCC2]);
    QCOMPARE(p.budget.WarnTotal(), p.red[Readout::Total]);
}

void PowerBudgetTest::latchesWarnOncePerExcursion()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.type(Output::CC1, 5, "3");
    QCOMPARE(p.warnings, QStringList{kLed6});
    QVERIFY(p.red[Readout::LedCC1]);
    p.type(Output::CC1, 5, "4"); // still over: no new warning, still red
    p.type(Output::CC1, 1, "1");
    QCOMPARE(p.warnings.size(), 1);
    QVERIFY(p.red[Readout::LedCC1]);
    QCOMPARE(p.readout[Readout::LedCC1], "13");
    p.type(Output::CC1, 1, "");
    p.type(Output::CC1, 5, "2"); // back within the limit: white, latch cleared
    QVERIFY(!p.red[Readout::LedCC1]);
    QVERIFY(!p.budget.WarnCC(1));
    p.type(Output::CC1, 5, "3"); // the next excess warns again
    QCOMPARE(p.warnings, (QStringList{kLed6, kLed6}));
    QVERIFY(p.red[Readout::LedCC1]);
}

void PowerBudgetTest::modeSwitchRecomputesFromCounts()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.type(Output::CV1, 3, "5");
    p.type(Output::CC1, 1, "1");
    QCOMPARE(p.readout[Readout::Total], "62.3");
    QVERIFY(p.warnings.isEmpty());
    p.clickNominal();
    QCOMPARE(p.caption, "Total nominal power");
    QCOMPARE(p.readout[Readout::Total], "93.5");
    QCOMPARE(p.warnings, QStringList{kTotal75});
    for (int i = 0; i < 3; ++i) {
        p.clickAverage();
        p.clickNominal();
    }
    QCOMPARE(p.readout[Readout::PowerCC1], "3.5");
    QCOMPARE(p.readout[Readout::Total], "93.5");
    QCOMPARE(p.warnings.size(), 4); // each return to nominal mode is a new excursion
    p.clickAverage();
    QCOMPARE(p.caption, "Total average power");
    QCOMPARE(p.readout[Readout::PowerCC1], "2.3");
    QCOMPARE(p.readout[Readout::Total], "62.3");
    QVERIFY(!p.red[Readout::Total]);
}

void PowerBudgetTest::clearedBoxRunsTheComputationNested()
{
    // The user types a zero into a box of a column whose later rows hold counts.
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.type(Output::CC1, 3, "2");
    p.type(Output::CC1, 8, "3");
    p.type(Output::CC1, 1, "1");
    QCOMPARE(p.warnings, QStringList{});
    p.computations = 0;
    p.type(Output::CC1, 1, "0");
    QCOMPARE(p.boxString(Output::CC1, 1), "");
    QCOMPARE(p.computations, 2); // the change, and the emptying inside it
    QCOMPARE(figures(p), "5 0 | 11.6 0 0 0 | 11.6");
    QVERIFY(p.warnings.isEmpty());

    // Texts that read as zero in earlier rows: each emptying nests one more computation, and a
    // warning that is due is shown once, by the innermost one.
    p.preset(Output::CC1, 2, "abc");
    p.preset(Output::CC1, 4, "-");
    p.preset(Output::CC1, 5, "1");
    p.computations = 0;
    p.budget.OutputComputation(Output::CC1);
    QCOMPARE(p.computations, 2);
    QCOMPARE(p.boxString(Output::CC1, 2), "");
    QCOMPARE(p.boxString(Output::CC1, 4), "");
    QCOMPARE(figures(p), "8 0 | 18.6 0 0 0 | 18.6");
    QCOMPARE(p.warnings, QStringList{kLed6});
    QCOMPARE(p.budget.CountCC(5, 1), 1);
    QCOMPARE(p.budget.CountCC(2, 1), 0);
}

void PowerBudgetTest::reset()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.chooseCurrent(Output::CC2, Current::mA700);
    p.budget.Reset(); // an empty grid: nothing runs
    QCOMPARE(p.computations, 0);

    p.clickNominal();
    enter(p, "CC1 5=3, CC2 1=7, CV1 3=5, CV2 14=2, CV1 11=0.3");
    QCOMPARE(p.warnings.size(), 3);
    p.budget.Reset();
    for (Output column : {Output::CC1, Output::CC2, Output::CV1, Output::CV2}) {
        for (int row = 1; row <= kRows; ++row)
            QVERIFY(p.boxString(column, row).isEmpty());
    }
    QCOMPARE(figures(p), "0 0 | 0 0 0 0 | 0");
    for (Readout box : {Readout::LedCC1, Readout::LedCC2, Readout::Total})
        QVERIFY(p.readoutIsWhite(box));
    QVERIFY(!p.budget.WarnCC(1) && !p.budget.WarnCC(2) && !p.budget.WarnTotal());
    QVERIFY(!p.budget.AverageMode());
    QCOMPARE(p.current[1], Current::mA700);
    QCOMPARE(p.warnings.size(), 3);
}

void PowerBudgetTest::currentRules_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("cc1");
    QTest::addColumn<int>("cc2");
    QTest::addColumn<QString>("usableCC1");
    QTest::addColumn<QString>("usableCC2");

    const QString to13 = "1-13";
    QTest::newRow("350 and 350") << "75 W" << 350 << 350 << to13 << to13;
    QTest::newRow("700 on CC #1") << "75 W" << 700 << 350 << "14" << to13;
    QTest::newRow("1000 on CC #2") << "75 W" << 350 << 1000 << to13 << "";
    QTest::newRow("1000 on both") << "75 W" << 1000 << 1000 << ""
                                  << "";
    QTest::newRow("36 W leaves CC #2 alone") << "36 W" << 350 << 350 << to13 << "untouched";
}

void PowerBudgetTest::currentRules()
{
    QFETCH(QString, variant);
    QFETCH(int, cc1);
    QFETCH(int, cc2);
    QFETCH(QString, usableCC1);
    QFETCH(QString, usableCC2);
    const auto toCurrent = [](int mA) {
        return mA == 350 ? Current::mA350 : mA == 700 ? Current::mA700 : Current::mA1000;
    };

    FakePanel p(variantNamed(variant));
    p.budget.Load();
    p.clickNominal();
    for (int row = 1; row <= kRows; ++row) {
        p.preset(Output::CC1, row, "1");
        p.preset(Output::CC2, row, "1");
        p.preset(Output::CV1, row, "1");
    }
    p.preset(Output::CC1, 1, "0");
    p.chooseCurrent(Output::CC1, toCurrent(cc1));
    p.chooseCurrent(Output::CC2, toCurrent(cc2));
    p.budget.PeriodicPass();

    const auto usable = [&](Output column) {
        QStringList rows;
        for (int row = 1; row <= kRows; ++row) {
            const bool on = p.enabled[std::size_t(column)][std::size_t(row)];
            const BoxLook look = p.look[std::size_t(column)][std::size_t(row)];
            // A blocked box is empty, disabled and grey; a usable one enabled and not grey.
            if (on && look == BoxLook::Usable)
                rows << QString::number(row);
            else if (on || look != BoxLook::Blocked || !p.boxString(column, row).isEmpty())
                rows << QStringLiteral("?%1").arg(row);
        }
        return rows.join(u',').replace("1,2,3,4,5,6,7,8,9,10,11,12,13", "1-13");
    };
    QCOMPARE(usable(Output::CC1), usableCC1);
    if (usableCC2 == "untouched") {
        for (int row = 1; row <= kRows; ++row)
            QCOMPARE(p.boxString(Output::CC2, row), "1");
    } else {
        QCOMPARE(usable(Output::CC2), usableCC2);
    }
    // The emptied rows left the totals; the CV column is never blocked.
    const auto held = [&](Output column) {
        int leds = 0;
        for (int row = 1; row <= kRows; ++row) {
            if (!p.boxString(column, row).isEmpty())
                leds += p.budget.variant().table.LedsPerColour(row);
        }
        return leds;
    };
    if (p.computations > 0) {
        QCOMPARE(p.budget.TotLedCC(1), held(Output::CC1));
        QCOMPARE(p.readout[Readout::LedCC1], QString::number(held(Output::CC1)));
    }
    for (int row = 1; row <= kRows; ++row)
        QCOMPARE(p.boxString(Output::CV1, row), "1");
    p.budget.PeriodicPass(); // the rules hold on every tick, whatever the boxes' state
    QCOMPARE(usable(Output::CC1), usableCC1);
}

void PowerBudgetTest::latchedBoxesBlink()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.clickNominal();
    enter(p, "CC2 9=3, CV1 3=5");
    QVERIFY(p.red[Readout::LedCC2] && p.red[Readout::Total]);
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        p.budget.PeriodicPass();
        seen << QStringLiteral("%1%2%3")
                    .arg(p.red[Readout::LedCC1] ? 'R' : 'w')
                    .arg(p.red[Readout::LedCC2] ? 'R' : 'w')
                    .arg(p.red[Readout::Total] ? 'R' : 'w');
    }
    QCOMPARE(seen.join(u' '), "www wRR www wRR");
    // A computation over the limit makes the box red again, whatever the blink left.
    p.budget.PeriodicPass();
    p.type(Output::CC2, 1, "1");
    QVERIFY(p.red[Readout::LedCC2]);
    // Within the limit again: white and still.
    p.type(Output::CV1, 3, "");
    p.budget.PeriodicPass();
    p.budget.PeriodicPass();
    QVERIFY(!p.red[Readout::Total]);
}

void PowerBudgetTest::tickDuringWarningDoesNothing()
{
    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.chooseCurrent(Output::CC1, Current::mA1000);
    QString textsWhileWarning;
    int ticksWhileWarning = 0;
    p.whileWarning = [&] {
        for (int i = 0; i < 4; ++i, ++ticksWhileWarning)
            p.budget.PeriodicPass();
        textsWhileWarning = p.boxString(Output::CC1, 5) + "/" + p.readout[Readout::LedCC1];
        QVERIFY(p.budget.running());
    };
    p.type(Output::CC1, 5, "3");
    QCOMPARE(ticksWhileWarning, 4);
    QCOMPARE(textsWhileWarning, "3/9"); // not emptied in the middle of the computation
    QCOMPARE(p.warnings.size(), 1);
    QVERIFY(p.red[Readout::LedCC1]);
    QVERIFY(!p.budget.running());

    p.whileWarning = nullptr;
    p.budget.PeriodicPass(); // the first tick after the warning does the work
    QCOMPARE(p.boxString(Output::CC1, 5), "");
    QCOMPARE(p.readout[Readout::LedCC1], "0");
    QVERIFY(!p.red[Readout::LedCC1]);
    QVERIFY(!p.enabled[0][5]);
}

void PowerBudgetTest::countsBeyondSixteenBits_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("keptTexts");

    QTest::newRow("40000 fixtures refused") << "CV1 1=40000"
                                            << "0 0 | 0 0 0 0 | 0"
                                            << "";
    QTest::newRow("-40000 refused") << "CC1 1=-40000"
                                    << "0 0 | 0 0 0 0 | 0"
                                    << "";
    QTest::newRow("6000 on row 13") << "CC1 13=6000"
                                    << "36000 0 | 63000 0 0 0 | 63000"
                                    << "6000";
    QTest::newRow("largest count on row 13") << "CC2 13=32767"
                                             << "0 196602 | 0 344053.5 0 0 | 344053.5"
                                             << "32767";
    QTest::newRow("smallest count on row 13") << "CC2 13=-32768"
                                              << "0 -196608 | 0 -344064 0 0 | -344064"
                                              << "-32768";
}

void PowerBudgetTest::countsBeyondSixteenBits()
{
    QFETCH(QString, entries);
    QFETCH(QString, expected);
    QFETCH(QString, keptTexts);

    FakePanel p(kOrvo75Power);
    p.budget.Load();
    p.clickNominal();
    enter(p, entries);
    QCOMPARE(figures(p), expected);
    QStringList kept;
    for (Output column : {Output::CC1, Output::CC2, Output::CV1, Output::CV2}) {
        for (int row = 1; row <= kRows; ++row) {
            if (!p.boxString(column, row).isEmpty())
                kept << p.boxString(column, row);
        }
    }
    QCOMPARE(kept.join(u','), keptTexts);

    // Every row of a CC column at the largest count: the LED total is the sum of the counts.
    FakePanel full(kOrvo75Power);
    full.budget.Load();
    for (int row = 1; row <= kRows; ++row)
        full.type(Output::CC1, row, "32767");
    QCOMPARE(full.budget.TotLedCC(1), 32767 * 34);
    QCOMPARE(full.readout[Readout::LedCC1], "1114078");
}

void PowerBudgetTest::budgetsAreSeparate()
{
    FakePanel big(kOrvo75Power);
    FakePanel small(kOrvo36Power);
    big.budget.Load();
    small.budget.Load();
    big.type(Output::CC1, 1, "7");
    big.type(Output::CV1, 10, "2");
    QCOMPARE(figures(small), "0 0 | 0 0 0 0 | 0");
    QVERIFY(small.warnings.isEmpty() && !small.budget.WarnCC(1));
    small.clickNominal();
    QVERIFY(big.budget.AverageMode());
    QCOMPARE(big.warnings, QStringList{kLed6});
}

QTEST_APPLESS_MAIN(PowerBudgetTest)
#include "tst_powerbudget.moc"
