// The configurators' engine without a window: the address on the levers, the modes and their
// presets, the master-mode tick, the check boxes' levers, what a panel is told and in which
// order, and settings applied and read back.
#include "devices/devices.h"
#include "dip/dipengine.h"

#include <QStringList>
#include <QTest>

using namespace velantra;
using dip::Bank;
using dip::DipEngine;
using dip::Levers;

Q_DECLARE_METATYPE(velantra::DeviceSetting)

namespace
{

// A window without widgets: it records what the engine tells it, one line per call.
class FakePanel : public dip::DipPanel
{
public:
    QStringList log;
    int leverUpdates = 0;

private:
    void showText1(std::u16string_view text) override
    {
        log << "text " + QString::fromStdU16String(std::u16string(text));
    }
    void showError(bool shown) override { log << (shown ? "error shown" : "error hidden"); }
    void showChecked(std::string_view control, bool checked) override
    {
        log << QString::fromLatin1(control.data(), qsizetype(control.size())) +
                   (checked ? " on" : " off");
    }
    void showEnabled(std::string_view control, bool enabled) override
    {
        log << QString::fromLatin1(control.data(), qsizetype(control.size())) +
                   (enabled ? " enabled" : " disabled");
    }
    void runTimer1(bool running) override { log << (running ? "timer on" : "timer off"); }
    void showLevers(const Levers&) override
    {
        log << "levers";
        ++leverUpdates;
    }
};

// "1,3,9" for the levers ON of a bank.
QString on(const Levers& levers, Bank bank)
{
    QStringList list;
    for (int k = 1; k <= (bank == Bank::Twelve ? 12 : 4); ++k) {
        if (levers.isOn(bank, k))
            list << QString::number(k);
    }
    return list.join(u',');
}

// Both banks, "1,11|1,3"; the 4-lever bank where the device has it.
QString banks(const DipEngine& engine)
{
    const Levers& levers = engine.levers();
    return on(levers, Bank::Twelve) + (levers.hasFour ? "|" + on(levers, Bank::Four) : QString());
}

Device deviceCalled(const QString& name)
{
    return *velantra::deviceNamed(name.toStdString());
}

std::string latin1(const QString& text)
{
    return text.toStdString();
}

} // namespace

class DipEngineTest : public QObject
{
    Q_OBJECT
private slots:
    void opens_data();
    void opens();
    void address_data();
    void address();
    void masterMode_data();
    void masterMode();
    void checkBoxes_data();
    void checkBoxes();
    void whatThePanelIsTold();
    void disabledControlsRefuseClicks();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
};

void DipEngineTest::opens_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("levers");
    QTest::newRow("ORVO 75: address 1") << "orvo75"
                                        << "1|";
    QTest::newRow("ORVO 36: no 4-lever bank") << "orvo36"
                                              << "1";
    QTest::newRow("FLUO") << "fluo"
                          << "1|";
    QTest::newRow("intelligent: the DMX pattern") << "intell"
                                                  << "1|1,3";
    QTest::newRow("DOR: lever 11 always ON") << "dor"
                                             << "1,11|1,3";
}

void DipEngineTest::opens()
{
    QFETCH(QString, device);
    QFETCH(QString, levers);
    DipEngine engine(deviceCalled(device));
    engine.Form_Load();
    QCOMPARE(banks(engine), levers);
    QVERIFY(engine.isChecked("Option1"));
    QVERIFY(!engine.isEnabled("Frame5"));
    QVERIFY(!engine.timer1Running());
    QVERIFY(!engine.errorShown());
    QCOMPARE(engine.setting().device, deviceCalled(device));
    QCOMPARE(engine.setting().address, 1);
}

void DipEngineTest::address_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("levers");
    QTest::addColumn<bool>("error");
    QTest::newRow("300 is 256+32+8+4") << "orvo75"
                                       << "300"
                                       << "300"
                                       << "3,4,6,9|" << false;
    QTest::newRow("511: every address lever") << "orvo36"
                                              << "511"
                                              << "511"
                                              << "1,2,3,4,5,6,7,8,9" << false;
    QTest::newRow("hexadecimal") << "fluo"
                                 << "&H100"
                                 << "&H100"
                                 << "9|" << false;
    QTest::newRow("a fraction reads its whole part") << "intell"
                                                     << "1.5"
                                                     << "1.5"
                                                     << "1|1,3" << false;
    QTest::newRow("blanks ignored") << "dor"
                                    << " 4 2"
                                    << " 4 2"
                                    << "2,4,6,11|1,3" << false;
    QTest::newRow("512 refused, box emptied") << "orvo75"
                                              << "512"
                                              << ""
                                              << "|" << true;
    QTest::newRow("0 refused") << "dor"
                               << "0"
                               << ""
                               << "11|1,3" << true;
    QTest::newRow("text refused") << "orvo36"
                                  << "abc"
                                  << ""
                                  << "" << true;
}

