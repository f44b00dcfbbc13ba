#include "web/engine/powerpage.h"

#include "power/fixturepowertable.h"

#include <utility>

namespace velantra::web
{
namespace
{

using power::Output;

constexpr const char* kOutputNames[] = {"CC #1", "CC #2", "CV #1", "CV #2"};
constexpr const char* kCurrentNames[] = {"350 mA", "700 mA", "1000 mA"};

Output outputAt(int column)
{
    return Output(column);
}

// Blanks run together and trimmed, as a model label reads.
std::string simplified(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ') {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

PowerPage::PowerPage(bool orvo36, char16_t decimalSeparator)
    : budget_(orvo36 ? power::kOrvo36Power : power::kOrvo75Power, *this, decimalSeparator)
{
    // The 36 W window keeps the CC #2 column disabled.
    if (orvo36) {
        for (Box& b : boxes_[1])
            b.enabled = false;
    }
    budget_.Load();
}

void PowerPage::typeInto(int column, int row, const std::string& text)
{
    Box& b = box(outputAt(column), row);
    const std::u16string typed = toUtf16(text);
    if (!b.enabled || b.text == typed)
        return; // a disabled box takes no text; the same text is no change
    b.text = typed;
    budget_.OutputComputation(outputAt(column));
}

void PowerPage::chooseAverage(bool average)
{
    if (average_ == average)
        return; // choosing the chosen option runs nothing
    average_ = average;
    budget_.SwitchMode(average);
}

void PowerPage::chooseCurrent(int cc, int current)
{
    current_[std::size_t(cc)] = power::Current(current); // the next tick applies its rule
}

void PowerPage::reset()
{
    budget_.Reset();
}

void PowerPage::tick()
{
    budget_.PeriodicPass();
}

std::string PowerPage::text(int column, int row) const
{
    return toUtf8(box(outputAt(column), row).text);
}

bool PowerPage::usable(int column, int row) const
{
    const Box& b = box(outputAt(column), row);
    return b.enabled && !b.blocked;
}

std::string PowerPage::readout(int which) const
{
    return toUtf8(readouts_[std::size_t(which)]);
}

bool PowerPage::limitExceeded(int which) const
{
    switch (power::Readout(which)) {
    case power::Readout::LedCC1:
        return budget_.WarnCC(1);
    case power::Readout::LedCC2:
        return budget_.WarnCC(2);
    case power::Readout::Total:
        return budget_.WarnTotal();
    default:
        return false;
    }
}

std::vector<std::string> PowerPage::takeWarnings()
{
    return std::exchange(warnings_, {});
}

std::string PowerPage::reportText(const std::string& device, const std::string& mode,
                                  const std::string& date, int shownOutputs,
                                  int shownCurrents) const
{
    cards::PowerReport report{.device = device, .date = date, .mode = mode};
    constexpr int kWattsBox[] = {2, 3, 4, 5}; // Readout of each output's power
    for (int column = 0; column < 4; ++column) {
        if (!(shownOutputs & (1 << column)))
            continue;
        cards::OutputReport output{.name = kOutputNames[column]};
        const bool cc = column < 2;
        for (int row = 1; row <= power::kRows; ++row) {
            const int count = power::ReadBox(box(outputAt(column), row).text).count;
            const power::FixtureRow& fixture = budget_.variant().table.row(row);
            if (count != 0)
                output.fixtures.push_back(
                    {simplified(cc ? fixture.cc.model : fixture.cv.model), count});
        }
        if (cc && (shownCurrents & (1 << column)))
            output.current = kCurrentNames[std::size_t(current_[std::size_t(column)])];
        if (cc)
            output.ledsPerColour = readout(column);
        output.watts = readout(kWattsBox[column]);
        report.outputs.push_back(output);
    }
    report.totalCaption = totalCaption_;
    report.totalWatts = readout(int(power::Readout::Total));
    report.exceeded = cards::exceededLimits(budget_);
    return cards::reportText(report);
}

PowerPage::Box& PowerPage::box(Output column, int row)
{
    return boxes_[std::size_t(column)][std::size_t(row - 1)];
}

const PowerPage::Box& PowerPage::box(Output column, int row) const
{
    return boxes_[std::size_t(column)][std::size_t(row - 1)];
}

std::u16string PowerPage::boxText(Output column, int row) const
{
    return box(column, row).text;
}

void PowerPage::clearBox(Output column, int row)
{
    Box& b = box(column, row);
    if (b.text.empty())
        return;
    b.text.clear(); // a box that held text runs its change procedure, nested
    budget_.OutputComputation(column);
}

void PowerPage::setBoxEnabled(Output column, int row, bool enabled)
{
    box(column, row).enabled = enabled;
}

void PowerPage::setBoxLook(Output column, int row, power::BoxLook look)
{
    box(column, row).blocked = look == power::BoxLook::Blocked;
}

void PowerPage::setReadoutText(power::Readout which, std::u16string_view text)
{
    readouts_[std::size_t(which)] = text;
}

void PowerPage::setReadoutRed(power::Readout which, bool red)
{
    red_[std::size_t(which)] = red;
}

bool PowerPage::readoutIsWhite(power::Readout which) const
{
    return !red_[std::size_t(which)];
}

void PowerPage::setTotalCaption(std::string_view caption)
{
    totalCaption_ = caption;
}

void PowerPage::warn(std::string_view message)
{
    warnings_.emplace_back(message);
}

void PowerPage::selectAverageMode()
{
    if (average_)
        return;
    average_ = true;
    budget_.SwitchMode(true);
}

void PowerPage::selectCurrent(Output cc, power::Current current)
{
    current_[cc == Output::CC1 ? 0 : 1] = current;
}

bool PowerPage::isCurrentSelected(Output cc, power::Current current) const
{
    return current_[cc == Output::CC1 ? 0 : 1] == current;
}

std::u16string toUtf16(const std::string& text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t code = length == 1   ? byte
                        : length == 2 ? byte & 0x1Fu
                        : length == 3 ? byte & 0x0Fu
                                      : byte & 0x07u;
        for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3Fu);
        i += std::size_t(length);
        if (code >= 0x10000) {
            code -= 0x10000;
            out += char16_t(0xD800 + (code >> 10));
            out += char16_t(0xDC00 + (code & 0x3FF));
        } else {
            out += char16_t(code);
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

} // namespace velantra::web
