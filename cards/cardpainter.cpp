#include "cards/cardpainter.h"

#include "i18n/language.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velantra::cards
{
namespace
{

constexpr double kMargin = 50;
constexpr double kBankScale = 1.2;    // page units per window pixel
constexpr double kRowLabelWidth = 34; // "OFF" / "ON" left of a bank
constexpr double kLeversOnGap = 16;   // between a bank and its "Levers ON" line
const QColor kBankBody(0xD4, 0xD0, 0xC8);
const QColor kOnRow(0xC8, 0xF0, 0xC8);
const QColor kWarning(0xC0, 0x00, 0x00);

QString qstr(const std::string& s)
{
    return QString::fromStdString(s);
}

QFont font(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Maps the A4 page onto `target`, centred, and returns the painter's state to restore.
void mapPage(QPainter& p, const QRectF& target)
{
    const double scale = std::min(target.width() / kPageWidth, target.height() / kPageHeight);
    p.translate(target.center().x() - kPageWidth * scale / 2, target.top());
    p.scale(scale, scale);
}

// Writes one line of text from the left margin at `y` and returns the y below it.
double line(QPainter& p, double y, const QString& text, const QFont& f, double width = 0)
{
    p.setFont(f);
    const double w = width > 0 ? width : kPageWidth - 2 * kMargin;
    const QRectF box(kMargin, y, w, 1000);
    const QRectF used = p.boundingRect(box, Qt::TextWordWrap, text);
    p.drawText(box, Qt::TextWordWrap, text);
    return y + used.height();
}

QRectF scaled(const PixelRect& r, const QPointF& origin, const PixelRect& body)
{
    return {origin.x() + (r.x - body.x) * kBankScale, origin.y() + (r.y - body.y) * kBankScale,
            r.width * kBankScale, r.height * kBankScale};
}

// One bank at `top`, its row captions on the left, lever numbers under the levers and the
// "Levers ON" line on its right. Returns the y below it.
double paintBank(QPainter& p, double top, const BankDrawing& bank)
{
    p.setPen(Qt::black);
    const double headingBottom = line(p, top, qstr(bank.name), font(10, true));
    const QPointF origin(kMargin + kRowLabelWidth, headingBottom + 4);
    const QRectF body = scaled(bank.body, origin, bank.body);
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(kBankBody);
    p.drawRect(body);
    if (bank.levers.empty())
        return body.bottom();
    // The ON row is shaded across the bank and named on the left, as on the device.
    const LeverDrawing& first = bank.levers.front();
    const QRectF upperRow = scaled(first.upper, origin, bank.body);
    const QRectF lowerRow = scaled(first.lower, origin, bank.body);
    const QRectF onRow = bank.onIsUpper ? upperRow : lowerRow;
    const QRectF offRow = bank.onIsUpper ? lowerRow : upperRow;
    const double rowHeight = (lowerRow.bottom() - upperRow.top()) / 2;
    const QRectF onBand(body.left(), onRow.center().y() - rowHeight / 2, body.width(), rowHeight);
    p.fillRect(onBand, kOnRow);
    p.setFont(font(10, true));
    p.drawText(QRectF(kMargin, onRow.center().y() - 8, kRowLabelWidth - 4, 16),
               Qt::AlignRight | Qt::AlignVCenter, i18n::translate("Cards", "ON"));
    p.setFont(font(10));
    p.drawText(QRectF(kMargin, offRow.center().y() - 8, kRowLabelWidth - 4, 16),
               Qt::AlignRight | Qt::AlignVCenter, i18n::translate("Cards", "OFF"));
    double numbersBottom = body.bottom();
    for (std::size_t k = 0; k < bank.levers.size(); ++k) {
        const LeverDrawing& lever = bank.levers[k];
        const QRectF upper = scaled(lever.upper, origin, bank.body);
        const QRectF lower = scaled(lever.lower, origin, bank.body);
        // The slot the lever moves in, then the lever where it is set.
        p.setPen(QPen(Qt::black, 0.5));
        p.setBrush(Qt::white);
        p.drawRect(upper.united(lower));
        const bool atUpper = lever.on == bank.onIsUpper;
        p.fillRect(atUpper ? upper : lower, Qt::black);
        p.setPen(Qt::black);
        p.setFont(font(8));
        const QRectF number(upper.center().x() - 10, body.bottom() + 2, 20, 11);
        p.drawText(number, Qt::AlignCenter, QString::number(k + 1));
        numbersBottom = number.bottom();
    }
    p.setPen(Qt::black);
    p.setFont(font(12, true));
    const double textLeft = body.right() + kLeversOnGap;
    const QRectF beside(textLeft, body.top(), kPageWidth - kMargin - textLeft, body.height());
    p.drawText(beside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               qstr(leversOnText(bank)));
    return numbersBottom;
}

double rule(QPainter& p, double y)
{
    p.setPen(QPen(Qt::gray, 0.6));
    p.drawLine(QPointF(kMargin, y + 6), QPointF(kPageWidth - kMargin, y + 6));
    p.setPen(Qt::black);
    return y + 14;
}

} // namespace

namespace
{

// The heading of a card or report: the device, the label (what the installer wrote, or a line to
// write on), the date, and a rule below. Returns the y below it.
double heading(QPainter& p, const std::string& device, const std::string& labelText,
               const std::string& date, const std::string& origin = {})
{
    const double y = line(p, kMargin, qstr(device), font(20, true)) + 6;
    const QString label = qstr(labelLine(labelText));
    const double labelBottom = line(p, y, label, font(13));
    if (labelText.empty()) {
        const double after = kMargin + QFontMetricsF(font(13)).horizontalAdvance(label) + 6;
        p.setPen(QPen(Qt::black, 0.6));
        p.drawLine(QPointF(after, labelBottom - 3), QPointF(kPageWidth - kMargin, labelBottom - 3));
        p.setPen(Qt::black);
    }
    const double originBottom =
        origin.empty() ? labelBottom : line(p, labelBottom + 2, qstr(origin), font(11));
    return rule(
        p, line(p, originBottom + 2, i18n::translate("Cards", "Date: ") + qstr(date), font(11)));
}

} // namespace

double paintCard(QPainter& p, const QRectF& page, const SettingCard& card)
{
    p.save();
    mapPage(p, page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    double y = heading(p, card.device, card.label, card.date, card.origin);
    y = line(p, y, i18n::translate("Cards", "Mode: ") + qstr(card.mode), font(14)) + 2;
    if (!card.master) {
        const QString address =
            card.address ? QString::number(*card.address) : i18n::translate("Cards", "none");
        y = line(p, y, i18n::translate("Cards", "DMX address: ") + address, font(24, true)) + 2;
    }
    if (const std::optional<std::string> block = blockLine(card))
        y = line(p, y, qstr(*block), font(14)) + 2;
    if (const std::optional<std::string> warning = blockWarning(card)) {
        p.setPen(kWarning);
        y = line(p, y, qstr(*warning), font(14, true)) + 2;
        p.setPen(Qt::black);
    }
    QStringList options;
    for (const std::string& option : card.options)
        options << qstr(option);
    const QString optionText =
        options.isEmpty() ? i18n::translate("Cards", "none") : options.join(u", ");
    y = line(p, y, i18n::translate("Cards", "Options: ") + optionText, font(13));
    y = rule(p, y);
    for (const BankDrawing& bank : card.banks)
        y = paintBank(p, y + 4, bank) + 14;
    p.restore();
    return y;
}

double paintReport(QPainter& p, const QRectF& page, const PowerReport& report)
{
    p.save();
    mapPage(p, page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    double y = heading(p, report.device, report.label, report.date);
    const std::vector<std::string> lines = reportLines(report);
    // The device, label and date lines are the heading's.
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const QString text = qstr(lines[i]);
        const bool indented = text.startsWith(u"  ");
        // The report's own line of an exceeded limit, in the language of the run.
        const QString exceeded = i18n::translate("Cards", "Limit exceeded: %1");
        const bool warning = text.startsWith(exceeded.left(exceeded.indexOf(u"%1")));
        const bool heading = !indented && !warning;
        p.setPen(warning ? kWarning : QColor(Qt::black));
        const double left = indented ? 24 : 0;
        p.save();
        p.translate(left, 0);
        y = line(p, y + (heading ? 4 : 0), text.trimmed(), font(12, heading || warning),
                 kPageWidth - 2 * kMargin - left);
        p.restore();
    }
    p.restore();
    return y;
}

} // namespace velantra::cards
