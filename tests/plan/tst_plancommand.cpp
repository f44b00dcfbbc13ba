// `velantra plan` as a user runs it in a shell, without a display.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class PlanCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void cards();
    void patchListOutAndIn();
};

void PlanCommandTest::check_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QByteArray head = R"({"format": "velantra-rig", "version": 1, "rows": [)";
    const QByteArray clean =
        head + R"({"label": "Bar", "device": "orvo75", "mode": "dmx", "address": 1, "channels": 6},
                  {"label": "", "device": "intell", "mode": "dmx", "address": 7, "channels": 9}]})";
    const QByteArray overlapping =
        head + R"({"label": "Bar", "device": "orvo75", "mode": "dmx", "address": 1, "channels": 6},
                  {"label": "", "device": "intell", "mode": "dmx", "address": 4, "channels": 9}]})";
    const QStringList check{QStringLiteral("--check")};
    QTest::newRow("clean") << clean << check << 0 << "rig.json: 2 rows, no problems\n"
                           << "";
    QTest::newRow("problems")
        << overlapping << check << 1
        << "rig.json: 2 rows, 1 problem in 2 rows\n"
           "row 1 \u201cBar\u201d: channels 1\u20136 overlap row 2 (4\u201312)\n"
        << "";
    QTest::newRow("refused file")
        << QByteArray("{") << check << 1 << ""
        << "velantra plan: rig.json: not a plan file: the JSON text is broken at byte 1 "
           "(unterminated object)\n";
    QTest::newRow("no option") << clean << QStringList() << 2 << ""
                               << "velantra plan: give --check, or any of --cards, --patch-sheet "
                                  "and --csv (see 'velantra plan --help')\n";
    // --cards writes a PDF and nothing else: another name is refused before anything is made.
    const auto cards = [](const char* out) {
        return QStringList{"--cards", QString::fromUtf8(out)};
    };
    QTest::newRow("cards named .png")
        << clean << cards("cards.png") << 2 << ""
        << "velantra plan: --cards cards.png: the file name must end in .pdf (see 'velantra plan "
           "--help')\n";
    QTest::newRow("csv named .txt")
        << clean << QStringList{"--csv", "patch.txt"} << 2 << ""
        << "velantra plan: --csv patch.txt: the file name must end in .csv (see 'velantra plan "
           "--help')\n";
    QTest::newRow("cards named nothing")
        << clean << cards("") << 2 << ""
        << "velantra plan: --cards : the file name must end in .pdf (see 'velantra plan --help')\n";
    QTest::newRow("patch sheet named .csv")
        << clean << QStringList{"--patch-sheet", "patch.csv"} << 2 << ""
        << "velantra plan: --patch-sheet patch.csv: the file name must end in .pdf (see "
           "'velantra plan --help')\n";
    QTest::newRow("paper A3") << clean << QStringList{"--cards", "c.pdf", "--paper", "a3"} << 2
                              << ""
                              << "velantra plan: --paper a3: a4 or letter (see 'velantra plan "
                                 "--help')\n";
    QTest::newRow("check on paper")
        << clean << QStringList{"--check", "--paper", "letter"} << 2 << ""
        << "velantra plan: --paper goes with --cards or --patch-sheet (see 'velantra plan "
           "--help')\n";
}

void PlanCommandTest::check()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    QFile plan(dir.filePath(QStringLiteral("rig.json")));
    QVERIFY(plan.open(QIODevice::WriteOnly) && plan.write(file) == file.size());
    plan.close();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELANTRA_EXECUTABLE),
                  QStringList{QStringLiteral("plan"), plan.fileName()} + options);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    QCOMPARE(program.exitCode(), status);
}

