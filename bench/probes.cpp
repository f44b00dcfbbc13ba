#include "bench/probes.h"

#include "app/application.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/resource.h>

namespace velantra::bench
{
namespace
{

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Quits as soon as the watched widget has painted for the first time.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        return false;
    }
};

const WindowId kAllWindows[] = {WindowId::Dip_DMX, WindowId::Dip_36,  WindowId::Dip_FLUO,
                                WindowId::Intell,  WindowId::dipDOR,  WindowId::Calc,
                                WindowId::Calc2,   WindowId::Easyrun, WindowId::Dat,
                                WindowId::Dat2,    WindowId::Dat3,    WindowId::Dat4};

void openEverything(WindowRegistry& registry, bool masterMode)
{
    for (WindowId id : kAllWindows) {
        QWidget* window = registry.Show(id);
        if (auto* master = window->findChild<QRadioButton*>(QStringLiteral("Option2"));
            master && masterMode)
            master->click();
    }
    QApplication::processEvents();
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

int runProbe(const QString& mode, int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool bare = mode.startsWith(u"bare-");
    if (!bare)
        setUpApplication(app);
    // The bare program builds nothing of ours.
    std::optional<WindowRegistry> registryStore;
    std::optional<Main> main;
    std::optional<QWidget> empty;
    if (bare) {
        empty.emplace();
    } else {
        registryStore.emplace();
        main.emplace(*registryStore);
    }
    QWidget& first = bare ? *empty : static_cast<QWidget&>(*main);

    if (mode.endsWith(u"start")) {
        FirstPaint watch(&first);
        first.show();
        return app.exec();
    }
    first.show();
    QApplication::processEvents();
    if (mode.endsWith(u"memory")) {
        if (!bare)
            openEverything(*registryStore, false);
        std::printf("%ld\n", peakResidentKilobytes());
        return 0;
    }
    if (mode.endsWith(u"idle")) {
        if (!bare)
            openEverything(*registryStore, true);
        const double seconds = qEnvironmentVariableIntValue("VELANTRA_BENCH_IDLE_SECONDS") > 0
                                   ? qEnvironmentVariableIntValue("VELANTRA_BENCH_IDLE_SECONDS")
                                   : 10.0;
        const double cpuBefore = cpuSeconds();
        QTimer::singleShot(int(seconds * 1000), &app, &QCoreApplication::quit);
        app.exec();
        std::printf("%.3f\n", 100.0 * (cpuSeconds() - cpuBefore) / seconds);
        return 0;
    }
    std::fprintf(stderr, "unknown probe %s\n", qPrintable(mode));
    return 2;
}

std::vector<Timing> inProcessTimings(int repetitions)
{
    std::vector<Timing> timings;
    WindowRegistry registry;
    Main main(registry);
    main.show();
    QElapsedTimer clock;
    const auto micros = [&] { return double(clock.nsecsElapsed()) / 1000.0; };

    // Floor for opening a window: an empty top-level widget, shown and painted.
    std::vector<double> emptyWindow;
    for (int i = 0; i < repetitions; ++i) {
        clock.start();
        auto* w = new QWidget;
        w->resize(600, 500);
        w->show();
        w->repaint();
        emptyWindow.push_back(micros());
        delete w;
    }
    for (WindowId id : kAllWindows) {
        Timing t{};
        for (int i = 0; i < repetitions; ++i) {
            clock.start();
            QWidget* window = registry.Show(id);
            window->repaint();
            t.ours.push_back(micros());
            t.what = QStringLiteral("open %1 (build, load, first paint)").arg(window->objectName());
            delete window;
        }
        t.floor = emptyWindow;
        t.floorWhat = QStringLiteral("empty window");
        timings.push_back(t);
    }

    // Floor for a keystroke: a bare line edit with nothing connected.
    QLineEdit bareEdit;
    bareEdit.show();
    std::vector<double> bareKey;
    for (int i = 0; i < repetitions; ++i) {
        bareEdit.setText(QStringLiteral("1"));
        clock.start();
        QTest::keyClick(&bareEdit, Qt::Key_0 + (i % 2 ? 2 : 5));
        bareKey.push_back(micros());
    }
    const auto keystroke = [&](WindowId id, const char* boxName, const char* what) {
        QWidget* window = registry.Show(id);
        auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(boxName));
        if (!box)
            return;
        Timing t{QString::fromLatin1(what), {}, bareKey, QStringLiteral("keystroke, bare box")};
        for (int i = 0; i < repetitions; ++i) {
            box->setText(QStringLiteral("1"));
            clock.start();
            QTest::keyClick(box, Qt::Key_0 + (i % 2 ? 2 : 5));
            t.ours.push_back(micros());
        }
        timings.push_back(t);
    };
    keystroke(WindowId::Dip_DMX, "Text1", "keystroke in the ORVO 75 address box");
    keystroke(WindowId::Calc, "Text1(5)", "keystroke in a power box (computation)");

    // A tick: the periodic pass of the power window and the master-mode tick.
    const auto tick = [&](WindowId id, const char* what, bool master) {
        QWidget* window = registry.Show(id);
        if (master)
            if (auto* button = window->findChild<QRadioButton*>(QStringLiteral("Option2")))
                button->click();
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        if (!timer)
            return;
        Timing t{
            QString::fromLatin1(what), {}, {}, QStringLiteral("a timer with nothing connected")};
        QTimer bare;
        for (int i = 0; i < repetitions; ++i) {
            clock.start();
            QMetaObject::invokeMethod(timer, "timeout");
            t.ours.push_back(micros());
            clock.start();
            QMetaObject::invokeMethod(&bare, "timeout");
            t.floor.push_back(micros());
        }
        timings.push_back(t);
    };
    tick(WindowId::Dip_DMX, "master-mode tick, ORVO 75", true);
    tick(WindowId::Calc, "periodic pass, ORVO power", false);
    registry.closeAll();
    return timings;
}

} // namespace velantra::bench
