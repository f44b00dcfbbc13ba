// `velantra card` run as a script runs it: a card in each format, a setting refused, a failed
// write. (That its card is the window's card is checked in tst_settingcards.)
#include "tests/cards/cardfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velantra::test;

class CardCommandTest : public QObject
{
    Q_OBJECT
private slots:
    void refusedSettingWritesNothing_data();
    void refusedSettingWritesNothing();
    void helpNamesTheDevicesOfEachChoice_data();
    void helpNamesTheDevicesOfEachChoice();
    void cardInEachFormat();
    void failedWriteIsReported();
    void reportWithoutAWindow_data();
    void reportWithoutAWindow();
};

namespace
{

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs the program without a display, as a script on a server does; a server's script may
// have no XDG_RUNTIME_DIR either.
Run program(const QStringList& arguments, bool runtimeFolder = true)
{
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    if (runtimeFolder)
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    else
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    process.waitForFinished(-1);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

void CardCommandTest::refusedSettingWritesNothing_data()
{
    QTest::addColumn<QString>("arguments"); // FILE: a file in an empty folder
    QTest::addColumn<QString>("error");
    const auto row = [](const char* arguments, const char* error) {
        QTest::newRow(arguments) << arguments << error;
    };
    row("orvo36 --channels 6 --out FILE.pdf", "The ORVO 36 has no channel count choice.");
    row("orvo75 --address 512 --out FILE.pdf", "DMX address 512 is out of range: 1 to 511.");
    row("fluo --master --terminator --out FILE.png",
        "The 120 ohm terminator is a DMX-mode choice, not a master one.");
    row("orvo36 --master --address 5 --out FILE.pdf", "A master takes no DMX address.");
    row("intell --speed 2 --out FILE.txt", "The speed is a master-mode choice.");
    row("orvo75 --master --speed 5 --out FILE.txt", "Speed 5 is out of range: 0 to 4.");
    row("dor --master --speed 1 --out FILE.pdf", "The DOR fixture has no speed choice.");
    row("dor --master --tune 10 --out FILE.pdf", "Tune 10 is out of range: 0 to 9.");
    row("orvo99 --out FILE.pdf", "unknown device 'orvo99'");
    row("orvo75 --address ten --out FILE.pdf", "--address takes a whole number, not 'ten'");
    row("orvo75 --out FILE.doc", "the file name must end in .pdf, .png or .txt");
    row("orvo75", "--out FILE.pdf|.png|.txt is required");
    row("orvo36 --master --address 1 --out FILE.pdf", "A master takes no DMX address.");
    row("orvo75 --out FILE.jpg", "the file name must end in .pdf, .png or .txt");
    row("orvo75 --label Bar\n3 --out FILE.txt", "--label: the label holds a control character");
    row("orvo75 --label \x1b[31mred --out FILE.pdf",
        "--label: the label holds a control character");
    row("orvo75 --label 201xxxxxxxx --out FILE.pdf",
        "--label: the label is longer than 200 characters");
}

void CardCommandTest::refusedSettingWritesNothing()
{
    QFETCH(QString, arguments);
    QFETCH(QString, error);
    QTemporaryDir dir;
    arguments.replace(u"FILE"_qs, dir.filePath(u"card"_qs));
    arguments.replace(u"201xxxxxxxx"_qs, QString(201, u'x'));
    const Run run = program(QStringList{u"card"_qs} + arguments.split(u' '));
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(u"velantra card: "_qs) && run.err.contains(error),
             qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QCOMPARE(filesIn(dir.path()), QStringList());
}

void CardCommandTest::helpNamesTheDevicesOfEachChoice_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("arguments"); // the choice made, in the mode it belongs to
    QTest::newRow("channels") << "channels"
                              << "--channels 6";
    QTest::newRow("pushbutton") << "pushbutton"
                                << "--master --pushbutton";
    QTest::newRow("speed") << "speed"
                           << "--master --speed 2";
    QTest::newRow("show") << "show"
                          << "--master --show 3";
    QTest::newRow("tune") << "tune"
                          << "--master --tune 4";
    QTest::newRow("modulation") << "modulation"
                                << "--modulation";
}

// `velantra card --help` names, for each choice, exactly the devices whose cards take it.
void CardCommandTest::helpNamesTheDevicesOfEachChoice()
{
    QFETCH(QString, option);
    QFETCH(QString, arguments);
    const Run help = program({u"card"_qs, u"--help"_qs});
    QCOMPARE(help.status, 0);
    // The option's description, its wrapped lines joined, up to the next option.
    const QString text = help.out.simplified();
    const qsizetype from = text.indexOf(u"--"_qs + option + u' ');
    QVERIFY2(from >= 0, qPrintable(help.out));
    const QString description = text.mid(from).section(u" --"_qs, 0, 0);
    const QString hint = description.section(u'(', -1).section(u';', 0, 0).remove(u')');
    const QStringList named = hint.split(u", "_qs);

    QStringList taking;
    for (const char* device : {"orvo75", "orvo36", "fluo", "intell", "dor"}) {
        const Run card = program(QStringList{u"card"_qs, QString::fromLatin1(device)} +
                                 arguments.split(u' ') + QStringList{u"--out"_qs, u"-"_qs});
        QVERIFY2(card.status == 0 || card.status == 2, qPrintable(card.err));
        if (card.status == 0)
            taking << QString::fromLatin1(device);
    }
    QCOMPARE(named, taking);
}

void CardCommandTest::cardInEachFormat()
{
    QTemporaryDir dir;
    for (const char* name : {"card.txt", "card.pdf", "card.png"}) {
        const Run run =
            program({u"card"_qs, u"orvo75"_qs, u"--address"_qs, u"300"_qs, u"--channels"_qs,
                     u"6"_qs, u"--terminator"_qs, u"--out"_qs, dir.filePath(QLatin1String(name))});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
    }
    QCOMPARE(filesIn(dir.path()), (QStringList{"card.pdf", "card.png", "card.txt"}));
    // "-": the text card on standard output, for scripts, and only it (no note of Qt's about a
    // missing runtime folder).
    const Run text = program({u"card"_qs, u"dor"_qs, u"--out"_qs, u"-"_qs}, false);
    QCOMPARE(text.status, 0);
    QCOMPARE(text.err, QString());
    QVERIFY2(text.out.startsWith(u"DOR fixture configurator\nLabel:"_qs) &&
                 text.out.contains(u"DMX address: 1\n"_qs),
             qPrintable(text.out));
    QCOMPARE(filesIn(dir.path()).size(), 3);
    const QImage png(dir.filePath(u"card.png"_qs));
    QVERIFY(png.width() > 1000 && png.height() > 500);
}

void CardCommandTest::failedWriteIsReported()
{
    // A card whose name links to the full device, and one in a folder that takes no files.
    QStringList targets{u"/proc/card.txt"_qs};
    QTemporaryDir dir;
#if !defined(Q_OS_WIN) // there, QFile::link makes a shortcut file, and there is no full device
    const QString full = dir.filePath(u"card.pdf"_qs);
    QVERIFY(QFile::link(u"/dev/full"_qs, full));
    targets.prepend(full);
#endif
    for (const QString& out : std::as_const(targets)) {
        const Run run = program({u"card"_qs, u"dor"_qs, u"--out"_qs, out});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(u"velantra card: Could not save "_qs +
                                    QDir::toNativeSeparators(out)),
                 qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
    }
    QVERIFY(!QFileInfo(u"/dev/full"_qs).isFile());
}

// `velantra report`: the counts typed into the power window unshown, the report on standard
// output; a count the window has no box for is a usage error.
void CardCommandTest::reportWithoutAWindow_data()
{
    QTest::addColumn<QString>("arguments"); // separated by |
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines"); // on standard output, or the error's text
    QTest::newRow("a count with a fraction, a label")
        << "orvo75|--count|CC1:pomra rgb=2.5|--count|CV1:2=3|--label|Shop 2|--out|-" << 0
        << QStringList{"ORVO power configurator", "Label: Shop 2",
                       "  2.5 x Pomra RGB \u2014 counted as 2", "  3 x Orsello 600 mm"};
    QTest::newRow("over the limit, its warning closed")
        << "orvo36|--count|CC1:7=4|--out|-" << 0
        << QStringList{"ORVO 36 power configurator", "  4 x Tessino RGB 920 mm",
                       "Limit exceeded: The total power, "};
    QTest::newRow("no CV output on the 36 W controller")
        << "orvo36|--count|CV1:1=4|--out|-" << 2
        << QStringList{"--count CV1:1=4: this controller has no CV1 output"};
    QTest::newRow("nominal power unless told")
        << "orvo75|--count|CC1:1=3|--out|-" << 0
        << QStringList{"Mode: Nominal power", "Total nominal power: 10.5 W"};
    QTest::newRow("average power")
        << "orvo75|--count|CC1:1=3|--average|--out|-" << 0
        << QStringList{"Mode: Average power", "Total average power: 7 W"};
    QTest::newRow("no such fixture") << "orvo75|--count|CC2:Lamp=1|--out|-" << 2
                                     << QStringList{"--count CC2:Lamp=1: no such fixture on CC2"};
    QTest::newRow("another file type")
        << "orvo75|--out|report.jpg" << 2 << QStringList{"the file name must end in .pdf, .png"};
}

void CardCommandTest::reportWithoutAWindow()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    const Run run = program(QStringList{u"report"_qs} + arguments.split(u'|'));
    QCOMPARE(run.status, status);
    const QString shown = status == 0 ? run.out : run.err;
    for (const QString& line : lines)
        QVERIFY2(shown.contains(line), qPrintable(shown));
    if (status == 0) {
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.contains(u"Limit"_qs), qPrintable(run.out));
    }
}

QTEST_GUILESS_MAIN(CardCommandTest)
#include "tst_cardcommand.moc"