void DipEngineTest::address()
{
    QFETCH(QString, device);
    QFETCH(QString, typed);
    QFETCH(QString, text1);
    QFETCH(QString, levers);
    QFETCH(bool, error);
    DipEngine engine(deviceCalled(device));
    engine.Form_Load();
    engine.setText1(typed.toStdU16String());
    QCOMPARE(QString::fromStdU16String(std::u16string(engine.text1())), text1);
    QCOMPARE(banks(engine), levers);
    QCOMPARE(engine.errorShown(), error);
    // A valid address typed next clears the error.
    engine.setText1(u"2");
    QVERIFY(!engine.errorShown());
}

void DipEngineTest::masterMode_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("clicks");      // after Option2, before the tick
    QTest::addColumn<QString>("entryLevers"); // at once
    QTest::addColumn<QString>("tickLevers");  // after one tick
    QTest::newRow("ORVO 75 presets: Speed 4, Show 0") << "orvo75"
                                                      << ""
                                                      << "12|"
                                                      << "4,12|";
    QTest::newRow("ORVO 75: Speed 2, Show 13") << "orvo75"
                                               << "Option5 Option21"
                                               << "12|"
                                               << "2,5,7,8,12|";
    QTest::newRow("ORVO 36: master lever 11") << "orvo36"
                                              << "Option4 Option9"
                                              << "11"
                                              << "1,5,11";
    QTest::newRow("FLUO: Speed 0, Show 15") << "fluo"
                                            << "Option3 Option25"
                                            << "12|"
                                            << "5,6,7,8,12|";
    QTest::newRow("intelligent: master pattern") << "intell"
                                                 << ""
                                                 << "12|1,3"
                                                 << "4,12|1,2";
    QTest::newRow("DOR: CCT 0 presets") << "dor"
                                        << ""
                                        << "11,12|1,3"
                                        << "11,12|1,2";
    QTest::newRow("DOR: CCT 9") << "dor"
                                << "Option17"
                                << "11,12|1,3"
                                << "9,11,12|1,2";
}

void DipEngineTest::masterMode()
{
    QFETCH(QString, device);
    QFETCH(QString, clicks);
    QFETCH(QString, entryLevers);
    QFETCH(QString, tickLevers);
    DipEngine engine(deviceCalled(device));
    engine.Form_Load();
    engine.setChecked("Check1", true);
    engine.click("Option2");
    QVERIFY(engine.isChecked("Option2"));
    QVERIFY(!engine.isChecked("Option1"));
    QVERIFY(!engine.isChecked("Check1")); // the preset clears the terminator
    QVERIFY(!engine.isEnabled("Text1"));
    QVERIFY(engine.isEnabled("Frame5"));
    QVERIFY(engine.timer1Running());
    QCOMPARE(QString::fromStdU16String(std::u16string(engine.text1())), "1");
    for (const QString& option : clicks.split(u' ', Qt::SkipEmptyParts))
        engine.click(latin1(option));
    QCOMPARE(banks(engine), entryLevers); // the selections wait for the tick
    engine.Timer1_Timer();
    QCOMPARE(banks(engine), tickLevers);
    // Back to DMX mode: the timer stops, address 1 again, the master controls disabled.
    engine.click("Option1");
    QVERIFY(!engine.timer1Running());
    QVERIFY(!engine.isEnabled("Frame5"));
    QVERIFY(engine.isEnabled("Text1"));
    QCOMPARE(engine.levers().isOn(Bank::Twelve, 1), true);
    QCOMPARE(engine.levers().isOn(Bank::Twelve, 12), false);
}