// The rows' cards six to a page, and the patch sheet, on A4 or Letter; a row no configurator can
// show writes nothing.
void PlanCommandTest::cards()
{
    QTemporaryDir dir;
    QFile plan(dir.filePath(QStringLiteral("rig.json")));
    QVERIFY(plan.open(QIODevice::WriteOnly));
    plan.write(R"({"format": "velantra-rig", "version": 1, "rows": [
        {"label": "Bar", "device": "orvo75", "mode": "dmx", "address": 300, "channels": 6},
        {"label": "Lobby", "device": "dor", "mode": "master", "tune": 3},
        {"label": "3", "device": "dor", "mode": "dmx", "address": 1, "channels": 5},
        {"label": "4", "device": "dor", "mode": "dmx", "address": 6, "channels": 5},
        {"label": "5", "device": "dor", "mode": "dmx", "address": 11, "channels": 5},
        {"label": "6", "device": "dor", "mode": "dmx", "address": 16, "channels": 5},
        {"label": "7", "device": "dor", "mode": "dmx", "address": 21, "channels": 5}]})");
    plan.close();
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    QProcess program;
    program.start(QStringLiteral(VELANTRA_EXECUTABLE),
                  {QStringLiteral("plan"), plan.fileName(), QStringLiteral("--cards"), pdf});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    // Seven cards: a sheet of six and one of one.
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
    QVERIFY(bytes.contains("/MediaBox [0 0 595"));
    written.close();
    const QString sheet = dir.filePath(QStringLiteral("patch.pdf"));
    program.start(QStringLiteral(VELANTRA_EXECUTABLE),
                  {QStringLiteral("plan"), plan.fileName(), QStringLiteral("--patch-sheet"), sheet,
                   QStringLiteral("--paper"), QStringLiteral("letter")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QFile patch(sheet);
    QVERIFY(patch.open(QIODevice::ReadOnly));
    const QByteArray patchBytes = patch.readAll();
    QVERIFY(patchBytes.startsWith("%PDF-"));
    QCOMPARE(patchBytes.count("/Type /Page\n") + patchBytes.count("/Type /Page\r"), 1);
    QVERIFY(patchBytes.contains("/MediaBox [0 0 612.000000 792.000000]"));
    patch.close();

    QVERIFY(plan.open(QIODevice::WriteOnly | QIODevice::Truncate));
    plan.write(R"({"format": "velantra-rig", "version": 1, "rows": [
        {"label": "Far", "device": "dor", "mode": "dmx", "address": 600}]})");
    plan.close();
    QFile::remove(pdf);
    program.start(QStringLiteral(VELANTRA_EXECUTABLE),
                  {QStringLiteral("plan"), plan.fileName(), QStringLiteral("--cards"), pdf});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(QString::fromUtf8(program.readAllStandardError())
                .endsWith(QStringLiteral("velantra plan: row 1 \u201cFar\u201d: DMX address 600 is "
                                         "out of range: 1 to 511.\n")));
    QVERIFY(!QFile::exists(pdf));
}

// --csv writes the patch list; the list read back by --check is the plan, and a hostile list is
// refused with its line.
void PlanCommandTest::patchListOutAndIn()
{
    QTemporaryDir dir;
    QFile plan(dir.filePath(QStringLiteral("rig.json")));
    QVERIFY(plan.open(QIODevice::WriteOnly));
    plan.write(
        R"({"format": "velantra-rig", "version": 2, "types": [{"name": "Par", "channels": 7}],
        "rows": [
        {"label": "Bar", "device": "orvo75", "mode": "dmx", "address": 300, "channels": 6},
        {"label": "Stage", "fixture": "Par", "address": 300, "universe": 2}]})");
    plan.close();
    const auto run = [](const QStringList& arguments, int status) {
        QProcess program;
        program.start(QStringLiteral(VELANTRA_EXECUTABLE), QStringList{"plan"} + arguments);
        if (!program.waitForFinished(60000) || program.exitCode() != status)
            return QStringLiteral("status %1: %2")
                .arg(program.exitCode())
                .arg(QString::fromUtf8(program.readAllStandardError()));
        return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    };
    const QString csv = dir.filePath(QStringLiteral("patch.csv"));
    QCOMPARE(run({plan.fileName(), "--csv", csv}, 0), QString());
    QCOMPARE(run({csv, "--check"}, 0), "patch.csv: 2 rows on 2 universes, no problems\n");
    QFile list(csv);
    QVERIFY(list.open(QIODevice::Append));
    list.write("2,302,308,Overlap,Par,DMX,7,,\r\n2,1,,\"open,Par,DMX,7\r\n");
    list.close();
    QCOMPARE(run({csv, "--check"}, 1),
             "velantra plan: patch.csv: line 5: a quote opened here is never closed\n");
}

QTEST_GUILESS_MAIN(PlanCommandTest)
#include "tst_plancommand.moc"
