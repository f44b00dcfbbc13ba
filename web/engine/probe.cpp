// Prints what the engine gives for every DMX address 1–511 in every mode and option of every
// configurator, then drives every configurator page and both power pages through long seeded
// runs of what a user can do, printing after every step all the page shows and its card or
// report. The desktop build and the WebAssembly build (run under node) must print the same
// bytes: `make web-test` compares them.
//   velantra-webprobe [steps]
#include "devices/devices.h"
#include "web/engine/configuratorpage.h"
#include "web/engine/powerpage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace
{

using namespace velantra;
using web::ConfiguratorPage;
using web::PowerPage;

// Entries a user types: counts, the refused ones (0, beyond 16 bits), fractions, the number
// reader's other forms, text that is no number, the other decimal separator, a number too small
// for a double's normal range (read as itself, not as 0, so the box is not emptied).
constexpr const char* kEntries[] = {"1",     "2",    "3",     "6",   "7",   "10",    "0",   "-2",
                                    "2.5",   "3.5",  "&H10",  "1e9", "abc", "",      "1,5", " 4 ",
                                    "32767", "-1.5", "40000", "0.4", "12",  "1e-310"};

class Random
{
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    int below(int n)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return int((state_ >> 8) % std::uint32_t(n));
    }

private:
    std::uint32_t state_;
};

void print(PowerPage& page)
{
    std::string line;
    for (int which = 0; which < 7; ++which)
        line += page.readout(which) + (page.limitExceeded(which) ? "!" : "") + "|";
    line += page.totalCaption() + "|" + (page.average() ? "avg" : "nom") + "|" +
            std::to_string(page.current(0)) + std::to_string(page.current(1)) + "|";
    for (int column = 0; column < 4; ++column) {
        for (int row = 1; row <= 14; ++row)
            line += page.text(column, row) + (page.usable(column, row) ? "," : "#,");
    }
    for (const std::string& warning : page.takeWarnings())
        line += "\n  warning: " + warning;
    std::puts(line.c_str());
    std::fputs(page.reportText("device", "mode", "2026-12-10", 15, 3).c_str(), stdout);
}

void printLevers(const dip::DipEngine& engine)
{
    const dip::Levers& levers = engine.levers();
    std::printf(" %03x %x %s%s\n", unsigned(levers.twelve), unsigned(levers.four),
                web::toUtf8(engine.text1()).c_str(), engine.errorShown() ? " error" : "");
}

void applyAndPrint(const DeviceSetting& setting)
{
    if (settingProblem(setting))
        return; // a choice the device does not have
    dip::DipEngine engine(setting.device);
    engine.Form_Load();
    engine.apply(setting);
    printLevers(engine);
}

// Every address in DMX mode with every choice of channels, terminator and modulation; every
// speed, show, tune, pushbutton and modulation in master mode.
void everySetting(Device device)
{
    std::printf("%s\n", std::string(deviceInfo(device).commandName).c_str());
    const std::optional<int> channelChoices[] = {std::nullopt, 3, 6};
    for (const std::optional<int>& channels : channelChoices) {
        for (bool terminator : {false, true}) {
            for (bool modulation : {false, true}) {
                for (int address = 1; address <= 511; ++address) {
                    applyAndPrint({.device = device,
                                   .address = address,
                                   .channels = channels,
                                   .terminator = terminator,
                                   .modulation = modulation});
                }
            }
        }
    }
    for (bool pushbutton : {false, true}) {
        for (bool modulation : {false, true}) {
            for (int speed = 0; speed <= kMaxSpeed; ++speed) {
                for (int show = 0; show <= kMaxShow; ++show)
                    applyAndPrint({.device = device,
                                   .master = true,
                                   .pushbutton = pushbutton,
                                   .speed = speed,
                                   .show = show,
                                   .modulation = modulation});
            }
            for (int tune = 0; tune <= kMaxTune; ++tune)
                applyAndPrint({.device = device,
                               .master = true,
                               .pushbutton = pushbutton,
                               .tune = tune,
                               .modulation = modulation});
        }
    }
}

// Addresses a user types: valid, refused, the number reader's other forms, no number.
constexpr const char* kAddresses[] = {"1",  "300",   "511",   "512",   "600",   "0",
                                      "-5", "1.5",   "511.5", "&H1FF", "&O777", "abc",
                                      "",   " 2 5 ", "1e2",   "3E"};

void walk(Device device, int steps, std::uint32_t seed)
{
    ConfiguratorPage page{int(device)};
    std::vector<std::string> clickable;
    for (const web::PageControl& control : page.controls()) {
        if (control.kind == "option" || control.kind == "check")
            clickable.push_back(control.name);
    }
    Random random(seed);
    std::printf("%s, seed %u\n", page.caption().c_str(), seed);
    for (int step = 0; step < steps; ++step) {
        const int action = random.below(10);
        if (action < 3) {
            if (random.below(2) == 0)
                page.typeAddress(kAddresses[random.below(int(std::size(kAddresses)))]);
            else
                page.typeAddress(std::to_string(random.below(600)));
        } else if (action < 8) {
            page.click(clickable[std::size_t(random.below(int(clickable.size())))]);
        } else {
            page.tick();
        }
        printLevers(page.engine());
        for (int bank = 0; bank < page.bankCount(); ++bank)
            std::printf("%s\n", page.leversOn(bank).c_str());
        std::fputs(page.cardText("Bar 3, left", "2026-12-10").c_str(), stdout);
    }
}

void run(bool orvo36, int steps, std::uint32_t seed)
{
    PowerPage page(orvo36, u'.');
    Random random(seed);
    std::printf("%s, seed %u\n", orvo36 ? "ORVO 36" : "ORVO 75", seed);
    for (int step = 0; step < steps; ++step) {
        const int action = random.below(20);
        // One draw per statement: the order in which arguments are evaluated differs between
        // compilers.
        if (action < 14) {
            const int column = random.below(4);
            const int row = 1 + random.below(14);
            page.typeInto(column, row, kEntries[random.below(int(std::size(kEntries)))]);
        } else if (action < 16) {
            page.tick();
        } else if (action == 16) {
            page.chooseAverage(random.below(2) == 1);
        } else if (action < 19) {
            const int cc = random.below(2);
            page.chooseCurrent(cc, random.below(3));
        } else {
            page.reset();
        }
        print(page);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int steps = argc > 1 ? std::atoi(argv[1]) : 3000;
    for (const DeviceInfo& device : kDevices)
        everySetting(device.device);
    for (const DeviceInfo& device : kDevices)
        walk(device.device, steps, 511u + std::uint32_t(device.device));
    for (bool orvo36 : {false, true})
        run(orvo36, steps, orvo36 ? 36u : 75u);
    return 0;
}