void DipEngineTest::checkBoxes_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("checkedLevers");
    QTest::newRow("ORVO 75 terminator: 4-bank lever 1") << "orvo75" << false << "Check1"
                                                        << "1|1";
    QTest::newRow("ORVO 75 pushbutton: 4-bank 2, 3 and 11") << "orvo75" << true << "Check2"
                                                            << "11,12|2,3";
    QTest::newRow("ORVO 36 terminator: lever 12") << "orvo36" << false << "Check1"
                                                  << "1,12";
    QTest::newRow("ORVO 36 pushbutton: lever 10") << "orvo36" << true << "Check2"
                                                  << "10,11";
    QTest::newRow("FLUO modulation: lever 10 in DMX mode") << "fluo" << false << "Check3"
                                                           << "1,10|";
    QTest::newRow("FLUO modulation: lever 10 in master mode") << "fluo" << true << "Check3"
                                                              << "10,12|";
    QTest::newRow("intelligent resistor: 4-bank lever 4") << "intell" << false << "Check1"
                                                          << "1|1,3,4";
    QTest::newRow("DOR resistor: 4-bank lever 4") << "dor" << false << "Check1"
                                                  << "1,11|1,3,4";
}

void DipEngineTest::checkBoxes()
{
    QFETCH(QString, device);
    QFETCH(bool, master);
    QFETCH(QString, box);
    QFETCH(QString, checkedLevers);
    DipEngine engine(deviceCalled(device));
    engine.Form_Load();
    if (master)
        engine.click("Option2");
    const QString before = banks(engine);
    engine.click(latin1(box));
    QVERIFY(engine.isChecked(latin1(box)));
    QCOMPARE(banks(engine), checkedLevers);
    engine.click(latin1(box));
    QVERIFY(!engine.isChecked(latin1(box)));
    QCOMPARE(banks(engine), before);
}

// A procedure's changes reach the panel as they happen, nested procedures first; the levers
// once, at the end of the outermost one.
void DipEngineTest::whatThePanelIsTold()
{
    FakePanel panel;
    DipEngine engine(Device::Orvo75, &panel);
    engine.Form_Load();
    QCOMPARE(panel.log.join(u'|'),
             "Frame2 disabled|Frame3 disabled|Frame5 disabled|Option3 disabled|Option4 disabled|"
             "Option5 disabled|Option6 disabled|Option7 disabled|Option8 disabled|"
             "Option9 disabled|Option10 disabled|Option11 disabled|Option12 disabled|"
             "Option13 disabled|Option14 disabled|Option15 disabled|Option16 disabled|"
             "Option17 disabled|Option18 disabled|Option19 disabled|Option20 disabled|"
             "Option21 disabled|Option22 disabled|Option25 disabled|Check2 disabled");
    panel.log.clear();

    // A refused address empties the box, which runs the change once more, nested.
    engine.setText1(u"600");
    QCOMPARE(panel.log.join(u'|'), "text 600|text |error shown|levers");
    panel.log.clear();
    engine.setText1(u"600");
    QCOMPARE(panel.log.join(u'|'), "text 600|error hidden|text |error shown");
    panel.log.clear();

    // The master preset: the terminator cleared, address 1, Speed 4 and Show 0 selected (their
    // group peers first), the modes' controls, the master lever, the timer.
    engine.click("Check1");
    panel.log.clear();
    panel.leverUpdates = 0;
    engine.click("Option2");
    QStringList log = panel.log;
    QCOMPARE(log.takeFirst(), "Option1 off");
    QCOMPARE(log.takeFirst(), "Option2 on");
    QCOMPARE(log.takeFirst(), "Check1 off");
    QCOMPARE(log.takeFirst(), "text 1");
    QCOMPARE(log.takeFirst(), "error hidden");
    QCOMPARE(log.takeFirst(), "Option7 on");
    QCOMPARE(log.takeFirst(), "Option8 on");
    QCOMPARE(log.takeFirst(), "Option23 on");
    QVERIFY(log.contains("Frame4 disabled"));
    QVERIFY(log.contains("Frame5 enabled"));
    QCOMPARE(log.takeLast(), "levers");
    QCOMPARE(log.takeLast(), "timer on");
    QCOMPARE(panel.leverUpdates, 1);

    // Speed 2: its group peer deselected first; nothing moves before the tick.
    panel.log.clear();
    engine.click("Option5");
    QCOMPARE(panel.log.join(u'|'), "Option7 off|Option5 on");
    engine.Timer1_Timer();
    QCOMPARE(panel.log.last(), "levers");
    // A tick that moves nothing tells nothing.
    panel.log.clear();
    engine.Timer1_Timer();
    QVERIFY(panel.log.isEmpty());

    // Master mode again with "1" still in the box: the box is set anew (a selection in it goes),
    // and the same text runs nothing.
    engine.click("Option1");
    panel.log.clear();
    engine.click("Option2");
    QVERIFY(panel.log.contains("text 1"));
    QVERIFY(!panel.log.contains("error hidden"));
}

