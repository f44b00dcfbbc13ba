// The probes that need a process of their own: start-up, peak memory and idle CPU.
#include "app/application.h"
#include "app/mainwindow.h"
#include "bench/firstpaint.h"
#include "bench/probes.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <cstdio>
#include <memory>
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

// Runs the event loop for a while. Not through QCoreApplication::quit, which closes every
// window (and ours delete themselves on close).
void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

long peakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What the process holds now, once its windows have settled: counted page by page (Linux), where
// the kernel's running totals behind getrusage may lag by a few hundred kB.
long residentKilobytes()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = rollup.readLine(); !line.isEmpty(); line = rollup.readLine()) {
        if (line.startsWith("Rss:"))
            return line.mid(4).simplified().split(' ').value(0).toLong();
    }
    return 0;
}

// With VELANTRA_BENCH_SMAPS set, the process's map of memory goes to that file, for finding where
// the memory goes mapping by mapping beside the floor's.
void saveMemoryMap()
{
    const QString path = qEnvironmentVariable("VELANTRA_BENCH_SMAPS");
    if (path.isEmpty())
        return;
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QFile out(path);
    if (smaps.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(smaps.readAll());
}

// Opens the windows through the registry one after another, as the menu does, each painted
// before the next is opened, and waits until all have settled and, in master mode, until the
// first tick has set the levers of the selections: what follows is the steady state.
void openEverything(WindowRegistry& registry, bool masterMode, bool specifiedOnly)
{
    for (const WindowEntry& entry : kWindows) {
        if (specifiedOnly && isJobTool(entry.kind))
            continue;
        QWidget* window = nullptr;
        showAndWaitForPaint([&] { window = registry.Show(entry.id); });
        if (auto* master = window->findChild<QRadioButton*>(QStringLiteral("Option2"));
            master && masterMode)
            master->click();
    }
    runEventsFor(masterMode ? 1500 : 500);
}

int idle()
{
    const int seconds = qEnvironmentVariableIntValue("VELANTRA_BENCH_IDLE_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("VELANTRA_BENCH_IDLE_SECONDS")
                            : 10;
    PaintCounter paints;
    const double cpuBefore = cpuSeconds();
    runEventsFor(seconds * 1000);
    std::printf("%.3f %ld\n", 100.0 * (cpuSeconds() - cpuBefore) / seconds, paints.count);
    return 0;
}

// The floors: Qt programs with the same start-up and none of our code. "bare" shows one empty
// window; "text" windows also show a line of text, so that they pay for the fonts as any
// program with a caption does.
int bareProbe(const QString& mode, const QStringList& arguments)
{
    const bool withText = mode.startsWith(u"text-");
    const auto window = [&](QSize size) {
        auto widget = std::make_unique<QWidget>();
        widget->resize(size);
        if (withText)
            new QLabel(QStringLiteral("Text in the window"), widget.get());
        return widget;
    };
    std::vector<std::unique_ptr<QWidget>> windows;
    if (mode.endsWith(u"-start")) {
        windows.push_back(window({200, 100}));
        return showAndWaitForPaint([&] { windows.back()->show(); }) ? 0 : 1;
    }
    if (mode.endsWith(u"windows-memory")) {
        // One window for each size given, each its own top level like ours.
        for (qsizetype i = 0; i + 1 < arguments.size(); i += 2)
            windows.push_back(window({arguments[i].toInt(), arguments[i + 1].toInt()}));
    } else {
        windows.push_back(window({200, 100}));
    }
    for (const auto& w : windows)
        w->show();
    runEventsFor(200);
    if (mode.endsWith(u"-idle"))
        return idle();
    const long settled = residentKilobytes();
    saveMemoryMap();
    std::printf("%ld %ld\n", peakResidentKilobytes(), settled);
    return 0;
}

} // namespace

int runProbe(const QString& mode, const QStringList& arguments, int argc, char** argv)
{
    QApplication app(argc, argv);
    if (mode.startsWith(u"bare-") || mode.startsWith(u"text-"))
        return bareProbe(mode, arguments);

    setUpApplication(app);
    WindowRegistry registry;
    Main main(registry);
    if (mode == u"start")
        return showAndWaitForPaint([&] { main.show(); }) ? 0 : 1;
    main.show();
    const bool specifiedOnly = mode == u"memory-specified";
    openEverything(registry, mode == u"idle", specifiedOnly);
    if (mode == u"idle")
        return idle();
    if (mode != u"memory" && !specifiedOnly) {
        std::fprintf(stderr, "unknown probe %s\n", qPrintable(mode));
        return 2;
    }
    const long settled = residentKilobytes();
    saveMemoryMap();
    std::printf("%ld %ld", peakResidentKilobytes(), settled);
    std::printf(" %d %d", main.width(), main.height());
    for (const WindowEntry& entry : kWindows) {
        if (const QWidget* window = registry.window(entry.id))
            std::printf(" %d %d", window->width(), window->height());
    }
    std::printf("\n");
    return 0;
}

} // namespace velantra::bench
