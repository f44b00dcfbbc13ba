// Which settings a device accepts, and the sentence that refuses the others.
#include "cards/devices.h"

#include <QTest>

using namespace velantra::cards;

Q_DECLARE_METATYPE(DeviceSetting)

class DeviceSettingTest : public QObject
{
    Q_OBJECT
private slots:
    void settingProblems_data();
    void settingProblems();
    void devicesByCommandName();
};

namespace
{
DeviceSetting dmx(Device device, int address = 1)
{
    DeviceSetting s;
    s.device = device;
    s.address = address;
    return s;
}
DeviceSetting master(Device device)
{
    DeviceSetting s = dmx(device);
    s.master = true;
    return s;
}
template <typename F> DeviceSetting with(DeviceSetting s, F change)
{
    change(s);
    return s;
}
} // namespace

void DeviceSettingTest::settingProblems_data()
{
    QTest::addColumn<DeviceSetting>("setting");
    QTest::addColumn<QString>("problem"); // empty: accepted

    QTest::newRow("address 1") << dmx(Device::Orvo36) << "";
    QTest::newRow("address 511") << dmx(Device::Dor, 511) << "";
    QTest::newRow("address 0") << dmx(Device::Orvo75, 0)
                               << "DMX address 0 is out of range: 1 to 511.";
    QTest::newRow("address 512") << dmx(Device::Intell, 512)
                                 << "DMX address 512 is out of range: 1 to 511.";
    QTest::newRow("6 channels") << with(dmx(Device::Orvo75, 300), [](auto& s) { s.channels = 6; })
                                << "";
    QTest::newRow("4 channels") << with(dmx(Device::Orvo75), [](auto& s) { s.channels = 4; })
                                << "Channel count 4 is not offered: 3 or 6.";
    QTest::newRow("channels elsewhere")
        << with(dmx(Device::Orvo36), [](auto& s) { s.channels = 3; })
        << "The ORVO 36 has no channel count choice.";
    QTest::newRow("channels of a master")
        << with(master(Device::Orvo75), [](auto& s) { s.channels = 6; })
        << "The channel count is a DMX-mode choice, not a master one.";
    QTest::newRow("terminator of a master")
        << with(master(Device::Fluo), [](auto& s) { s.terminator = true; })
        << "The 120 ohm terminator is a DMX-mode choice, not a master one.";
    QTest::newRow("address of a master")
        << with(master(Device::Orvo36), [](auto& s) { s.address = 5; })
        << "A master takes no DMX address.";
    QTest::newRow("speed and show") << with(master(Device::Fluo), [](auto& s) {
        s.speed = 0;
        s.show = 15;
        s.pushbutton = true;
        s.modulation = true;
    }) << "";
    QTest::newRow("speed 5") << with(master(Device::Orvo75), [](auto& s) { s.speed = 5; })
                             << "Speed 5 is out of range: 0 to 4.";
    QTest::newRow("show 16") << with(master(Device::Intell), [](auto& s) { s.show = 16; })
                             << "Show 16 is out of range: 0 to 15.";
    QTest::newRow("speed in DMX mode") << with(dmx(Device::Orvo75), [](auto& s) { s.speed = 2; })
                                       << "The speed is a master-mode choice.";
    QTest::newRow("speed on DOR") << with(master(Device::Dor), [](auto& s) { s.speed = 2; })
                                  << "The DOR fixture has no speed choice.";
    QTest::newRow("tune 9") << with(master(Device::Dor), [](auto& s) { s.tune = 9; }) << "";
    QTest::newRow("tune 10") << with(master(Device::Dor), [](auto& s) { s.tune = 10; })
                             << "Tune 10 is out of range: 0 to 9.";
    QTest::newRow("tune elsewhere") << with(master(Device::Orvo36), [](auto& s) { s.tune = 1; })
                                    << "The ORVO 36 has no tune choice.";
    QTest::newRow("pushbutton on a fixture")
        << with(master(Device::Intell), [](auto& s) { s.pushbutton = true; })
        << "The intelligent RGB fixture has no external pushbutton.";
    QTest::newRow("pushbutton in DMX mode")
        << with(dmx(Device::Orvo36), [](auto& s) { s.pushbutton = true; })
        << "The external pushbutton is a master-mode choice.";
    QTest::newRow("modulation in DMX mode")
        << with(dmx(Device::Fluo, 12), [](auto& s) { s.modulation = true; }) << "";
    QTest::newRow("modulation elsewhere")
        << with(dmx(Device::Orvo75), [](auto& s) { s.modulation = true; })
        << "The ORVO 75 has no modulation choice.";
}

void DeviceSettingTest::settingProblems()
{
    QFETCH(DeviceSetting, setting);
    QFETCH(QString, problem);
    const std::optional<std::string> found = settingProblem(setting);
    QCOMPARE(QString::fromStdString(found.value_or("")), problem);
}

void DeviceSettingTest::devicesByCommandName()
{
    QCOMPARE(deviceNamed("orvo75"), Device::Orvo75);
    QCOMPARE(deviceNamed("dor"), Device::Dor);
    QCOMPARE(deviceNamed("ORVO75"), std::nullopt);
    for (const DeviceInfo& info : kDevices)
        QCOMPARE(deviceNamed(info.commandName), info.device);
}

QTEST_APPLESS_MAIN(DeviceSettingTest)
#include "tst_devicesetting.moc"