void DipEngineTest::disabledControlsRefuseClicks()
{
    DipEngine engine(Device::Orvo75);
    engine.Form_Load();
    engine.click("Option5"); // Speed 2, a master-mode control
    QVERIFY(!engine.isChecked("Option5"));
    engine.click("Check2"); // the pushbutton
    QVERIFY(!engine.isChecked("Check2"));
    QCOMPARE(banks(engine), "1|");
    engine.click("Option2");
    engine.click("Check1"); // the terminator, now a DMX-mode control
    QVERIFY(!engine.isChecked("Check1"));
    engine.click("Option24"); // 6 Ch, in the disabled frame "DMX mode"
    QVERIFY(!engine.isChecked("Option24"));
}

void DipEngineTest::settingsRoundTrip_data()
{
    QTest::addColumn<DeviceSetting>("setting");
    QTest::addColumn<QString>("levers");
    QTest::newRow("ORVO 75 at 37, 6 Ch, terminator")
        << DeviceSetting{.device = Device::Orvo75, .address = 37, .channels = 6, .terminator = true}
        << "1,3,6,11|1";
    QTest::newRow("ORVO 75 master, pushbutton, Speed 1, Show 3")
        << DeviceSetting{.device = Device::Orvo75,
                         .master = true,
                         .pushbutton = true,
                         .speed = 1,
                         .show = 3}
        << "1,5,6,11,12|2,3";
    QTest::newRow("ORVO 36 at 511")
        << DeviceSetting{.device = Device::Orvo36, .address = 511} << "1,2,3,4,5,6,7,8,9";
    QTest::newRow("FLUO master, modulation, Speed 0, Show 8")
        << DeviceSetting{.device = Device::Fluo,
                         .master = true,
                         .speed = 0,
                         .show = 8,
                         .modulation = true}
        << "8,10,12|";
    QTest::newRow("intelligent at 256, resistor")
        << DeviceSetting{.device = Device::Intell, .address = 256, .terminator = true} << "9|1,3,4";
    QTest::newRow("DOR master, CCT 5")
        << DeviceSetting{.device = Device::Dor, .master = true, .tune = 5} << "5,11,12|1,2";
}

// A setting applied to a fresh engine is read back exactly, presets filled in.
void DipEngineTest::settingsRoundTrip()
{
    QFETCH(DeviceSetting, setting);
    QFETCH(QString, levers);
    QVERIFY(!settingProblem(setting));
    DipEngine engine(setting.device);
    engine.Form_Load();
    engine.apply(setting);
    QCOMPARE(banks(engine), levers);
    DeviceSetting read = engine.setting();
    const DeviceInfo& info = deviceInfo(setting.device);
    DeviceSetting expected = setting;
    if (setting.master && info.speedAndShow) {
        expected.speed = setting.speed.value_or(4);
        expected.show = setting.show.value_or(0);
    }
    if (setting.master && info.tune)
        expected.tune = setting.tune.value_or(0);
    QCOMPARE(read.master, expected.master);
    QCOMPARE(read.address, expected.address);
    QCOMPARE(read.channels, expected.channels);
    QCOMPARE(read.terminator, expected.terminator);
    QCOMPARE(read.pushbutton, expected.pushbutton);
    QCOMPARE(read.speed, expected.speed);
    QCOMPARE(read.show, expected.show);
    QCOMPARE(read.tune, expected.tune);
    QCOMPARE(read.modulation, expected.modulation);
    QVERIFY(!settingProblem(read));
    // Applied again on the engine in use, the same setting leaves it as it is.
    engine.apply(setting);
    QCOMPARE(banks(engine), levers);
}

QTEST_APPLESS_MAIN(DipEngineTest)
#include "tst_dipengine.moc"
