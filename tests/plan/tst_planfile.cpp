// The plan file: every field survives a round trip, the documented example is what the writer
// writes, and every bad file is refused with its own message.
#include "plan/planfile.h"
#include "tests/support/diskfull.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace velantra::plan;

namespace
{

// One row of each device, each option in force set to something other than its default.
RigPlan everyField()
{
    RigPlan plan;
    PlanRow a = newRow(Device::Orvo75);
    a.label = "Bar 3 left \u00e9\u00fc";
    a.setting.address = 300;
    a.setting.channels = 6;
    a.setting.terminator = true;
    PlanRow b = newRow(Device::Orvo75);
    b.setting.master = true;
    b.setting.pushbutton = true;
    b.setting.speed = 4;
    b.setting.show = 15;
    PlanRow c = newRow(Device::Fluo);
    c.setting.address = 511;
    c.setting.modulation = true;
    c.typedChannels = 512;
    PlanRow d = newRow(Device::Intell);
    d.setting.master = true;
    d.setting.show = 0;
    d.typedChannels = 1;
    PlanRow e = newRow(Device::Dor);
    e.setting.master = true;
    e.setting.tune = 9;
    PlanRow f = newRow(Device::Orvo36);
    f.setting.address = kMaxStart;
    return {.rows = {a, b, c, d, e, f}};
}

// The same, with fixture types of other makers and rows on other universes.
RigPlan everyFieldOfVersion2()
{
    RigPlan plan = everyField();
    plan.types.push_back(
        {"Acme Par 9 \u00e9", 7, velantra::LeverScheme{.levers = 9, .onUp = false}});
    plan.types.push_back({"Lumo Bar", 16,
                          velantra::LeverScheme{.levers = 12,
                                                .lowestLever = 9,
                                                .addressMinusOne = true,
                                                .named = {{10, "stand-alone"}, {12, "test"}}}});
    plan.types.push_back({"Dimmer without levers", 1, std::nullopt});
    plan.rows[0].universe = 0;
    plan.rows[2].universe = 63999;
    for (int t = 0; t < 3; ++t) {
        PlanRow row = newTypeRow(t);
        row.label = "type " + std::to_string(t);
        row.universe = 2 + t;
        row.setting.address = 10 + t;
        plan.rows.push_back(row);
    }
    return plan;
}

QList<QByteArray> documentedExamples()
{
    QFile doc(QStringLiteral(VELANTRA_SOURCE_DIR "/docs/rig-plan-format.md"));
    if (!doc.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(doc.readAll());
    const QRegularExpression block(QStringLiteral("```json\\n(.*?)```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    QList<QByteArray> examples;
    for (const QRegularExpressionMatch& match : block.globalMatch(text))
        examples << match.captured(1).toUtf8();
    return examples;
}

} // namespace

class PlanFileTest : public QObject
{
    Q_OBJECT
private slots:
    void everyFieldSurvivesSaveAndLoad();
    void documentedExampleIsWhatIsWritten();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void failedSaveKeepsThePreviousFile();
};

void PlanFileTest::everyFieldSurvivesSaveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rig.json"));
    QString error;
    for (const RigPlan& plan : {everyField(), everyFieldOfVersion2()}) {
        QVERIFY(savePlanFile(path, plan, &error));
        const ReadResult back = loadPlanFile(path);
        QCOMPARE(back.error, QString());
        QVERIFY(back.plan && samePlan(*back.plan, plan));
    }
    // What is new makes the file version 2; a plan without it stays readable by older programs.
    QCOMPARE(formatVersionOf(everyField()), 1);
    QCOMPARE(formatVersionOf(everyFieldOfVersion2()), 2);
    RigPlan onUniverseTwo = everyField();
    onUniverseTwo.rows[1].universe = 2;
    QCOMPARE(formatVersionOf(onUniverseTwo), 2);
    QVERIFY(savePlanFile(path, {}, &error));
    QVERIFY(loadPlanFile(path).plan->rows.empty());
}

void PlanFileTest::documentedExampleIsWhatIsWritten()
{
    const QList<QByteArray> examples = documentedExamples();
    QCOMPARE(examples.size(), 2);
    for (const QByteArray& example : examples) {
        const ReadResult read = readPlan(example, QStringLiteral("example.json"));
        QCOMPARE(read.error, QString());
        QCOMPARE(read.plan->rows.size(), 3u);
        QCOMPARE(QString::fromUtf8(writePlan(*read.plan)), QString::fromUtf8(example));
    }
}

void PlanFileTest::badFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray head = R"({"format": "velantra-rig", "version": 1, "rows": [)";
    const auto rows = [&](const char* text) { return head + text + "]}"; };
    const QByteArray good = R"({"label": "a", "device": "intell", "mode": "dmx", "address": 5})";

    QTest::newRow("not JSON")
        << QByteArray("Label\tDevice\n")
        << "plan.json: not a plan file: the JSON text is broken at byte 1 (illegal value)";
    QTest::newRow("truncated") << rows(good).left(60)
                               << "plan.json: not a plan file: the JSON text is broken at byte ";
    QTest::newRow("megabyte of nonsense")
        << QByteArray(1 << 20, '\x9c') << "plan.json: not a plan file: the JSON text is broken";
    QTest::newRow("too large") << QByteArray(kMaxFileSize + 1, ' ')
                               << "plan.json: the file is larger than any plan";
    QTest::newRow("a list") << QByteArray("[1, 2]")
                            << "plan.json: not a rig plan: \"format\" must be \"velantra-rig\"";
    QTest::newRow("other format") << QByteArray(R"({"format": "other", "version": 1})")
                                  << "plan.json: not a rig plan: \"format\" must be";
    QTest::newRow("version 3")
        << QByteArray(R"({"format": "velantra-rig", "version": 3, "rows": []})")
        << "plan.json: plan format version 3 cannot be read; this program reads versions 1 and 2";
    QTest::newRow("version as text")
        << QByteArray(R"({"format": "velantra-rig", "version": "1", "rows": []})")
        << "plan.json: plan format version (missing or not a number) cannot be read";
    QTest::newRow("rows not a list")
        << QByteArray(R"({"format": "velantra-rig", "version": 1, "rows": {}})")
        << "plan.json: \"rows\" must be a list";
    QTest::newRow("row not an object") << rows("7") << "plan.json: row 1: must be an object";
    QTest::newRow("label a number")
        << rows(R"({"label": 3, "device": "dor", "mode": "dmx", "address": 1})")
        << "plan.json: row 1: \"label\" must be a text";
    QTest::newRow("unknown device")
        << rows(R"({"label": "", "device": "orvo99", "mode": "dmx", "address": 1})")
        << "plan.json: row 1: \"device\" must be one of";
    QTest::newRow("address as text")
        << rows(R"({"label": "", "device": "dor", "mode": "dmx", "address": "1"})")
        << "plan.json: row 1: \"address\" must be a whole number from 1 to 999999";
    QTest::newRow("address zero")
        << (rows(R"({"label": "", "device": "dor", "mode": "dmx", "address": 0})"))
        << "plan.json: row 1: \"address\" must be a whole number from 1 to 999999";
    QTest::newRow("fractional channels")
        << rows((good.chopped(1) + R"(, "channels": 2.5})").constData())
        << "plan.json: row 1: \"channels\" must be a whole number from 1 to 512";
    QTest::newRow("513 channels")
        << rows((good.chopped(1) + R"(, "channels": 513})").constData())
        << "plan.json: row 1: \"channels\" must be a whole number from 1 to 512";
    QTest::newRow("ORVO 75 with 4 channels")
        << rows(R"({"label": "", "device": "orvo75", "mode": "dmx", "address": 1, "channels": 4})")
        << "plan.json: row 1: \"channels\" of the ORVO 75 must be 3 or 6";
    QTest::newRow("show 16 on second row")
        << rows((good + R"(, {"label": "", "device": "orvo36", "mode": "master", "show": 16})")
                    .constData())
        << "plan.json: row 2: \"show\" must be a whole number from 0 to 15";
    QTest::newRow("terminator as number")
        << rows((good.chopped(1) + R"(, "terminator": 1})").constData())
        << "plan.json: row 1: \"terminator\" must be true or false";
    QTest::newRow("option the device lacks")
        << rows(R"({"label": "", "device": "dor", "mode": "master", "speed": 1})")
        << "plan.json: row 1: \"speed\" does not apply to the DOR in master mode";
    QTest::newRow("DMX row without address")
        << rows(R"({"label": "", "device": "dor", "mode": "dmx"})")
        << "plan.json: row 1: a row in DMX mode needs an \"address\"";
    QTest::newRow("mode misspelt")
        << rows(R"({"label": "", "device": "dor", "mode": "DMX", "address": 1})")
        << "plan.json: row 1: \"mode\" must be \"dmx\" or \"master\"";
    QTest::newRow("address twice")
        << rows(R"({"label": "", "device": "dor", "mode": "dmx", "address": 1, "address": 600})")
        << "plan.json: row 1: \"address\" is given twice";
    QTest::newRow("key twice, one written with an escape")
        << rows(R"({"label": "a", "device": "dor", "mode": "dmx", "address": 1, "l\u0061bel": ""})")
        << "plan.json: row 1: \"label\" is given twice";
    QTest::newRow("rows twice at the top")
        << QByteArray(R"({"format": "velantra-rig", "version": 1, "rows": [], "rows": []})")
        << "plan.json: \"rows\" is given twice";
    QTest::newRow("label of 201 characters")
        << rows(QByteArray(R"({"device": "dor", "mode": "dmx", "address": 1, "label": ")") +
                QByteArray(201, 'x') + "\"}")
        << "plan.json: row 1: the label is longer than 200 characters";
    QTest::newRow("control character in label")
        << rows(R"({"label": "a\u0007", "device": "dor", "mode": "dmx", "address": 1})")
        << "plan.json: row 1: the label holds a control character";
    // A byte order mark would be dropped when the label is read back.
    QTest::newRow("byte order mark in label")
        << rows(R"({"label": "\ufeffBar", "device": "dor", "mode": "dmx", "address": 1})")
        << "plan.json: row 1: the label holds a control character";

    // Version 2: universes and fixture types.
    QTest::newRow("universe in version 1")
        << rows(R"({"label": "", "device": "dor", "mode": "dmx", "address": 1, "universe": 2})")
        << "plan.json: row 1: \"universe\" needs plan format version 2";
    QTest::newRow("types in version 1")
        << QByteArray(R"({"format": "velantra-rig", "version": 1, "rows": [], "types": []})")
        << "plan.json: unknown entry \"types\"";
    const QByteArray v2 = R"({"format": "velantra-rig", "version": 2, "types": [)";
    const auto typed = [&](const char* types, const char* rowText) {
        return v2 + types + R"(], "rows": [)" + rowText + "]}";
    };
    const char* par = R"({"name": "Par", "channels": 7})";
    QTest::newRow("universe 64000")
        << typed(
               "",
               R"({"label": "", "device": "dor", "mode": "dmx", "address": 1, "universe": 64000})")
        << "plan.json: row 1: \"universe\" must be a whole number from 0 to 63999";
    QTest::newRow("fixture of no type")
        << typed(par, R"({"label": "", "fixture": "Spot", "address": 1})")
        << "plan.json: row 1: \"fixture\" must name one of the plan's types";
    QTest::newRow("mode on a type's row")
        << typed(par, R"({"label": "", "fixture": "Par", "address": 1, "mode": "dmx"})")
        << "plan.json: row 1: \"mode\" does not apply to a fixture type's row";
    QTest::newRow("type's row without address")
        << typed(par, R"({"label": "", "fixture": "Par"})")
        << "plan.json: row 1: a row of a fixture type needs an \"address\"";
    QTest::newRow("two types of one name")
        << typed(R"({"name": "Par", "channels": 7}, {"name": "PAR", "channels": 3})", "")
        << "plan.json: type 2: there is already a fixture type \u201cPar\u201d";
    QTest::newRow("type without channels")
        << typed(R"({"name": "Par"})", "") << "plan.json: type 1: \"channels\" must be";
    QTest::newRow("key twice in a type")
        << typed(R"({"name": "Par", "channels": 7, "name": "Spot"})", "")
        << "plan.json: type 1: \"name\" is given twice";
    QTest::newRow("key twice in the second row")
        << typed(par, R"({"label": "", "fixture": "Par", "address": 1},
                         {"label": "", "fixture": "Par", "address": 1, "address": 2})")
        << "plan.json: row 2: \"address\" is given twice";
    QTest::newRow("seven levers")
        << typed(R"({"name": "Par", "channels": 7, "levers": {"count": 7, "lowest": 1,
                     "on": "up", "holds": "address"}})",
                 "")
        << "plan.json: type 1: levers: \"count\" must be a whole number from 8 to 12";
    QTest::newRow("ON sideways")
        << typed(R"({"name": "Par", "channels": 7, "levers": {"count": 9, "lowest": 1,
                     "on": "left", "holds": "address"}})",
                 "")
        << "plan.json: type 1: levers: \"on\" must be \"up\" or \"down\"";
    QTest::newRow("function lever among the address levers")
        << typed(R"({"name": "Par", "channels": 7, "levers": {"count": 10, "lowest": 1,
                     "on": "up", "holds": "address", "functions": [{"lever": 3, "name": "x"}]}})",
                 "")
        << "plan.json: type 1: levers: lever 3 is not a function lever: those are levers 10 to 10";
}

void PlanFileTest::badFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const ReadResult read = readPlan(bytes, QStringLiteral("/somewhere/plan.json"));
    QVERIFY(!read.plan);
    QVERIFY2(read.error.startsWith(message), qPrintable(read.error));
}

void PlanFileTest::failedSaveKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rig.json"));
    QString error;
    QVERIFY(savePlanFile(path, everyField(), &error));
    if (!velantra::test::DiskFullAfter::kAvailable)
        QSKIP(velantra::test::kNoDiskFull);
    const RigPlan large{.rows = std::vector<PlanRow>(200, newRow(Device::Dor))};
    bool saved = false;
    {
        const velantra::test::DiskFullAfter full(1000);
        saved = savePlanFile(path, large, &error);
    }
    QVERIFY(!saved);
    QVERIFY2(error.startsWith(QStringLiteral("rig.json: ")), qPrintable(error));
    QVERIFY(samePlan(*loadPlanFile(path).plan, everyField()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("rig.json")});
}

QTEST_APPLESS_MAIN(PlanFileTest)
#include "tst_planfile.moc"
