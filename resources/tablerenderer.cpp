#include "resources/tablerenderer.h"

#include "i18n/language.h"
#include "resources/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <string>
#include <vector>

namespace velantra::sheets
{
namespace
{

// The tables' texts are UTF-8 ("°K", "×").
QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr int kTextPixels = 11;
constexpr int kTitlePixels = 12;
constexpr int kPadding = 3; // between a cell's lines and its text

// Liberation Sans is metric-compatible with the spreadsheet font and installed with the program's
// build tools, so the pictures come out the same on every build machine. The hinting is set, not
// taken from the application's font: vertical only, as Debian's fontconfig hints, on every system.
QFont sheetFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// Positions of the grid lines: lines[i] is the line before cell i, lines.back() the closing one.
std::vector<int> linePositions(int first, std::span<const int> sizes)
{
    std::vector<int> lines{first};
    for (int size : sizes)
        lines.push_back(lines.back() + size + 1);
    return lines;
}

// A one-pixel frame on the outermost pixels of an area. Rectangles, not a pen's lines: they cover
// the same pixels at every device pixel ratio, where a wider line would straddle them.
void frame(QPainter& painter, const QRect& area, const QColor& colour)
{
    painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), colour);
    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), colour);
    painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), colour);
    painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), colour);
}

class TablePainter
{
public:
    TablePainter(QImage& image, const SheetTable& table) : painter_(&image), table_(table)
    {
        columns_ = linePositions(0, table.columnWidths);
        painter_.setPen(QColor::fromRgb(kGridBlack));
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    // A cell over grid columns [column, column + span) between two horizontal lines, framed.
    QRect cell(int column, int span, int top, int bottom)
    {
        const QRect area(QPoint(columns_[std::size_t(column)], top),
                         QPoint(columns_[std::size_t(column + span)], bottom));
        painter_.fillRect(area, QColor::fromRgb(kCellGrey));
        frame(painter_, area, QColor::fromRgb(kGridBlack));
        return area.adjusted(1, 1, -1, -1);
    }

    void text(const QRect& inside, std::string_view text, Align align, const QFont& font)
    {
        const int horizontal = align == Align::Left ? Qt::AlignLeft : Qt::AlignHCenter;
        painter_.setFont(font);
        painter_.drawText(inside.adjusted(kPadding, 0, -kPadding, 0),
                          horizontal | Qt::AlignVCenter | Qt::TextWordWrap,
                          i18n::text(i18n::context::kSheets, text));
    }

    // A short upright stroke in the middle of a cell: the lever that is ON.
    void mark(const QRect& inside)
    {
        const int height = inside.height() * 3 / 5;
        painter_.fillRect(
            QRect(inside.center().x(), inside.top() + (inside.height() - height) / 2, 2, height),
            QColor::fromRgb(kGridBlack));
    }

    void draw()
    {
        const int lastColumn = int(table_.columnWidths.size());
        int top = 0;
        if (!table_.title.empty()) {
            const QRect inside = cell(0, lastColumn, top, top + table_.titleHeight + 1);
            text(inside, table_.title, Align::Centre, sheetFont(kTitlePixels, true));
            top += table_.titleHeight + 1;
        }
        const std::vector<int> headingLines = linePositions(top, table_.headingHeights);
        for (const Heading& h : table_.headings) {
            const QRect inside = cell(h.column, h.columnSpan, headingLines[std::size_t(h.row)],
                                      headingLines[std::size_t(h.row + h.rowSpan)]);
            text(inside, h.text, Align::Centre, sheetFont(kTextPixels, true));
        }
        top = headingLines.back();
        for (int empty = 0; empty < table_.emptyRows; ++empty) {
            for (int column = 0; column < lastColumn; ++column)
                cell(column, 1, top, top + table_.rowHeight + 1);
            top += table_.rowHeight + 1;
        }
        for (const Row& row : table_.rows) {
            drawRow(row, top, top + table_.rowHeight + 1);
            top += table_.rowHeight + 1;
        }
    }

private:
    void drawRow(const Row& row, int top, int bottom)
    {
        const QFont font = sheetFont(kTextPixels, false);
        for (std::size_t i = 0; i < table_.columns.size(); ++i) {
            const Column& column = table_.columns[i];
            if (column.fill == Fill::Text) {
                text(cell(column.first, 1, top, bottom), row[i], column.align, font);
                continue;
            }
            for (int sub = 1; sub <= column.span; ++sub) {
                const QRect inside = cell(column.first + sub - 1, 1, top, bottom);
                if (row[i] == std::to_string(sub))
                    mark(inside);
            }
        }
    }

    QPainter painter_;
    const SheetTable& table_;
    std::vector<int> columns_;
};

QColor colourOf(std::string_view name)
{
    return QColor::fromRgb(QRgb(0xFF000000u | colourNamed(name)));
}

// Names on dark colours are written in white.
QColor textColourOn(const QColor& colour)
{
    const int luminance = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    return luminance < 110 ? Qt::white : Qt::black;
}

void drawBar(QPainter& painter, const QRect& area, const ShowBar& bar)
{
    std::vector<std::string_view> names;
    for (std::string_view name : bar.colours) {
        if (!name.empty())
            names.push_back(name);
    }
    const double count = double(names.size());
    // Each colour is pure at the middle of its share of the bar, where its name stands.
    const auto centreOf = [&](std::size_t k) { return (double(k) + 0.5) / count; };
    QLinearGradient gradient(area.left(), 0, area.right() + 1, 0);
    gradient.setColorAt(0, colourOf(names.front()));
    for (std::size_t k = 0; k < names.size(); ++k)
        gradient.setColorAt(centreOf(k), colourOf(names[k]));
    gradient.setColorAt(1, colourOf(names.back()));
    painter.fillRect(area, gradient);
    // An outline keeps the white parts of a bar apart from the white page.
    frame(painter, area, QColor::fromRgb(kBarOutline));

    painter.setFont(sheetFont(kTextPixels, true));
    const int share = int(area.width() / count);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int centre = area.left() + int(centreOf(k) * area.width());
        painter.setPen(textColourOn(colourOf(names[k])));
        painter.drawText(QRect(centre - share / 2, area.top(), share, area.height()),
                         Qt::AlignCenter, i18n::text(i18n::context::kSheets, names[k]));
    }
}

} // namespace

