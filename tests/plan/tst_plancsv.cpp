// Patch lists: a plan exported and imported again is the same plan, lists of other programs are
// read by their headers, and hostile bytes are refused or read with each bad line named, never
// a crash, a hang or memory without bound.
#include "plan/leverstext.h"
#include "plan/plancsv.h"

#include <QTest>

using namespace velantra;
using namespace velantra::plan;

namespace
{

// Three universes mixing our devices (in both modes) with a 9-lever ON-down type and a 10-lever
// type holding the address − 1.
RigPlan mixedPlan()
{
    RigPlan plan;
    plan.types.push_back({"Acme Par 9", 7, LeverScheme{.levers = 9, .onUp = false}});
    plan.types.push_back(
        {"Lumo Bar, \"10\"", 16,
         LeverScheme{.levers = 10, .addressMinusOne = true, .named = {{10, "stand-alone"}}}});
    PlanRow a = newRow(Device::Orvo75);
    a.label = "Bar 3, left \u00e9";
    a.setting.channels = 6;
    a.setting.terminator = true;
    a.setting.address = 300;
    PlanRow b = newTypeRow(0);
    b.universe = 2;
    b.setting.address = 505;
    PlanRow c = newTypeRow(1);
    c.universe = 0;
    c.label = "Back \"wall\"";
    c.setting.address = 512 - 15;
    PlanRow d = newRow(Device::Dor);
    d.setting.master = true;
    d.setting.tune = 3;
    d.universe = 2;
    PlanRow e = newRow(Device::Fluo);
    e.typedChannels = 4;
    e.setting.address = 17;
    e.setting.modulation = true;
    e.universe = 0;
    PlanRow f = newTypeRow(0);
    f.universe = 2;
    f.setting.address = 1;
    plan.rows = {a, b, c, d, e, f};
    return plan;
}

} // namespace

class PlanCsvTest : public QObject
{
    Q_OBJECT
private slots:
    void exportThenImportGivesTheSamePlan();
    void exportedLines();
    void listsOfOtherProgramsAreRead_data();
    void listsOfOtherProgramsAreRead();
    void hostileBytes_data();
    void hostileBytes();
    void leverSchemeLineReadsBack();
};

void PlanCsvTest::exportThenImportGivesTheSamePlan()
{
    const RigPlan plan = mixedPlan();
    const ReadResult back = readCsvPlan(writeCsv(plan), QStringLiteral("patch.csv"));
    QCOMPARE(back.error, QString());
    QVERIFY(back.plan && samePlan(*back.plan, plan));
}

void PlanCsvTest::exportedLines()
{
    const QStringList lines =
        QString::fromUtf8(writeCsv(mixedPlan())).split(QStringLiteral("\r\n"));
    QCOMPARE(lines[0], "universe,start,end,label,fixture,mode,channels,levers ON,lever scheme");
    // The ORVO 75 at 300 with 6 Ch and its terminator: its levers as its card shows them.
    QCOMPARE(lines[1], "1,300,305,\"Bar 3, left \u00e9\",ORVO 75,\"DMX (slave), 6 Ch, 120 ohm "
                       "terminator\",6,\"4-lever bank: 1; 12-lever bank: 3, 4, 6, 9, 11\",");
    QCOMPARE(lines[2], "2,505,511,,Acme Par 9,DMX,7,\"1, 4, 5, 6, 7, 8, 9\",\"9 levers; lowest 1; "
                       "ON down; address\"");
    QCOMPARE(lines[3], "0,497,512,\"Back \"\"wall\"\"\",\"Lumo Bar, \"\"10\"\"\",DMX,16,"
                       "\"5, 6, 7, 8, 9\",\"10 levers; lowest 1; ON up; address - 1; 10: "
                       "stand-alone\"");
    QCOMPARE(lines[4],
             "2,,,,DOR,\"Master, CCT 3\",,\"4-lever bank: 1, 2; 12-lever bank: 3, 11, 12\",");
    QCOMPARE(lines.size(), 8); // six rows and the empty text after the last line end
}

void PlanCsvTest::listsOfOtherProgramsAreRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");     // universe.start-end fixture "label", one per row
    QTest::addColumn<QString>("problems"); // joined by " | "
    QTest::newRow("semicolons, BOM, other headers")
        << QByteArray("\xEF\xBB\xBFUniv.;DMX;Name;Type;Footprint;Notes\r\n"
                      "3;1;Spot 1;Robo Spot;16;rigged\r\n"
                      "3;17;Spot 2;robo spot;16;\r\n"
                      ";;;;;\r\n"
                      "4;1;Wash;ORVO FLUO / Nembra;4;\r\n")
        << "3.1-16 Robo Spot \"Spot 1\"\n3.17-32 Robo Spot \"Spot 2\"\n4.1-4 ORVO FLUO / "
           "Nembra \"Wash\""
        << "";
    QTest::newRow("tabs, footprint from the mode, a quoted line break")
        << QByteArray("Fixture\tAddress\tMode\tLabel\n"
                      "Mover X\t10\tMode 2 (20ch)\t\"two\nlines\"\n"
                      "Mover X\t30\t20ch\tok\n")
        << "1.30-49 Mover X \"ok\""
        << "line 2: the label holds a control character";
    QTest::newRow("bad lines named, good ones kept")
        << QByteArray("fixture,start,channels,universe\n"
                      "Par,abc,7,1\n"
                      "Par,1,7,64000\n"
                      "Par,8,8,1\n"
                      ",9,1,1\n"
                      "orvo75,20,4,1\n"
                      "Par,15,7,1\n")
        << "1.15-21 Par \"\""
        << "line 2: start \u201cabc\u201d is not from 1 to 999999 | line 3: universe "
           "\u201c64000\u201d is not from 0 to 63999 | line 4: \u201cPar\u201d is given another "
           "channel count on an earlier line | line 5: no fixture | line 6: the ORVO 75 takes 3 "
           "or 6 channels, as its mode says, in DMX mode";
}

