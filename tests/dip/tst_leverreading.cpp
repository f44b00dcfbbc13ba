// Levers read back: every setting the configurator engine makes, at every address, reads back as
// itself; levers found on a device read as the address and choices an installer expects, and a
// combination no setting makes is named for what is wrong with it.
#include "devices/devices.h"
#include "dip/dipengine.h"
#include "dip/leverreading.h"

#include <QStringList>
#include <QTest>

using namespace velantra;
using dip::Levers;

namespace
{

QString describe(const DeviceSetting& s)
{
    const auto number = [](const std::optional<int>& n) {
        return n ? QString::number(*n) : QStringLiteral("-");
    };
    return QStringLiteral("%1 %2 address %3 ch %4 term %5 push %6 speed %7 show %8 tune %9 mod %10")
        .arg(QString::fromLatin1(deviceInfo(s.device).commandName))
        .arg(s.master ? "master" : "dmx")
        .arg(s.address)
        .arg(number(s.channels))
        .arg(s.terminator)
        .arg(s.pushbutton)
        .arg(number(s.speed), number(s.show), number(s.tune))
        .arg(s.modulation);
}

Levers leversOf(const DeviceSetting& setting)
{
    dip::DipEngine engine(setting.device);
    engine.Form_Load();
    engine.apply(setting);
    return engine.levers();
}

// "3,4,6,9,11" to bits.
unsigned bits(const QString& list)
{
    unsigned on = 0;
    for (const QString& lever : list.split(u',', Qt::SkipEmptyParts))
        on |= 1u << (lever.toInt() - 1);
    return on;
}

// Every setting a device offers: in DMX mode every address with every choice, in master mode
// every speed, show, tune and box.
std::vector<DeviceSetting> everySetting(Device device)
{
    const DeviceInfo& info = deviceInfo(device);
    const std::vector<bool> flags{false, true};
    const std::vector<bool> none{false};
    std::vector<std::optional<int>> channels{std::nullopt};
    if (info.channels)
        channels = {3, 6};
    const auto upTo = [](bool offered, int last) {
        std::vector<std::optional<int>> values{std::nullopt};
        if (offered) {
            values.clear();
            for (int n = 0; n <= last; ++n)
                values.push_back(n);
        }
        return values;
    };
    std::vector<DeviceSetting> settings;
    for (bool modulation : info.modulation ? flags : none) {
        for (int address = 1; address <= 511; ++address)
            for (const std::optional<int>& count : channels)
                for (bool terminator : flags)
                    settings.push_back({.device = device,
                                        .address = address,
                                        .channels = count,
                                        .terminator = terminator,
                                        .modulation = modulation});
        for (const std::optional<int>& speed : upTo(info.speedAndShow, kMaxSpeed))
            for (const std::optional<int>& show : upTo(info.speedAndShow, kMaxShow))
                for (const std::optional<int>& tune : upTo(info.tune, kMaxTune))
                    for (bool pushbutton : info.pushbutton ? flags : none)
                        settings.push_back({.device = device,
                                            .master = true,
                                            .pushbutton = pushbutton,
                                            .speed = speed,
                                            .show = show,
                                            .tune = tune,
                                            .modulation = modulation});
    }
    return settings;
}

} // namespace

class LeverReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void everySettingReadsBack_data();
    void everySettingReadsBack();
    void leversFound_data();
    void leversFound();
};

void LeverReadingTest::everySettingReadsBack_data()
{
    QTest::addColumn<int>("device");
    for (const DeviceInfo& info : kDevices)
        QTest::newRow(info.commandName.data()) << int(info.device);
}

