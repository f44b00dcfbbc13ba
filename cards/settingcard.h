#pragma once

// A setting card: what one configurator window shows, as plain data, read from the window (see
// cardreader.h) and then written out as text, drawn on a page (cardpainter.h) or saved
// (cardwriter.h). The banks keep the window's own geometry, so that the drawing on paper is the
// one on the screen.

#include <optional>
#include <string>
#include <vector>

namespace velantra::cards
{

// A rectangle in the window's pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct LeverDrawing {
    PixelRect upper; // the lever's rectangle in the upper row
    PixelRect lower;
    bool on = false;
    friend bool operator==(const LeverDrawing&, const LeverDrawing&) = default;
};

struct BankDrawing {
    std::string name; // "12-lever bank"
    PixelRect body;
    bool onIsUpper = false;           // which row of the device means ON
    std::vector<LeverDrawing> levers; // lever 1 first
    friend bool operator==(const BankDrawing&, const BankDrawing&) = default;
};

struct SettingCard {
    std::string device; // the configurator window's caption
    std::string label;  // free text of the installer, may be empty
    std::string date;   // the day the card was made, YYYY-MM-DD
    std::string mode;   // "DMX (slave)" or "Master", as the mode buttons say
    bool master = false;
    std::optional<int> address;       // the DMX address the levers show; none in master mode
    std::vector<std::string> options; // captions of the choices in force, in tab order
    std::vector<BankDrawing> banks;   // left to right as on the device
    // Where a card made from a rig plan comes from, "Plan: rig.json, row 3"; empty otherwise.
    std::string origin;
    // The DMX channels the device takes from its address, where known: the card then shows its
    // block, start to end, and warns when the block runs past the last channel.
    std::optional<int> channels;
    friend bool operator==(const SettingCard&, const SettingCard&) = default;
};

// "Channels: 6, block 300–305", or nothing where the card has no address or no channel count.
std::optional<std::string> blockLine(const SettingCard& card);
// "Warning: the block runs past 512, to 515", or nothing where it ends by 512.
std::optional<std::string> blockWarning(const SettingCard& card);

// "Levers ON: 3, 4, 6, 9", or "Levers ON: none".
std::string leversOnText(const BankDrawing& bank);

// "Label: Bar 3, left", or "Label:" when the installer gave none.
std::string labelLine(const std::string& label);

// The card as text lines: device, label, the plan it comes from, date, mode, address, block,
// options, then one line per bank.
std::vector<std::string> cardLines(const SettingCard& card);

// The lines joined, each ended by a line feed: what Copy as text puts on the clipboard.
std::string cardText(const SettingCard& card);

} // namespace velantra::cards