void PlanCsvTest::listsOfOtherProgramsAreRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    QFETCH(QString, problems);
    const CsvTable table = parseCsv(bytes);
    QCOMPARE(table.error, QString());
    const CsvImport read = planFromCsv(table, guessColumns(table));
    QStringList shown;
    for (const PlanRow& row : read.plan.rows)
        shown << QStringLiteral("%1.%2-%3 %4 \"%5\"")
                     .arg(row.universe)
                     .arg(row.setting.address)
                     .arg(endAddress(read.plan, row).value_or(0))
                     .arg(QString::fromStdString(fixtureName(read.plan, row)),
                          QString::fromStdString(row.label));
    QCOMPARE(shown.join(u'\n'), rows);
    QStringList said;
    for (const std::string& problem : read.problems)
        said << QString::fromStdString(problem);
    QCOMPARE(said.join(QStringLiteral(" | ")), problems);
}

void PlanCsvTest::hostileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // the start of the refusal
    const QByteArray header = "universe,start,end,label,fixture,mode,channels\n";
    QTest::newRow("empty file") << QByteArray() << "patch.csv: the file holds no patch";
    QTest::newRow("only a BOM and blank lines")
        << QByteArray("\xEF\xBB\xBF\r\n\r\n") << "patch.csv: the file holds no patch";
    QTest::newRow("wrong delimiter") << QByteArray("universe|start|fixture\n1|1|Par\n")
                                     << "patch.csv: line 1: no header; name the columns";
    QTest::newRow("quote left open") << header + "1,1,,\"Bar 3,Par,,7\n1,9,,x,Par,,7\n"
                                     << "patch.csv: line 2: a quote opened here is never closed";
    QTest::newRow("text after a closing quote") << header + "1,1,,\"Bar\"3,Par,,7\n"
                                                << "patch.csv: line 2: text after a closing quote";
    QTest::newRow("invalid UTF-8 on line 3") << header + "1,1,,ok,Par,,7\n1,8,,\xC3\x28,Par,,7\n"
                                             << "patch.csv: line 3: the text is not UTF-8";
    QTest::newRow("invalid UTF-8 after lone carriage returns")
        << QByteArray("universe,start,end,label,fixture,mode,channels\r1,1,,ok,Par,,7\r1,8,,"
                      "\xC3\x28,Par,,7\r")
        << "patch.csv: line 3: the text is not UTF-8";
    QTest::newRow("a lone carriage return inside quotes")
        << QByteArray("universe,start,end,label,fixture,mode,channels,note\r"
                      "1,1,,ok,Par,,7,\"on the\rtruss\"\r1,1,,ok,Par,,x,\r")
        << "patch.csv: line 4: channels \u201cx\u201d is no number";
    QTest::newRow("surrogate in UTF-8") << header + "1,1,,\xED\xA0\x80,Par,,7\n"
                                        << "patch.csv: line 2: the text is not UTF-8";
    QByteArray many = header;
    for (int i = 0; i < 100000; ++i)
        many += "1,1,,x,Par,,7\n";
    QTest::newRow("100,000 lines")
        << many << "patch.csv: line 10002: a plan holds at most 10000 rows";
    QTest::newRow("65 columns") << header + QByteArray(65, ',') + "\n"
                                << "patch.csv: line 2: more than 64 columns";
    QTest::newRow("too large") << QByteArray(kMaxFileSize + 1, ',')
                               << "patch.csv: the file is larger than any patch list";
    QTest::newRow("data from the first line, one cell a header's name")
        << QByteArray("1,1,Par,DMX\n1,8,Par,DMX\n")
        << "patch.csv: line 1: no header; name the columns";
    QTest::newRow("no fixture column")
        << QByteArray("universe,start\n1,1\n")
        << "patch.csv: no column holds the fixture (a header such as Fixture or Type)";
    QTest::newRow("an end before the start") // found by the fuzz target
        << header + "1,300,30,,DOR,,\n"
        << "patch.csv: line 2: end \u201c30\u201d is not 1 to 512 channels after the start";
    QTest::newRow("a bad line refuses the whole file")
        << header + "1,1,,ok,Par,,7\n1,1,,ok,Par,,x\n"
        << "patch.csv: line 3: channels \u201cx\u201d is no number";
}

void PlanCsvTest::hostileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const ReadResult read = readCsvPlan(bytes, QStringLiteral("/tmp/patch.csv"));
    QVERIFY(!read.plan);
    QVERIFY2(read.error.startsWith(error), qPrintable(read.error));
}

void PlanCsvTest::leverSchemeLineReadsBack()
{
    const LeverScheme scheme{.levers = 12,
                             .lowestLever = 9,
                             .onUp = false,
                             .addressMinusOne = true,
                             .named = {{10, "stand-alone"}, {12, "test: on"}}};
    std::string problem;
    QCOMPARE(readSchemeText(schemeText(scheme), &problem), scheme);
    QVERIFY(!readSchemeText("10 levers; lowest 5; ON up; address", &problem));
    QCOMPARE(problem, "the lever scheme \u201c10 levers; lowest 5; ON up; address\u201d: the "
                      "lowest bit is on lever 1 or on lever 9");
}

QTEST_APPLESS_MAIN(PlanCsvTest)
#include "tst_plancsv.moc"
