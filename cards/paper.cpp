#include "cards/paper.h"

#include "cards/cardpainter.h"
#include "i18n/language.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace velantra::cards
{
namespace
{

constexpr double kSheetMargin = 28; // points, the page's edge to the cards
constexpr double kCardGap = 14;     // points between two cards, cut in the middle
constexpr double kMarkLength = 10;

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Short marks in the margins where the sheet is cut, and crosses where two cuts meet.
void paintCutMarks(QPainter& p, const QRectF& page, std::span<const double> xs,
                   std::span<const double> ys, double unit)
{
    p.save();
    p.setPen(QPen(Qt::black, 0.5 * unit));
    const double mark = kMarkLength * unit;
    for (double x : xs) {
        p.drawLine(QPointF(x, page.top() + 2 * unit), QPointF(x, page.top() + 2 * unit + mark));
        p.drawLine(QPointF(x, page.bottom() - 2 * unit),
                   QPointF(x, page.bottom() - 2 * unit - mark));
    }
    for (double y : ys) {
        p.drawLine(QPointF(page.left() + 2 * unit, y), QPointF(page.left() + 2 * unit + mark, y));
        p.drawLine(QPointF(page.right() - 2 * unit, y), QPointF(page.right() - 2 * unit - mark, y));
    }
    for (std::size_t i = 1; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 1; j + 1 < ys.size(); ++j) {
            p.drawLine(QPointF(xs[i] - mark / 2, ys[j]), QPointF(xs[i] + mark / 2, ys[j]));
            p.drawLine(QPointF(xs[i], ys[j] - mark / 2), QPointF(xs[i], ys[j] + mark / 2));
        }
    }
    p.restore();
}

} // namespace

void paintCardSheets(QPagedPaintDevice& device, std::span<const SettingCard> cards)
{
    QPainter p(&device);
    const double unit = device.logicalDpiX() / 72.0; // device pixels per point
    const QRectF page(0, 0, device.width(), device.height());
    const QRectF grid = page.adjusted(kSheetMargin * unit, kSheetMargin * unit,
                                      -kSheetMargin * unit, -kSheetMargin * unit);
    const double gap = kCardGap * unit;
    const double width = (grid.width() - gap * (kCardsAcross - 1)) / kCardsAcross;
    const double height = (grid.height() - gap * (kCardsDown - 1)) / kCardsDown;
    // The cuts: the grid's edges and the middle of each gap.
    std::vector<double> xs{grid.left()};
    std::vector<double> ys{grid.top()};
    for (int c = 1; c < kCardsAcross; ++c)
        xs.push_back(grid.left() + c * (width + gap) - gap / 2);
    for (int r = 1; r < kCardsDown; ++r)
        ys.push_back(grid.top() + r * (height + gap) - gap / 2);
    xs.push_back(grid.right());
    ys.push_back(grid.bottom());
    constexpr int perPage = kCardsAcross * kCardsDown;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int slot = int(i % perPage);
        if (slot == 0) {
            if (i > 0)
                device.newPage();
            paintCutMarks(p, page, xs, ys, unit);
        }
        const QRectF cell(grid.left() + (slot % kCardsAcross) * (width + gap),
                          grid.top() + (slot / kCardsAcross) * (height + gap), width, height);
        // The card's A4 drawing as wide as the cell; what it leaves below is blank.
        const QRectF drawing(cell.left(), cell.top(), width, width * kPageHeight / kPageWidth);
        p.save();
        p.setClipRect(cell);
        paintCard(p, drawing, cards[i]);
        p.restore();
    }
}

namespace
{

struct Column {
    const char* heading;
    double width; // share of the table's width
    Qt::Alignment align;
};
constexpr Column kColumns[] = {
    {VT_TEXT("Cards", "Start"), 0.07, Qt::AlignRight},
    {VT_TEXT("Cards", "End"), 0.07, Qt::AlignRight},
    {VT_TEXT("Cards", "Label"), 0.22, Qt::AlignLeft},
    {VT_TEXT("Cards", "Fixture"), 0.17, Qt::AlignLeft},
    {VT_TEXT("Cards", "Mode"), 0.17, Qt::AlignLeft},
    {VT_TEXT("Cards", "Ch"), 0.05, Qt::AlignRight},
    {VT_TEXT("Cards", "Levers ON"), 0.25, Qt::AlignLeft},
};

class SheetPainter
{
public:
    SheetPainter(QPagedPaintDevice& device, const PatchSheet& sheet)
        : device_(device), p_(&device), sheet_(sheet), unit_(device.logicalDpiX() / 72.0),
          area_(40 * unit_, 40 * unit_, device.width() - 80 * unit_, device.height() - 80 * unit_)
    {
    }