void LeverReadingTest::everySettingReadsBack()
{
    QFETCH(int, device);
    for (const DeviceSetting& setting : everySetting(Device(device))) {
        const dip::LeverReading reading = dip::readLevers(setting.device, leversOf(setting));
        const QString context = describe(setting) + QStringLiteral(" read as ") +
                                describe(reading.setting) + QStringLiteral(": ") +
                                QString::fromStdString(dip::readingText(reading));
        QVERIFY2(
            reading.problems.empty(),
            qPrintable(context + " / " + QString::number(reading.problems.size()) + " problems"));
        QVERIFY2(describe(reading.setting) == describe(setting), qPrintable(context));
        QCOMPARE(reading.address, setting.master ? std::nullopt : std::optional(setting.address));
    }
}

void LeverReadingTest::leversFound_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("twelve");
    QTest::addColumn<QString>("four");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("problems");
    // The terminator of the ORVO 75 is lever 1 of its 4-lever bank.
    QTest::newRow("ORVO 75 at 300, 6 Ch, terminator")
        << "orvo75"
        << "3,4,6,9,11"
        << "1"
        << "DMX address 300, 6 Ch, Res. 120 ohm" << QStringList{};
    QTest::newRow("ORVO 75 at 300, lever 11 OFF") << "orvo75"
                                                  << "3,4,6,9"
                                                  << ""
                                                  << "DMX address 300, 3 Ch" << QStringList{};
    QTest::newRow("ORVO 75 master") << "orvo75"
                                    << "1,5,6,11,12"
                                    << "2,3"
                                    << "Master, Speed 1, Show 3, Ext. pushbotton" << QStringList{};
    QTest::newRow("ORVO 36 at 37, terminator, pushbutton lever too")
        << "orvo36"
        << "1,3,6,10,12"
        << ""
        << "DMX address 37, Res. 120 ohm" << QStringList{"lever 10 must be OFF in DMX mode"};
    QTest::newRow("no address lever")
        << "orvo36"
        << ""
        << ""
        << "DMX address none" << QStringList{"no address lever is ON: address 0 is no DMX address"};
    QTest::newRow("two speed levers")
        << "orvo75"
        << "1,2,12"
        << ""
        << "Master, Speed 1, Show 0"
        << QStringList{"lever 2 of the 12-lever bank ON: no setting in master mode has this with "
                       "the other levers as they are"};
    QTest::newRow("pushbutton half set")
        << "fluo"
        << "11,12"
        << "2"
        << "Master, Speed 0, Show 0, Ext. pushbotton"
        << QStringList{"lever 3 of the 4-lever bank OFF: no setting in master mode has this with "
                       "the other levers as they are"};
    QTest::newRow("fixture's DMX pattern wrong")
        << "intell"
        << "4"
        << "1,2,3"
        << "DMX address 8" << QStringList{"lever 2 of the 4-lever bank must be OFF in DMX mode"};
    QTest::newRow("DOR master, CCT 5") << "dor"
                                       << "5,11,12"
                                       << "1,2"
                                       << "Master, CCT 5" << QStringList{};
    QTest::newRow("a bank the device lacks")
        << "orvo36"
        << "1"
        << "2"
        << "DMX address 1" << QStringList{"the ORVO 36 has no 4-lever bank"};
    QTest::newRow("beyond the bank")
        << "orvo36"
        << "1,13"
        << ""
        << "DMX address 1" << QStringList{"the 12-lever bank has no lever 13"};
}

void LeverReadingTest::leversFound()
{
    QFETCH(QString, device);
    QFETCH(QString, twelve);
    QFETCH(QString, four);
    QFETCH(QString, text);
    QFETCH(QStringList, problems);
    const Levers levers{.twelve = std::uint16_t(bits(twelve)), .four = std::uint8_t(bits(four))};
    const dip::LeverReading reading = dip::readLevers(*deviceNamed(device.toStdString()), levers);
    QCOMPARE(QString::fromStdString(dip::readingText(reading)), text);
    QStringList said;
    for (const std::string& problem : reading.problems)
        said << QString::fromStdString(problem);
    QCOMPARE(said, problems);
}

QTEST_APPLESS_MAIN(LeverReadingTest)
#include "tst_leverreading.moc"
