#pragma once

// Draws the data-sheet pictures from their tables (sheettable.h). The generator saves them into
// resources/sheets/; tests compare them with the pictures compiled into the program.

#include "resources/sheettable.h"

#include <QImage>
#include <vector>

namespace velantra::sheets
{

// Cells are light grey, lines and text black.
constexpr QRgb kCellGrey = 0xFFDCDCDC;
constexpr QRgb kGridBlack = 0xFF000000;
constexpr QRgb kBandDark = 0xFF282828;
constexpr QRgb kBarOutline = 0xFF909090;

// At `ratio` device pixels per pixel: 1 for the files, the screen's for a window.
QImage renderTable(const SheetTable& table, qreal ratio = 1);
QImage renderShowList(const ShowList& list, qreal ratio = 1);

struct RenderedPicture {
    const PictureFile* file;
    QImage image;
};

// The show list and every table, drawn afresh.
std::vector<RenderedPicture> renderAll();

} // namespace velantra::sheets
