// The in-process timings: opening each window, a keystroke, a tick, reading a huge paste; each
// beside its floor.
#include "app/mainwindow.h"
#include "bench/firstpaint.h"
#include "bench/probes.h"
#include "dip/readleadingnumber.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace velantra::bench
{
namespace
{

class Clock
{
public:
    void start() { clock_.start(); }
    double micros() const { return double(clock_.nsecsElapsed()) / 1000.0; }

private:
    QElapsedTimer clock_;
};

// Opening a window through the registry: build, Form_Load, show, first paint. The floor is an
// empty top-level window of the same size, shown and painted the same way.
Timing windowOpening(WindowRegistry& registry, const Main& main, WindowId id, int repetitions)
{
    Clock clock;
    Timing t{};
    QSize size;
    for (int i = 0; i < repetitions; ++i) {
        clock.start();
        QWidget* window = nullptr;
        if (!showAndWaitForPaint([&] { window = registry.Show(id); }, &main))
            qFatal("%s did not paint", qPrintable(window->objectName()));
        t.ours.push_back(clock.micros());
        t.what = QStringLiteral("open %1 (build, load, first paint)").arg(window->objectName());
        size = window->size();
        delete window;
    }
    for (int i = 0; i < repetitions; ++i) {
        clock.start();
        auto empty = std::make_unique<QWidget>();
        empty->resize(size);
        if (!showAndWaitForPaint([&] { empty->show(); }, &main))
            qFatal("an empty window did not paint");
        t.floor.push_back(clock.micros());
    }
    t.floorWhat = QStringLiteral("empty window %1×%2").arg(size.width()).arg(size.height());
    return t;
}

// One key typed at the end of `before`, alternating between two digits.
std::vector<double> keystrokes(QLineEdit* box, const QString& before, int repetitions)
{
    Clock clock;
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        box->setText(before);
        clock.start();
        QTest::keyClick(box, Qt::Key(Qt::Key_1 + i % 2));
        times.push_back(clock.micros());
    }
    return times;
}

} // namespace

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::vector<Timing> inProcessTimings(int repetitions)
{
    std::vector<Timing> timings;
    WindowRegistry registry;
    Main main(registry);
    showAndWaitForPaint([&] { main.show(); });
    for (const WindowEntry& entry : kWindows)
        timings.push_back(windowOpening(registry, main, entry.id, repetitions));

    // A keystroke runs the window's change procedure to its end: levers set, or totals shown.
    QLineEdit bareBox;
    bareBox.show();
    const std::vector<double> bareKeys = keystrokes(&bareBox, QStringLiteral("3"), repetitions);
    const auto keystroke = [&](WindowId id, const char* boxName, const char* before,
                               const char* what) {
        auto* box = registry.Show(id)->findChild<QLineEdit*>(QString::fromLatin1(boxName));
        if (!box)
            qFatal("no box %s", boxName);
        // Small counts in power boxes, so that no limit is reached and no warning box waits.
        timings.push_back({QString::fromLatin1(what),
                           keystrokes(box, QString::fromLatin1(before), repetitions), bareKeys,
                           QStringLiteral("keystroke in a box with nothing connected")});
    };
    keystroke(WindowId::Dip_DMX, "Text1", "3", "keystroke in the ORVO 75 address box, to levers");
    keystroke(WindowId::dipDOR, "Text1", "3", "keystroke in the DOR address box, to levers");
    keystroke(WindowId::Calc, "Text3(1)", "", "keystroke in an ORVO power box, to totals");
    keystroke(WindowId::Calc2, "Text1(1)", "", "keystroke in an ORVO 36 power box, to totals");

    // A tick: the master-mode pass of a configurator and the periodic pass of a power window.
    const auto tick = [&](WindowId id, const char* what, bool master) {
        QWidget* window = registry.Show(id);
        if (master)
            if (auto* button = window->findChild<QRadioButton*>(QStringLiteral("Option2")))
                button->click();
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        if (!timer)
            qFatal("no timer in %s", qPrintable(window->objectName()));
        Timing t{
            QString::fromLatin1(what), {}, {}, QStringLiteral("a timer with nothing connected")};
        QTimer bare;
        Clock clock;
        for (int i = 0; i < repetitions; ++i) {
            clock.start();
            QMetaObject::invokeMethod(timer, "timeout");
            t.ours.push_back(clock.micros());
            clock.start();
            QMetaObject::invokeMethod(&bare, "timeout");
            t.floor.push_back(clock.micros());
        }
        timings.push_back(t);
    };
    tick(WindowId::Dip_DMX, "master-mode tick, ORVO 75", true);
    tick(WindowId::Intell, "master-mode tick, intelligent fixture", true);
    tick(WindowId::Calc, "periodic pass, ORVO power", false);
    tick(WindowId::Calc2, "periodic pass, ORVO 36 power", false);
    registry.closeAll();

    // The worst text a user can paste into an address box: a megabyte of digits, read to its
    // end. The floor is the C library's reader on the same text.
    const std::string digits(1 << 20, '7');
    Timing reading{QStringLiteral("reading a pasted megabyte of digits"),
                   {},
                   {},
                   QStringLiteral("std::strtod on the same text")};
    for (int i = 0; i < repetitions; ++i) {
        Clock clock;
        clock.start();
        const double ours = ReadLeadingNumber(std::string_view(digits));
        reading.ours.push_back(clock.micros());
        clock.start();
        const double floor = std::strtod(digits.c_str(), nullptr);
        reading.floor.push_back(clock.micros());
        if (ours != floor)
            qFatal("a megabyte of digits read as %g, the C library reads %g", ours, floor);
    }
    timings.push_back(reading);
    for (Timing& t : planTimings(std::min(repetitions, 10)))
        timings.push_back(std::move(t));
    return timings;
}

} // namespace velantra::bench
