// The command line as a user meets it in a shell: the program's help, version and refusals, run
// as a process without a display; and a subcommand read from its row.
#include "cli/commandline.h"
#include "tests/support/guitest.h"

#include <QProcess>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

using namespace velantra;

namespace
{

const QString kNoDisplay =
    QStringLiteral("velantra: cannot open a display; run it in a desktop session or under "
                   "xvfb-run\n");

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// What the dispatcher printed and returned, standard output and error caught in files.
Outcome runInProcess(QStringList words, std::span<const cli::Command> commands)
{
    QTemporaryFile out, err;
    if (!out.open() || !err.open())
        qFatal("no temporary files");
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(out.handle(), 1);
    dup2(err.handle(), 2);
    std::vector<QByteArray> storage;
    std::vector<char*> argv;
    for (const QString& word : words)
        storage.push_back(word.toLocal8Bit());
    for (QByteArray& word : storage)
        argv.push_back(word.data());
    Outcome outcome;
    outcome.status = cli::run(argv, commands, [](QApplication&) { return 99; });
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    out.seek(0);
    err.seek(0);
    outcome.out = QString::fromLocal8Bit(out.readAll());
    outcome.err = QString::fromLocal8Bit(err.readAll());
    return outcome;
}

// A subcommand shaped like the program's: a device, an optional second word, a valued option
// and a switch; it writes down what it was given.
QString probeSaw;
constexpr cli::Argument kProbeArguments[] = {
    {.name = "device", .description = "The device."},
    {.name = "extra", .description = "Anything.", .optional = true},
};
constexpr cli::Option kProbeOptions[] = {
    {.name = "address", .description = "DMX start address.", .valueName = "N"},
    {.name = "master", .description = "Master mode."},
};
int runProbe(const cli::Invocation& call)
{
    if (call.value("address") == u"600")
        return call.usageError(QStringLiteral("address 600 is not in 1-511"));
    probeSaw = call.arguments().join(u',') + u'|' + call.value("address") + u'|' +
               (call.isSet("master") ? QStringLiteral("master") : QString());
    return cli::kExitOk;
}
constexpr cli::Command kProbe[] = {
    {"probe", "Looks at a device.", kProbeArguments, kProbeOptions, cli::Needs::Drawing, runProbe}};

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void inAShellWithoutDisplay_data();
    void inAShellWithoutDisplay();
    void subcommandFromItsRow_data();
    void subcommandFromItsRow();
};

void CommandLineTest::inAShellWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, unset when empty
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err");
    const auto refused = [](const char* what) {
        return QStringLiteral("velantra: %1 (see 'velantra --help')\n").arg(what);
    };
    QTest::newRow("--help") << QStringList{"--help"} << "" << 0
                            << "Usage: velantra [options]\n       velantra <command> [options] "
                               "[arguments]\n\nVELANTRA configuration tools"
                            << "";
    QTest::newRow("-h") << QStringList{"-h"} << "" << 0 << "Usage: velantra [options]\n"
                        << "";
    QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << "velantra 5.3\n"
                               << "";
    QTest::newRow("-v xcb") << QStringList{"-v"} << "xcb" << 0 << "velantra 5.3\n"
                            << "";
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << "" << 2 << "" << refused("unknown option '--bogus'");
    QTest::newRow("Qt's -stylesheet") << QStringList{"-stylesheet", "/dev/zero"} << "" << 2 << ""
                                      << refused("unknown option '-stylesheet'");
    QTest::newRow("Qt's -platform") << QStringList{"-platform", "offscreen"} << "" << 2 << ""
                                    << refused("unknown option '-platform'");
    QTest::newRow("Qt's --style=")
        << QStringList{"--style=fusion"} << "" << 2 << "" << refused("unknown option '--style'");
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << "" << 2 << "" << refused("unknown command 'frobnicate'");
#if !defined(Q_OS_WIN) // a Windows session always has its display
    QTest::newRow("no display") << QStringList{} << "" << 1 << "" << kNoDisplay;
#endif
    QTest::newRow("no X display") << QStringList{} << "xcb" << 1 << "" << kNoDisplay;
    QTest::newRow("no wayland display") << QStringList{} << "wayland" << 1 << "" << kNoDisplay;
}

void CommandLineTest::inAShellWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit); // no abort
    QTEST(QString::fromLocal8Bit(process.readAllStandardError()), "err");
    QFETCH(QString, out);
    const QString printed = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
    QTEST(process.exitCode(), "status");
}

void CommandLineTest::subcommandFromItsRow_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("saw");
    QTest::addColumn<QString>("printed"); // what standard output or error starts with
    const QString see = QStringLiteral(" (see 'velantra probe --help')\n");
    QTest::newRow("all given") << QStringList{"probe", "dmx", "--address", "5", "--master"} << 0
                               << "dmx|5|master"
                               << "";
    QTest::newRow("options first, =value")
        << QStringList{"probe", "--address=7", "dmx", "more"} << 0 << "dmx,more|7|"
        << "";
    QTest::newRow("no device") << QStringList{"probe"} << 2 << ""
                               << "velantra probe: missing <device>" + see;
    QTest::newRow("one word too many") << QStringList{"probe", "a", "b", "c"} << 2 << ""
                                       << "velantra probe: unexpected argument 'c'" + see;
    QTest::newRow("unknown option") << QStringList{"probe", "a", "-x"} << 2 << ""
                                    << "velantra probe: unknown option '-x'" + see;
    QTest::newRow("value missing") << QStringList{"probe", "a", "--address"} << 2 << ""
                                   << "velantra probe: Missing value after '--address'." + see;
    QTest::newRow("value refused by the command")
        << QStringList{"probe", "a", "--address", "600"} << 2 << ""
        << "velantra probe: address 600 is not in 1-511" + see;
    QTest::newRow("its help") << QStringList{"probe", "--help"} << 0 << ""
                              << "Usage: velantra probe [options] <device> [extra]\n\n"
                                 "Looks at a device.\n\nOptions:\n  -h, --help     Displays this "
                                 "help.\n  --address <N>  DMX start address.\n";
    QTest::newRow("listed in the program's help")
        << QStringList{"--help"} << 0 << ""
        << "Usage: velantra [options]\n       velantra <command> [options] [arguments]\n";
    QTest::newRow("no command: the windows") << QStringList{} << 99 << ""
                                             << "";
}

void CommandLineTest::subcommandFromItsRow()
{
    QFETCH(QStringList, words);
    QFETCH(QString, printed);
    probeSaw.clear();
    words.prepend(QStringLiteral("velantra"));
    const Outcome outcome = runInProcess(words, kProbe);
    QTEST(outcome.status, "status");
    QTEST(probeSaw, "saw");
    const QString shown = outcome.out + outcome.err;
    QVERIFY2(printed.isEmpty() ? shown.isEmpty() : shown.startsWith(printed), qPrintable(shown));
}

VELANTRA_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
