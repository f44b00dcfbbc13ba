// The planner's arithmetic and problem finder, checked against addresses worked out by hand.
#include "plan/addressing.h"
#include "plan/patchlines.h"
#include "plan/plantext.h"
#include "plan/problems.h"

#include <QTest>

using namespace velantra;
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
        plan.rows.push_back(row(Device::Orvo75, 6));
        plan.rows.push_back(row(Device::Orvo75, 3));
        plan.rows.push_back(row(Device::Orvo36, 4));
        plan.rows.push_back(row(Device::Intell, 9));
        plan.rows.push_back(row(Device::Dor, 1));
    }
    addressFrom(plan, {}, 1, 1);
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
    void universesAndTypes_data();
    void universesAndTypes();
    void addressFromGoesOnToTheNextUniverse();
    void thousandsOfOverlapsStayBounded();
    void modeTextReadsBack_data();
    void modeTextReadsBack();
    void typesAreChecked_data();
    void typesAreChecked();
    void patchSheetGoesUniverseByUniverse();
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
    QCOMPARE(plan.rows.size(), 50u);
    QCOMPARE(plan.rows[std::size_t(rowNumber - 1)].setting.address, start);
    QCOMPARE(endAddress(plan, plan.rows[std::size_t(rowNumber - 1)]), end);
    QCOMPARE(problemsOf(plan), QString());
    QCOMPARE(problemSummary(findProblems(plan)), "No problems");
}

void RigPlanTest::editedStartOverlapsItsNeighbour()
{
    RigPlan plan = fiftyRows();
    plan.rows[21].label = "Bar 3 left";
    plan.rows[22].setting.address = 100; // row 22 holds 99–101
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
    QCOMPARE(problemsOf({.rows = {r}}), expected);
}

void RigPlanTest::addressingSelectedRowsSkipsMasters()
{
    RigPlan plan{.rows = {row(Device::Dor, 5), row(Device::Fluo, 10), row(Device::Intell, 2),
                          row(Device::Orvo36, 7)}};
    plan.rows[1].setting.master = true;
    addressFrom(plan, {3, 1, 0}, 1, 100);
    QCOMPARE(plan.rows[0].setting.address, 100);
    QCOMPARE(plan.rows[1].setting.address, 1); // master: untouched
    QCOMPARE(plan.rows[2].setting.address, 1); // not selected
    QCOMPARE(plan.rows[3].setting.address, 105);
}

void RigPlanTest::tableOperations()
{
    RigPlan plan{.rows = {row(Device::Dor, 5, "a"), row(Device::Fluo, 10, "b")}};
    plan.rows[0].setting.address = 50;
    plan.rows[1].setting.address = 20;
    QCOMPARE(duplicateRow(plan, 0, 3), 3);
    QCOMPARE(plan.rows.size(), 5u);
    QCOMPARE(plan.rows[3].label, "a");
    QCOMPARE(plan.rows[4].label, "b");
    QVERIFY(moveRow(plan, 4, -1));
    QCOMPARE(plan.rows[3].label, "b");
    QVERIFY(!moveRow(plan, 0, -1));
    plan.rows[0].setting.master = true;
    plan.rows[2].universe = 0; // the lowest universe first, whatever its address
    sortByAddress(plan);
    QCOMPARE(plan.rows.front().label, "a");
    QCOMPARE(plan.rows[1].label, "b");
    QVERIFY(plan.rows.back().setting.master);
    QCOMPARE(duplicateRow(plan, 0, 50000), kMaxRows - 5);
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
    QCOMPARE(QString::fromStdString(planAsText({.rows = {a, b, c}})),
             "Label\tDevice\tMode and options\tChannels\tUniverse\tStart\tEnd\n"
             "Bar 3\tORVO 75\tDMX (slave), 6 Ch, 120 ohm terminator\t6\t1\t10\t15\n"
             "\tDOR\tMaster, CCT 4\t\t\t\t\n"
             "\tORVO FLUO / Nembra\tMaster, speed 2, show preset, ext. pushbutton, 1-100 % "
             "modulation\t\t\t\t\n");
}

// Two fixture types of other makers: a 9-lever bank ON down, a 10-lever bank holding address − 1.
RigPlan twoTypes()
{
    RigPlan plan;
    plan.types.push_back({"Acme Par 9", 7, LeverScheme{.levers = 9, .onUp = false}});
    plan.types.push_back(
        {"Lumo Bar 10", 16,
         LeverScheme{.levers = 10, .addressMinusOne = true, .named = {{10, "stand-alone"}}}});
    return plan;
}

