#include "tests/soak/powerinvariants.h"

#include "dip/readleadingnumber.h"
#include "power/fixturepowertable.h"
#include "power/numbertext.h"
#include "power/powerwindow.h"
#include "ui/colours.h"
#include "ui/qstr.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <cfenv>
#include <cmath>

namespace velantra::test
{
namespace
{

using power::kRows;

constexpr int kColumns = 4; // CC #1, CC #2, CV #1, CV #2
const char* const kLatchedBoxes[] = {"Text57", "Text58", "Text63"};
const char* const kCurrents[] = {"350", "700", "1000"};

QLineEdit* input(const QWidget* w, int column, int row)
{
    return child<QLineEdit>(w, QStringLiteral("Text%1(%2)").arg(column + 1).arg(row));
}

QString shown(const QWidget* w, const char* box)
{
    return child<QLineEdit>(w, QLatin1String(box))->text();
}

QColor colour(const QWidget* w, ui::Colour c)
{
    return ui::toQColor(c, w->palette());
}

// The figures that the counts shown give, worked out from the fixture data alone.
struct Figures {
    std::array<qint64, 2> leds{};
    std::array<double, kColumns> power{};
    double total = 0;
    QString failure;
};

// The count a box stands for: the number at its start, to the nearest integer with halves to
// the even neighbour (the default rounding of the floating-point environment).
Figures figuresOf(const PowerLook& look, const power::PowerVariant& variant)
{
    Figures f;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row) {
            const QString& text = look.inputs[column * kRows + row - 1];
            if (text.isEmpty())
                continue;
            const double v = ReadLeadingNumber(std::u16string_view(
                reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
            const double count = std::nearbyint(v);
            if (v == 0 || !(count >= -32768 && count <= 32767)) {
                f.failure = QStringLiteral("Text%1(%2) keeps \"%3\", which reads as %4")
                                .arg(column + 1)
                                .arg(row)
                                .arg(text.left(30))
                                .arg(v);
                return f;
            }
            if (column < 2) {
                f.leds[std::size_t(column)] += qint64(count) * variant.table.ledsPerColour[row - 1];
                f.power[std::size_t(column)] += count * variant.table.wattsCC[row - 1];
            } else {
                f.power[std::size_t(column)] += count * variant.table.wattsCV[row - 1];
            }
        }
        if (look.average)
            f.power[std::size_t(column)] =
                std::floor(f.power[std::size_t(column)] / 3 * 2 * 10) / 10;
    }
    f.total = f.power[1] + f.power[0] + f.power[2] + f.power[3];
    return f;
}

QString checkFigures(QWidget* w, const Figures& f)
{
    const QString point = QLocale().decimalPoint();
    const char16_t separator = point.isEmpty() ? u'.' : point.front().unicode();
    const auto text = [&](double watts) {
        return QString::fromStdU16String(power::PowerText(watts, separator));
    };
    const std::pair<const char*, QString> expected[] = {
        {"Text57", QString::number(f.leds[0])},
        {"Text58", QString::number(f.leds[1])},
        {"Text59", text(f.power[0])},
        {"Text60", text(f.power[1])},
        {"Text62", text(f.power[2])},
        {"Text61", text(f.power[3])},
        {"Text63", text(f.total)},
    };
    for (const auto& [box, figure] : expected) {
        if (shown(w, box) != figure)
            return QStringLiteral("%1 shows %2 where the counts give %3")
                .arg(QLatin1String(box), shown(w, box), figure);
    }
    return {};
}

// The rows that a CC output's current leaves usable: 350 mA rows 1–13, 700 mA row 14, 1000 mA
// none. A blocked row is empty, disabled and grey after every tick.
QString checkCurrentRule(QWidget* w, int column, int current)
{
    for (int row = 1; row <= kRows; ++row) {
        const bool usable = current == 0 ? row < kRows : current == 1 && row == kRows;
        QLineEdit* box = input(w, column, row);
        const QColor look = colour(w, usable ? ui::kWindowBackground : ui::kGrey);
        if (box->isEnabled() != usable || ui::background(box) != look ||
            (!usable && !box->text().isEmpty()))
            return QStringLiteral("after a tick with %1 mA, %2 is %3, %4 and holds \"%5\"")
                .arg(QLatin1String(kCurrents[current]), box->objectName(),
                     box->isEnabled() ? "enabled" : "disabled", ui::background(box).name(),
                     box->text().left(30));
    }
    return {};
}

int selectedCurrent(QWidget* w, int cc, QString& failure)
{
    int selected = -1;
    for (int c = 0; c < 3; ++c) {
        const QString name = QStringLiteral("CC%1_%2").arg(cc).arg(QLatin1String(kCurrents[c]));
        if (child<QAbstractButton>(w, name)->isChecked()) {
            if (selected >= 0)
                failure = QStringLiteral("two currents selected for CC #%1").arg(cc);
            selected = c;
        }
    }
    if (selected < 0)
        failure = QStringLiteral("no current selected for CC #%1").arg(cc);
    return selected;
}

bool columnsChanged(const PowerLook& before, const PowerLook& after, int first, int last)
{
    for (int i = first * kRows; i < (last + 1) * kRows; ++i) {
        if (before.inputs[i] != after.inputs[i])
            return true;
    }
    return false;
}

// A box over its limit was reported and is latched: every computation makes it red and every
// tick turns it from white to red or from red to white. Within the limit it is white and still.
QString checkLatched(QWidget* w, int which, bool over, const PowerLook& now,
                     const PowerLook* before, bool computed, const Action& done)
{
    const QColor red = colour(w, ui::kRed);
    const QColor white = colour(w, ui::kWhite);
    const QColor c = now.latched[std::size_t(which)];
    const auto failure = [&](const char* why) {
        return QStringLiteral("%1 is %2 %3")
            .arg(QLatin1String(kLatchedBoxes[which]), c.name(), QLatin1String(why));
    };
    if (c != red && c != white)
        return failure("(neither red nor white)");
    if (!over)
        return c == white ? QString() : failure("while within its limit");
    if (!before || done.window != w)
        return {};
    const QColor was = before->latched[std::size_t(which)];
    if (computed && c != red)
        return failure("after a computation over the limit");
    if (!computed && done.ticked && c == was)
        return failure("after a tick over the limit, as before it (no blink)");
    if (!computed && !done.ticked && c != was && c != red)
        return failure("over the limit, turned white with no tick");
    return {};
}

} // namespace

bool isPowerWindow(const QWidget* window)
{
    return qobject_cast<const power::PowerWindow*>(window);
}

PowerLook lookOf(const QWidget* window)
{
    PowerLook look;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row)
            look.inputs << input(window, column, row)->text();
    }
    for (std::size_t i = 0; i < 3; ++i)
        look.latched[i] = ui::background(child<QLineEdit>(window, QLatin1String(kLatchedBoxes[i])));
    look.average = child<QAbstractButton>(window, QStringLiteral("Option2"))->isChecked();
    return look;
}

