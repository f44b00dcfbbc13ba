#include "tests/soak/invariants.h"

#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"
#include "ui/colours.h"
#include "ui/shape.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace velantra::test
{
namespace
{

enum class MasterLevers { SpeedsAndShows, Tunes };

// How a configurator shows its levers, read from what it shows: the row beside the caption "ON",
// and a frame of speeds or not.
struct Configurator {
    bool onIsLower;
    MasterLevers master;
};

Configurator configuratorOf(const QWidget* w)
{
    const auto top = [w](const QString& caption) {
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text() == caption)
                return label->y();
        }
        return -1;
    };
    const auto* frame2 = w->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    const bool speeds = frame2 && frame2->title() == u"Speeds";
    return {top(QStringLiteral("ON")) > top(QStringLiteral("OFF")),
            speeds ? MasterLevers::SpeedsAndShows : MasterLevers::Tunes};
}

QString describe(QWidget* window)
{
    QStringList parts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString state =
            w->objectName() + (w->isEnabled() ? u'+' : u'-') + (w->isHidden() ? u'h' : u'v');
        if (auto* box = qobject_cast<QLineEdit*>(w))
            state += u'=' + box->text() + u'/' + ui::background(box).name();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            state += button->isChecked() ? u'*' : u'.';
        parts << state;
    }
    return parts.join(u' ');
}

// The twelve levers of the 12-lever bank, as shown; fails when a lever shows both or neither.
QString readLevers(QWidget* w, bool onIsLower, bool fourBank, std::array<bool, 13>& on)
{
    const int count = fourBank ? 4 : 12;
    for (int k = 1; k <= count; ++k) {
        const LeverLook look = lever(w, k, fourBank);
        if (look.upper == look.lower)
            return QStringLiteral("%1 lever %2 of the %3-lever bank shows %4 rectangles")
                .arg(w->objectName())
                .arg(k)
                .arg(count)
                .arg(look.upper ? "both" : "neither");
        on[std::size_t(k)] = onIsLower ? look.lower : look.upper;
    }
    return {};
}

QString checkConfigurator(QWidget* w, const Configurator& c, const Action& done)
{
    std::array<bool, 13> on{};
    std::array<bool, 13> on4{};
    QString failure = readLevers(w, c.onIsLower, false, on);
    if (failure.isEmpty() && w->findChild<QWidget*>(QStringLiteral("Shape26")))
        failure = readLevers(w, c.onIsLower, true, on4);
    if (!failure.isEmpty())
        return failure;

    const bool dmxMode = child<QAbstractButton>(w, "Option1")->isChecked();
    const bool timerRuns = child<QTimer>(w, "Timer1")->isActive();
    if (dmxMode == timerRuns)
        return QStringLiteral("%1: timer %2 in %3 mode")
            .arg(w->objectName(), timerRuns ? "runs" : "stopped", dmxMode ? "DMX" : "master");

    if (dmxMode) {
        const QString text = child<QLineEdit>(w, "Text1")->text();
        const double n = ReadLeadingNumber(std::u16string_view(
            reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
        const bool valid = IsValidDmxAddress(n);
        const std::uint32_t bits = valid ? DmxAddressEncoder(n) : 0;
        for (int k = 1; k <= 9; ++k) {
            if (on[std::size_t(k)] != bool(bits & (1u << (k - 1))))
                return QStringLiteral("%1: address text \"%2\" but lever %3 is %4")
                    .arg(w->objectName(), text.left(40))
                    .arg(k)
                    .arg(on[std::size_t(k)] ? "ON" : "OFF");
        }
        const bool errorShown = !child<QLabel>(w, "Label7")->isHidden();
        if (errorShown == valid || (!valid && !text.isEmpty()))
            return QStringLiteral("%1: address text \"%2\" with the error label %3")
                .arg(w->objectName(), text.left(40), errorShown ? "shown" : "hidden");
        return {};
    }

    if (!done.ticked || done.window != w)
        return {};
    // Master mode right after a tick: the levers show the selections.
    std::array<bool, 13> expected{};
    const auto selected = [&](int option) {
        return child<QAbstractButton>(w, QStringLiteral("Option%1").arg(option))->isChecked();
    };
    if (c.master == MasterLevers::Tunes) {
        for (int tune = 1; tune <= 9; ++tune)
            expected[std::size_t(tune)] = selected(8 + tune);
    } else {
        for (int speed = 1; speed <= 4; ++speed)
            expected[std::size_t(speed)] = selected(3 + speed);
        int show = 0;
        const int shows[] = {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25};
        for (int s = 0; s < 16; ++s) {
            if (selected(shows[s])) {
                show = s;
                break;
            }
        }
        for (int bit = 0; bit < 4; ++bit)
            expected[std::size_t(5 + bit)] = show & (1 << bit);
    }
    for (int k = 1; k <= 9; ++k) {
        if (on[std::size_t(k)] != expected[std::size_t(k)])
            return QStringLiteral("%1: after a tick in master mode lever %2 is %3")
                .arg(w->objectName())
                .arg(k)
                .arg(on[std::size_t(k)] ? "ON" : "OFF");
    }
    return {};
}

} // namespace

Snapshot snapshotAll(const WindowRegistry& registry)
{
    Snapshot snapshot;
    for (int id = 0; id < kWindowCount; ++id) {
        QWidget* w = registry.window(WindowId(id));
        if (!w)
            continue;
        snapshot.described.insert(w, describe(w));
        if (isPowerWindow(w))
            snapshot.power.insert(w, lookOf(w));
    }
    return snapshot;
}

QString checkInvariants(const WindowRegistry& registry, const Snapshot& before, const Action& done)
{
    for (int id = 0; id < kWindowCount; ++id) {
        QWidget* w = registry.window(WindowId(id));
        if (!w)
            continue;
        if (entryOf(WindowId(id)).kind == WindowKind::Configurator) {
            const QString failure = checkConfigurator(w, configuratorOf(w), done);
            if (!failure.isEmpty())
                return failure;
        }
        if (isPowerWindow(w)) {
            const auto was = before.power.constFind(w);
            const QString failure =
                checkPowerWindow(w, was == before.power.cend() ? nullptr : &*was, done);
            if (!failure.isEmpty())
                return failure;
        }
        // No window changes another. Inside a warning box's event loop every window's own
        // timer may tick, so the comparison holds only for actions that showed no box.
        if (w != done.window && done.messageBoxes == 0 && before.described.contains(w) &&
            before.described.value(w) != describe(w))
            return QStringLiteral("%1 changed by an action in another window").arg(w->objectName());
    }
    return {};
}

} // namespace velantra::test