QImage renderTable(const SheetTable& table, qreal ratio)
{
    QImage image = artwork::blankPicture(table.picture.width, table.picture.height, ratio);
    TablePainter(image, table).draw();
    return image;
}

QImage renderShowList(const ShowList& list, qreal ratio)
{
    QImage image = artwork::blankPicture(list.picture.width, list.picture.height, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.fillRect(0, 0, list.tableWidth, list.rowHeight, QColor::fromRgb(kBandDark));
    painter.setPen(Qt::white);
    painter.setFont(sheetFont(kTitlePixels, true));
    painter.drawText(QRect(4, 0, list.tableWidth - 4, list.rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     i18n::text(i18n::context::kSheets, list.heading));

    int top = list.rowHeight;
    for (const ShowBar& bar : list.bars) {
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(kTitlePixels, true));
        painter.drawText(QRect(0, top, list.numberWidth, list.rowHeight), Qt::AlignCenter,
                         utf8(bar.show));
        // A white pixel row between the bars keeps them apart.
        drawBar(painter,
                QRect(list.numberWidth, top + 1, list.tableWidth - list.numberWidth,
                      list.rowHeight - 1),
                bar);
        top += list.rowHeight;
    }
    return image;
}

std::vector<RenderedPicture> renderAll()
{
    std::vector<RenderedPicture> pictures{{&showList().picture, renderShowList(showList())}};
    for (const SheetTable* table : tables())
        pictures.push_back({&table->picture, renderTable(*table)});
    return pictures;
}

} // namespace velantra::sheets