QString checkPowerWindow(QWidget* w, const PowerLook* before, const Action& done)
{
    const power::PowerVariant& variant = qobject_cast<power::PowerWindow*>(w)->budget().variant();
    const PowerLook now = lookOf(w);

    const bool nominal = child<QAbstractButton>(w, QStringLiteral("Option1"))->isChecked();
    if (nominal == now.average)
        return QStringLiteral("%1 mode options selected").arg(nominal ? "both" : "neither");
    const QString caption = child<QLabel>(w, QStringLiteral("Label39"))->text();
    if (caption != (now.average ? u"Total average power" : u"Total nominal power"))
        return QStringLiteral("\"%1\" names the total in %2 mode")
            .arg(caption, now.average ? "average" : "nominal");

    const Figures f = figuresOf(now, variant);
    QString failure = f.failure.isEmpty() ? checkFigures(w, f) : f.failure;

    const bool modeChanged = before && before->average != now.average;
    const bool over[] = {f.leds[0] > variant.ledLimit, f.leds[1] > variant.ledLimit,
                         f.total > variant.powerLimit};
    const bool computed[] = {before && (modeChanged || columnsChanged(*before, now, 0, 0)),
                             before && (modeChanged || columnsChanged(*before, now, 1, 1)),
                             before && (modeChanged || columnsChanged(*before, now, 0, 3))};
    for (int i = 0; i < 3 && failure.isEmpty(); ++i)
        failure = checkLatched(w, i, over[i], now, before, computed[i], done);

    // An action that takes a figure over its limit shows the warning, at least once.
    if (before && done.window == w && failure.isEmpty()) {
        const Figures was = figuresOf(*before, variant);
        const bool overBefore[] = {was.leds[0] > variant.ledLimit, was.leds[1] > variant.ledLimit,
                                   was.total > variant.powerLimit};
        const std::string_view messages[] = {variant.ledMessageCC1, variant.ledMessageCC2,
                                             variant.totalMessage};
        const double from[] = {double(was.leds[0]), double(was.leds[1]), was.total};
        for (int i = 0; i < 3 && failure.isEmpty(); ++i) {
            const QString message = qstr(messages[i]);
            if (over[i] && !overBefore[i] && !done.messages.contains(message))
                failure = QStringLiteral("%1 went over its limit, from %2 to %3, with the "
                                         "warnings \"%4\"")
                              .arg(QLatin1String(kLatchedBoxes[i]))
                              .arg(from[i])
                              .arg(shown(w, kLatchedBoxes[i]), done.messages.join(u'|'));
        }
    }

    // Nothing but the program empties or fills a disabled box, and it only empties them.
    for (int column = 0; column < kColumns && failure.isEmpty(); ++column) {
        for (int row = 1; row <= kRows; ++row) {
            QLineEdit* box = input(w, column, row);
            if (!box->isEnabled() && !box->text().isEmpty())
                failure = QStringLiteral("%1 is disabled and holds \"%2\"")
                              .arg(box->objectName(), box->text().left(30));
        }
    }
    for (int cc = 1; cc <= 2 && failure.isEmpty(); ++cc) {
        const int current = selectedCurrent(w, cc, failure);
        const bool ruled = cc == 1 || variant.currentRulesCC2;
        if (failure.isEmpty() && ruled && done.ticked && done.window == w)
            failure = checkCurrentRule(w, cc - 1, current);
        for (int row = 1; row <= kRows && failure.isEmpty() && !ruled; ++row) {
            if (input(w, cc - 1, row)->isEnabled())
                failure = QStringLiteral("CC #%1 takes no counts, but row %2 is enabled")
                              .arg(cc)
                              .arg(row);
        }
    }
    return failure.isEmpty() ? QString() : w->objectName() + QStringLiteral(": ") + failure;
}

} // namespace velantra::test