void RigPlanTest::universesAndTypes_data()
{
    QTest::addColumn<int>("universeA");
    QTest::addColumn<int>("startA");
    QTest::addColumn<int>("universeB");
    QTest::addColumn<int>("startB");
    QTest::addColumn<QString>("expected");
    QTest::newRow("same universe, overlapping")
        << 2 << 10 << 2 << 12
        << "row 1: channels 10\u201316 overlap row 2 \u201cbar\u201d (12\u201327)";
    QTest::newRow("other universes, same channels") << 0 << 10 << 63999 << 10 << "";
    QTest::newRow("end of the type's block beyond 512")
        << 1 << 1 << 1 << 500 << "row 2 \u201cbar\u201d: ends at 515, beyond 512";
    // Nine levers hold 1–511; ten levers holding address − 1 hold up to 512.
    QTest::newRow("start beyond the nine levers")
        << 1 << 511 << 3 << 1 << "row 1: ends at 517, beyond 512";
}

void RigPlanTest::universesAndTypes()
{
    QFETCH(int, universeA);
    QFETCH(int, startA);
    QFETCH(int, universeB);
    QFETCH(int, startB);
    QFETCH(QString, expected);
    RigPlan plan = twoTypes();
    plan.rows = {newTypeRow(0), newTypeRow(1)};
    plan.rows[0].universe = universeA;
    plan.rows[0].setting.address = startA;
    plan.rows[1].universe = universeB;
    plan.rows[1].setting.address = startB;
    plan.rows[1].label = "bar";
    QCOMPARE(channelCount(plan, plan.rows[1]), 16);
    QCOMPARE(fixtureName(plan, plan.rows[0]), "Acme Par 9");
    QCOMPARE(problemsOf(plan), expected);

    // A type whose levers cannot hold the address: eight levers hold 1–255.
    plan.types[0].levers->levers = 8;
    plan.rows[0].setting.address = 300;
    plan.rows[0].universe = 9;
    QVERIFY2(problemsOf(plan).contains(
                 "row 1: start 300 is beyond the levers of the Acme Par 9 (at most 255)"),
             qPrintable(problemsOf(plan)));
}

void RigPlanTest::addressFromGoesOnToTheNextUniverse()
{
    RigPlan plan = twoTypes();
    plan.types[0].channels = 100;
    for (int i = 0; i < 12; ++i)
        plan.rows.push_back(newTypeRow(0));
    plan.rows[3].setting.master = true; // a type's row takes an address whatever its setting
    keepOptionsInForce(plan.rows[3]);
    const std::vector<UniverseBreak> breaks = addressFrom(plan, {}, 7, 301);
    // 301, 401 on universe 7; 501 would end at 600: universe 8 from 1, five blocks of 100, …
    QStringList starts;
    for (const PlanRow& row : plan.rows)
        starts << QStringLiteral("%1.%2").arg(row.universe).arg(row.setting.address);
    QCOMPARE(starts.join(u' '),
             "7.301 7.401 8.1 8.101 8.201 8.301 8.401 9.1 9.101 9.201 9.301 9.401");
    QCOMPARE(breaks.size(), 2u);
    QCOMPARE(breaks[0].row, 2);
    QCOMPARE(breaks[0].universe, 8);
    QCOMPARE(breaks[1].row, 7);
    QCOMPARE(problemsOf(plan), QString());

    // The last universe takes what is left.
    addressFrom(plan, {}, kLastUniverse, 1);
    QCOMPARE(plan.rows.back().universe, kLastUniverse);
    QCOMPARE(plan.rows.back().setting.address, 1101);
}

// Ten thousand blocks on one address: each names at most kMaxOverlapsNamed of the blocks before
// it, so the problems stay as many as the rows, not their square.
void RigPlanTest::thousandsOfOverlapsStayBounded()
{
    RigPlan plan;
    plan.rows.assign(kMaxRows, row(Device::Intell, 4));
    const std::vector<Problem> problems = findProblems(plan);
    std::size_t expected = 0;
    for (int i = 0; i < kMaxRows; ++i)
        expected += std::size_t(std::min(i, kMaxOverlapsNamed));
    QCOMPARE(problems.size(), expected);
    QCOMPARE(problemsByRow(plan, problems)[5],
             rowProblems(plan, problems, 5)); // the fast way says what the slow one says
    // Apart by one channel: none.
    for (int i = 0; i < kMaxRows; ++i) {
        plan.rows[std::size_t(i)].universe = i / 128;
        plan.rows[std::size_t(i)].setting.address = 1 + 4 * (i % 128);
    }
    QCOMPARE(findProblems(plan).size(), 0u);
}