    void paint()
    {
        y_ = area_.top();
        text(QString::fromStdString(sheet_.title), font(16, true), area_.width());
        text(i18n::translate("Cards", "Date: ") + QString::fromStdString(sheet_.date), font(10),
             area_.width());
        for (const PatchSection& section : sheet_.sections) {
            y_ += 10 * unit_;
            if (y_ + 4 * rowHeight() > area_.bottom())
                newPage();
            sectionStart(section, false);
            for (const PatchRow& row : section.rows) {
                if (y_ + 3 * rowHeight() > area_.bottom()) {
                    newPage();
                    sectionStart(section, true);
                }
                const auto q = [](const std::string& text) { return QString::fromStdString(text); };
                // A block past the last channel in red, as its card warns.
                tableRow({q(row.start), q(row.end), q(row.label), q(row.fixture), q(row.mode),
                          q(row.channels), q(row.leversOn)},
                         font(8.5), row.pastLastChannel ? QColor(0xC0, 0, 0) : QColor(Qt::black));
            }
        }
        footer();
    }

private:
    double rowHeight() const { return 15 * unit_; }

    void text(const QString& line, const QFont& f, double width)
    {
        p_.setFont(f);
        p_.setPen(Qt::black);
        const QRectF box(area_.left(), y_, width, QFontMetricsF(f, &device_).height() * 1.3);
        p_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, line);
        y_ = box.bottom();
    }

    void sectionStart(const PatchSection& section, bool continued)
    {
        const QString count =
            section.rows.size() == 1
                ? i18n::translate("Cards", "1 fixture")
                : i18n::translate("Cards", "%1 fixtures").arg(section.rows.size());
        text(QString::fromStdString(section.heading) +
                 (continued ? i18n::translate("Cards", " (continued)")
                            : QStringLiteral(", ") + count),
             font(12, true), area_.width());
        QStringList headings;
        for (const Column& column : kColumns)
            headings << i18n::translate("Cards", column.heading);
        tableRow(headings, font(9, true));
        p_.setPen(QPen(Qt::black, 0.8 * unit_));
        p_.drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
    }

    // A line of the table; a cell too long for its column wraps, and the line grows with it.
    void tableRow(const QStringList& cells, const QFont& f, const QColor& colour = Qt::black)
    {
        p_.setFont(f);
        p_.setPen(colour);
        std::vector<QRectF> boxes;
        double height = rowHeight();
        double x = area_.left();
        for (std::size_t c = 0; c < std::size(kColumns); ++c) {
            const double width = kColumns[c].width * area_.width();
            boxes.emplace_back(x + 2 * unit_, y_, width - 4 * unit_, rowHeight());
            const QRectF needed =
                p_.boundingRect(QRectF(boxes.back().topLeft(), QSizeF(boxes.back().width(), 1e6)),
                                Qt::TextWordWrap, cells.value(qsizetype(c)));
            height = std::max(height, needed.height() + 4 * unit_);
            x += width;
        }
        for (std::size_t c = 0; c < boxes.size(); ++c) {
            boxes[c].setHeight(height);
            p_.drawText(boxes[c], kColumns[c].align | Qt::AlignVCenter | Qt::TextWordWrap,
                        cells.value(qsizetype(c)));
        }
        y_ += height;
        p_.setPen(QPen(Qt::lightGray, 0.4 * unit_));
        p_.drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
    }

    void footer()
    {
        p_.setFont(font(8));
        p_.setPen(Qt::black);
        p_.drawText(QRectF(area_.left(), area_.bottom() + 8 * unit_, area_.width(), 14 * unit_),
                    Qt::AlignRight | Qt::AlignVCenter,
                    i18n::translate("Cards", "%1, page %2")
                        .arg(QString::fromStdString(sheet_.title))
                        .arg(page_));
    }

    void newPage()
    {
        footer();
        device_.newPage();
        ++page_;
        y_ = area_.top();
    }

    QPagedPaintDevice& device_;
    QPainter p_;
    const PatchSheet& sheet_;
    double unit_;
    QRectF area_;
    double y_ = 0;
    int page_ = 1;
};

} // namespace

void paintPatchSheet(QPagedPaintDevice& device, const PatchSheet& sheet)
{
    SheetPainter(device, sheet).paint();
}

} // namespace velantra::cards
