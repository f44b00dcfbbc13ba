#pragma once

// Paper for the job: setting cards several to a sheet with cut marks, and the patch sheet, the
// table of a rig's addresses universe by universe. Each draws on any paged device (a PDF writer
// or a printer) in the device's own page size, A4 or Letter alike.

#include "cards/settingcard.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace velantra::cards
{

// Six cards to a page, two across and three down, in the order given; cut marks between them.
inline constexpr int kCardsAcross = 2;
inline constexpr int kCardsDown = 3;
void paintCardSheets(QPagedPaintDevice& device, std::span<const SettingCard> cards);

// One line of the patch sheet: a fixture and its block.
struct PatchRow {
    std::string start; // empty for a fixture that takes no address (a master)
    std::string end;
    std::string label;
    std::string fixture;
    std::string mode;
    std::string channels;
    std::string leversOn;         // "3, 4, 6, 9, 11"
    bool pastLastChannel = false; // the block runs past 512: the line is red
};

// The fixtures of one universe, in fixture order.
struct PatchSection {
    std::string heading; // "Universe 1"
    std::vector<PatchRow> rows;
};

struct PatchSheet {
    std::string title; // "Patch sheet: rig.json"
    std::string date;  // YYYY-MM-DD
    std::vector<PatchSection> sections;
};

// The sheet as a table, a section per universe; a section that goes on over a page break has
// its heading and the table's header again.
void paintPatchSheet(QPagedPaintDevice& device, const PatchSheet& sheet);

} // namespace velantra::cards