void RigPlanTest::modeTextReadsBack_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("ORVO 75, 6 Ch, terminator")
        << int(Device::Orvo75) << "DMX (slave), 6 Ch, 120 ohm terminator"
        << "";
    QTest::newRow("FLUO master") << int(Device::Fluo)
                                 << "Master, speed 2, show preset, ext. pushbutton, 1-100 % "
                                    "modulation"
                                 << "";
    QTest::newRow("DOR master, CCT 4") << int(Device::Dor) << "Master, CCT 4"
                                       << "";
    QTest::newRow("short and in any case") << int(Device::Intell) << "dmx"
                                           << "";
    QTest::newRow("speed on the DOR") << int(Device::Dor) << "Master, speed 2"
                                      << "The DOR fixture has no speed choice.";
    QTest::newRow("unknown option") << int(Device::Orvo36) << "DMX (slave), strobe"
                                    << "\u201cstrobe\u201d is no option";
    QTest::newRow("other mode") << int(Device::Orvo36) << "Stand-alone"
                                << "the mode \u201cstand-alone\u201d is not DMX or Master";
}

void RigPlanTest::modeTextReadsBack()
{
    QFETCH(int, device);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    DeviceSetting setting{.device = Device(device), .address = 40};
    const std::optional<std::string> why = readModeAndOptions(text.toStdString(), setting);
    QCOMPARE(QString::fromStdString(why.value_or("")), problem);
    if (problem.isEmpty() && text.front().isUpper())
        QCOMPARE(QString::fromStdString(modeAndOptions(setting)), text);
}

void RigPlanTest::typesAreChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<QString>("lever10");
    QTest::addColumn<QString>("problem");
    QTest::newRow("fits") << "Spot 250" << 16 << 1 << "stand-alone"
                          << "";
    QTest::newRow("lowest bit on the last address lever") << "Spot" << 1 << 9 << ""
                                                          << "";
    QTest::newRow("no name") << " " << 16 << 1 << ""
                             << "a fixture type needs a name";
    QTest::newRow("another type's name, other case")
        << "acme par 9" << 16 << 1 << ""
        << "there is already a fixture type \u201cAcme Par 9\u201d";
    QTest::newRow("one of our devices") << "orvo 75" << 6 << 1 << ""
                                        << "\u201corvo 75\u201d is one of our devices";
    QTest::newRow("513 channels") << "Big" << 513 << 1 << ""
                                  << "a fixture type takes 1 to 512 channels";
    QTest::newRow("lowest bit mid-bank")
        << "Mid" << 4 << 5 << ""
        << "the levers: the lowest bit is on lever 1 or on lever 9";
    QTest::newRow("a lever name with a semicolon")
        << "Semi" << 4 << 1 << "a; b"
        << "lever 10: a name holds no \u201c;\u201d and no blank at either end";
}

void RigPlanTest::typesAreChecked()
{
    QFETCH(QString, name);
    QFETCH(int, channels);
    QFETCH(int, lowest);
    QFETCH(QString, lever10);
    QFETCH(QString, problem);
    const RigPlan plan = twoTypes();
    FixtureType type{name.toStdString(), channels,
                     LeverScheme{.levers = 10, .lowestLever = lowest}};
    if (!lever10.isEmpty())
        type.levers->named.push_back({10, lever10.toStdString()});
    QCOMPARE(QString::fromStdString(typeProblem(plan, type, -1).value_or("")), problem);
    // A type keeps its own name when edited.
    QVERIFY(!typeProblem(plan, plan.types[0], 0));
}

// The lines a patch sheet prints: universe by universe, each in the order the fixtures have in
// the plan (the installer's walk along the rig, not the addresses), masters left out.
void RigPlanTest::patchSheetGoesUniverseByUniverse()
{
    RigPlan plan = twoTypes();
    plan.rows = {newTypeRow(0), row(Device::Dor, 2, "master"), newTypeRow(1),
                 row(Device::Intell, 3)};
    plan.rows[0].universe = 5;
    plan.rows[0].setting.address = 100;
    plan.rows[1].setting.master = true;
    plan.rows[2].universe = 5;
    plan.rows[3].universe = 0;
    plan.rows[3].setting.address = 40;
    QStringList lines;
    for (const PatchLine& line : patchSheetLines(plan))
        lines << QString::fromStdString(line.universe + "." + line.start + "-" + line.end + " " +
                                        line.fixture + " [" + line.leversOn + "]");
    QCOMPARE(lines.join(u'\n'),
             "0.40-42 Intelligent RGB [4-lever bank: 1, 3; 12-lever bank: 4, 6]\n"
             "5.100-106 Acme Par 9 [3, 6, 7]\n"
             "5.1-16 Lumo Bar 10 [none]");
    QCOMPARE(patchLines(plan)[1].universe, ""); // a master has no universe in the table
}

QTEST_APPLESS_MAIN(RigPlanTest)
#include "tst_rigplan.moc"
