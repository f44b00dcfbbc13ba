// Drives both power pages through a long seeded run of what a user can do and prints, after
// every step, all the page shows and the budget report. The desktop build and the WebAssembly
// build (run under node) must print the same bytes: `make web-test` compares them.
//   velantra-webprobe [steps]
#include "web/engine/powerpage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

using velantra::web::PowerPage;

// Entries a user types: counts, the refused ones (0, beyond 16 bits), fractions, the number
// reader's other forms, text that is no number, the other decimal separator.
constexpr const char* kEntries[] = {"1",   "2",   "3",     "6",    "7",     "10",  "0",
                                    "-2",  "2.5", "3.5",   "&H10", "1e9",   "abc", "",
                                    "1,5", " 4 ", "32767", "-1.5", "40000", "0.4", "12"};

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
    for (bool orvo36 : {false, true})
        run(orvo36, steps, orvo36 ? 36u : 75u);
    return 0;
}
