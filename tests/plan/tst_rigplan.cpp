// The planner's arithmetic and problem finder, checked against addresses worked out by hand.
#include "plan/addressing.h"
#include "plan/plantext.h"
#include "plan/problems.h"

#include <QTest>

using namespace velantra::plan;

namespace
{

PlanRow row(Device device, int channels, std::string label = {})
{
    PlanRow r = newRow(device);
    r.label = std::move(label);
    if (device == Device::Orvo75)
        r.setting.channels = channels;
    else
        r.typedChannels = channels;
    return r;
}

// Fifty rows repeating ORVO 75 at 6 Ch, ORVO 75 at 3 Ch, ORVO 36 with 4, Intelligent RGB with 9
// and DOR with 1 channel: 23 channels every five rows.
RigPlan fiftyRows()
{
    RigPlan plan;
    for (int i = 0; i < 10; ++i) {
        plan.push_back(row(Device::Orvo75, 6));
        plan.push_back(row(Device::Orvo75, 3));
        plan.push_back(row(Device::Orvo36, 4));
        plan.push_back(row(Device::Intell, 9));
        plan.push_back(row(Device::Dor, 1));
    }
    addressFrom(plan, {}, 1);
    return plan;
}

QString problemsOf(const RigPlan& plan)
{
    return QString::fromStdString(problemReport(plan, findProblems(plan))).trimmed();
}

} // namespace

class RigPlanTest : public QObject
{
    Q_OBJECT
private slots:
    void fiftyRowsAddressedFromOne_data();
    void fiftyRowsAddressedFromOne();
    void editedStartOverlapsItsNeighbour();
    void problems_data();
    void problems();
    void addressingSelectedRowsSkipsMasters();
    void tableOperations();
    void planAsTabSeparatedText();
};

void RigPlanTest::fiftyRowsAddressedFromOne_data()
{
    QTest::addColumn<int>("rowNumber");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    // Worked by hand: every fifth row starts 23 channels after the one five rows up.
    QTest::newRow("first") << 1 << 1 << 6;
    QTest::newRow("after 6") << 2 << 7 << 9;
    QTest::newRow("after 6+3") << 3 << 10 << 13;
    QTest::newRow("after 6+3+4") << 4 << 14 << 22;
    QTest::newRow("one channel") << 5 << 23 << 23;
    QTest::newRow("second round") << 6 << 24 << 29;
    QTest::newRow("fifth round, third") << 23 << 102 << 105;
    QTest::newRow("last") << 50 << 230 << 230;
}

void RigPlanTest::fiftyRowsAddressedFromOne()
{
    QFETCH(int, rowNumber);
    QFETCH(int, start);
    QFETCH(int, end);
    const RigPlan plan = fiftyRows();
    QCOMPARE(plan.size(), 50u);
    QCOMPARE(plan[std::size_t(rowNumber - 1)].setting.address, start);
    QCOMPARE(endAddress(plan[std::size_t(rowNumber - 1)]), end);
    QCOMPARE(problemsOf(plan), QString());
    QCOMPARE(problemSummary(findProblems(plan)), "No problems");
}

void RigPlanTest::editedStartOverlapsItsNeighbour()
{
    RigPlan plan = fiftyRows();
    plan[21].label = "Bar 3 left";
    plan[22].setting.address = 100; // row 22 holds 99–101
    QCOMPARE(problemsOf(plan), "row 22 \u201cBar 3 left\u201d: channels 99\u2013101 overlap row 23 "
                               "(100\u2013103)");
    const std::vector<Problem> found = findProblems(plan);
    QCOMPARE(rowProblems(plan, found, 22),
             "channels 100\u2013103 overlap row 22 \u201cBar 3 left\u201d (99\u2013101)");
    QCOMPARE(problemSummary(found), "1 problem in 2 rows");
}

void RigPlanTest::problems_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fits") << 507 << 6 << false << "";
    QTest::newRow("last channel") << 512 - 8 << 9 << false << "";
    QTest::newRow("end beyond") << 510 << 6 << false << "row 1: ends at 515, beyond 512";
    QTest::newRow("start 512") << 512 << 1 << false << "row 1: start 512 is outside 1\u2013511";
    QTest::newRow("far start") << 900 << 9 << false << "row 1: start 900 is outside 1\u2013511";
    QTest::newRow("no count") << 1 << 0 << false << "row 1: no channel count";
    QTest::newRow("master takes no address") << 900 << 0 << true << "";
}

void RigPlanTest::problems()
{
    QFETCH(int, start);
    QFETCH(int, channels);
    QFETCH(bool, master);
    QFETCH(QString, expected);
    PlanRow r = newRow(Device::Intell);
    if (channels)
        r.typedChannels = channels;
    r.setting.address = start;
    r.setting.master = master;
    QCOMPARE(problemsOf({r}), expected);
}

void RigPlanTest::addressingSelectedRowsSkipsMasters()
{
    RigPlan plan{row(Device::Dor, 5), row(Device::Fluo, 10), row(Device::Intell, 2),
                 row(Device::Orvo36, 7)};
    plan[1].setting.master = true;
    addressFrom(plan, {3, 1, 0}, 100);
    QCOMPARE(plan[0].setting.address, 100);
    QCOMPARE(plan[1].setting.address, 1); // master: untouched
    QCOMPARE(plan[2].setting.address, 1); // not selected
    QCOMPARE(plan[3].setting.address, 105);
}

void RigPlanTest::tableOperations()
{
    RigPlan plan{row(Device::Dor, 5, "a"), row(Device::Fluo, 10, "b")};
    plan[0].setting.address = 50;
    plan[1].setting.address = 20;
    QCOMPARE(duplicateRow(plan, 0, 3), 3);
    QCOMPARE(plan.size(), 5u);
    QCOMPARE(plan[3].label, "a");
    QCOMPARE(plan[4].label, "b");
    QVERIFY(moveRow(plan, 4, -1));
    QCOMPARE(plan[3].label, "b");
    QVERIFY(!moveRow(plan, 0, -1));
    plan[0].setting.master = true;
    sortByAddress(plan);
    QCOMPARE(plan.front().label, "b");
    QVERIFY(plan.back().setting.master);
    QCOMPARE(duplicateRow(plan, 0, 5000), kMaxRows - 5);
}

void RigPlanTest::planAsTabSeparatedText()
{
    PlanRow a = row(Device::Orvo75, 6, "Bar\t3");
    a.setting.terminator = true;
    a.setting.address = 10;
    PlanRow b = newRow(Device::Dor);
    b.setting.master = true;
    b.setting.tune = 4;
    PlanRow c = newRow(Device::Fluo);
    c.setting.master = true;
    c.setting.pushbutton = true;
    c.setting.modulation = true;
    c.setting.speed = 2;
    QCOMPARE(QString::fromStdString(planAsText({a, b, c})),
             "Label\tDevice\tMode and options\tChannels\tStart\tEnd\n"
             "Bar 3\tORVO 75\tDMX (slave), 6 Ch, 120 ohm terminator\t6\t10\t15\n"
             "\tDOR\tMaster, CCT 4\t\t\t\n"
             "\tORVO FLUO / Nembra\tMaster, speed 2, show preset, ext. pushbutton, 1-100 % "
             "modulation\t\t\t\n");
}

QTEST_APPLESS_MAIN(RigPlanTest)
#include "tst_rigplan.moc"
