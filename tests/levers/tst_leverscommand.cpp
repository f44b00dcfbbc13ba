// `velantra levers` as a user meets it in a shell: the reading of levers found on our devices and
// on a fixture of another maker, the problems of a combination, and the command lines it refuses.
#include <QProcess>
#include <QTest>

class LeversCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void readsLevers_data();
    void readsLevers();
    void readsInTheLanguageOfTheRun_data();
    void readsInTheLanguageOfTheRun();
};

void LeversCommandTest::readsLevers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const auto usage = [](const char* what) {
        return QStringLiteral("velantra levers: %1 (see 'velantra levers --help')\n").arg(what);
    };
    QTest::newRow("ORVO 75 at 300, 6 Ch, terminator")
        << QStringList{"orvo75", "3,4,6,9,11", "--four-bank", "1"} << 0
        << "DMX address 300, 6 Ch, Res. 120 ohm\n"
        << "";
    QTest::newRow("as a card prints them")
        << QStringList{"dor", "3, 4, 6, 9, 11", "--four-bank=1, 3"} << 0 << "DMX address 300\n"
        << "";
    QTest::newRow("master") << QStringList{"intell", "4,6,12", "--four-bank", "1,2"} << 0
                            << "Master, Speed 4, Show 2\n"
                            << "";
    QTest::newRow("no address")
        << QStringList{"orvo36", "none"} << 1
        << "DMX address none\nProblem: no address lever is ON: address 0 is no DMX address\n"
        << "";
    QTest::newRow("pushbutton lever in DMX mode")
        << QStringList{"orvo36", "1,10"} << 1
        << "DMX address 1\nProblem: lever 10 must be OFF in DMX mode\n"
        << "";
    QTest::newRow("another maker's")
        << QStringList{"--levers", "10", "--lowest", "1", "1,3,9"} << 0 << "DMX address 261\n"
        << "";
    QTest::newRow("lowest bit last, address - 1, a function lever")
        << QStringList{"--levers",  "10",         "--lowest",       "9",   "--minus-one",
                       "--on-down", "--function", "10:stand-alone", "1,10"}
        << 0 << "DMX address 257, stand-alone\n"
        << "";
    QTest::newRow("eight levers, 256 out of reach")
        << QStringList{"--levers", "8", "none"} << 1
        << "DMX address none\nProblem: no address lever is ON: address 0 is no DMX address\n"
        << "";
    QTest::newRow("unknown device")
        << QStringList{"orvo99", "1"} << 2 << ""
        << usage("unknown device 'orvo99': orvo75, orvo36, fluo, intell or dor");
    QTest::newRow("no levers") << QStringList{"orvo75"} << 2 << ""
                               << usage("missing <levers>: the levers ON, or none");
    QTest::newRow("lever 13") << QStringList{"orvo75", "1,13"} << 2 << ""
                              << usage("lever 13: the bank has levers 1 to 12");
    QTest::newRow("lever twice") << QStringList{"fluo", "1,3,1"} << 2 << ""
                                 << usage("lever 1 is given twice");
    QTest::newRow("not a number") << QStringList{"fluo", "1;3"} << 2 << ""
                                  << usage("'1;3' is no lever number: give the levers ON as 3,4,6");
    QTest::newRow("no 4-lever bank") << QStringList{"orvo36", "1", "--four-bank", "1"} << 2 << ""
                                     << usage("the ORVO 36 has no 4-lever bank");
    QTest::newRow("4-lever bank has 4")
        << QStringList{"orvo75", "1", "--four-bank", "5"} << 2 << ""
        << usage("--four-bank: lever 5: the bank has levers 1 to 4");
    QTest::newRow("scheme option without --levers")
        << QStringList{"orvo75", "1", "--minus-one"} << 2 << ""
        << usage("--minus-one goes with --levers");
    QTest::newRow("13 levers") << QStringList{"--levers", "13", "1"} << 2 << ""
                               << usage("a bank has 8 to 12 levers");
    QTest::newRow("lowest bit in the middle")
        << QStringList{"--levers", "10", "--lowest", "5", "1"} << 2 << ""
        << usage("the lowest bit is on lever 1 or on lever 9");
    QTest::newRow("function lever among the address levers")
        << QStringList{"--levers", "10", "--function", "9:blackout", "1"} << 2 << ""
        << usage("lever 9 is not a function lever: those are levers 10 to 10");
    QTest::newRow("device with --levers")
        << QStringList{"--levers", "10", "orvo75", "1"} << 2 << ""
        << usage("--levers reads a fixture of another maker: give only the levers ON, no device");
    QTest::newRow("beyond the scheme's bank") << QStringList{"--levers", "9", "10"} << 2 << ""
                                              << usage("lever 10: the bank has levers 1 to 9");
}

void LeversCommandTest::readsLevers()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), QStringList{"levers"} + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QTEST(QString::fromLocal8Bit(process.readAllStandardError()), "err");
    QTEST(QString::fromLocal8Bit(process.readAllStandardOutput()), "out");
    QTEST(process.exitCode(), "status");
}

// The whole reading in the language asked for: the options as the window names them, the problems.
void LeversCommandTest::readsInTheLanguageOfTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::newRow("German options")
        << QStringList{"--language", "de", "levers", "orvo75", "1,12", "--four-bank", "1"}
        << QStringLiteral("DMX-Adresse 1, 3 Kan., Abschl. 120 \u03A9\nProblem: Schalter 12 des "
                          "12-fach-Schalterblocks muss im DMX-Betrieb auf OFF stehen\n");
    QTest::newRow("French problem")
        << QStringList{"--language=fr", "levers", "orvo36", "none"}
        << QStringLiteral("Adresse DMX aucun\nProbl\u00E8me : aucun levier d'adresse sur ON : "
                          "l'adresse 0 n'est pas une adresse DMX\n");
}

void LeversCommandTest::readsInTheLanguageOfTheRun()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QStringLiteral(VELANTRA_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QTEST(QString::fromUtf8(process.readAllStandardOutput()), "out");
}

QTEST_APPLESS_MAIN(LeversCommandTest)
#include "tst_leverscommand.moc"
