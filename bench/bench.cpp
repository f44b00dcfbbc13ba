// The benchmark: medians over repeated runs, each beside its floor measured in the same run.
//   velantra-bench [repetitions]      prints a Markdown table
//   velantra-bench --plan [repetitions]   the rig plan's timings alone
// Run it under xvfb-run for real painting (make bench), or with QT_QPA_PLATFORM=offscreen.
#include "app/application.h"
#include "bench/probes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

using namespace velantra::bench;

namespace
{

struct ProbeResult {
    double wallMilliseconds = 0;
    QStringList printed; // the numbers the probe printed
};

// Runs this program as a probe; a probe that fails ends the benchmark.
ProbeResult probe(const QString& self, const QString& mode, const QStringList& arguments = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(self, QStringList{QStringLiteral("--probe"), mode} + arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qFatal("probe %s failed", qPrintable(mode));
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    return {elapsed, QString::fromLatin1(process.readAllStandardOutput()).simplified().split(u' ')};
}

void row(const QString& what, double ours, double floor, const QString& unit,
         const QString& floorWhat)
{
    // No ratio to a floor of nothing (no paint at all): "0.00×" would read as a result.
    const QString ratio = floor > 0 ? QString::asprintf("%.2f×", ours / floor) : QString();
    std::printf("| %s | %.3g %s | %.3g %s (%s) | %s |\n", qPrintable(what), ours, qPrintable(unit),
                floor, qPrintable(unit), qPrintable(floorWhat), qPrintable(ratio));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--probe") {
        QStringList arguments;
        for (int i = 3; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        return runProbe(QString::fromLatin1(argv[2]), arguments, argc, argv);
    }

    // --plan [repetitions]: the rig plan's timings alone.
    if (argc >= 2 && QByteArray(argv[1]) == "--plan") {
        QApplication app(argc, argv);
        velantra::setUpApplication(app);
        std::printf("| measurement | ours | floor | ratio |\n|---|---|---|---|\n");
        for (const Timing& t : planTimings(argc >= 3 ? std::max(1, std::atoi(argv[2])) : 5))
            row(t.what, median(t.ours) / 1000.0, median(t.floor) / 1000.0, QStringLiteral("ms"),
                t.floorWhat);
        return 0;
    }
    const int repetitions = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 30;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::printf("| measurement | ours (median of %d) | floor | ratio |\n|---|---|---|---|\n",
                repetitions);

    // Start-up, ours and the floors taken in turn, so that a machine growing busier or quieter
    // over the run weighs on all three alike.
    std::vector<double> start, bareStart, textStart;
    for (int i = 0; i < repetitions; ++i) {
        start.push_back(probe(self, QStringLiteral("start")).wallMilliseconds);
        bareStart.push_back(probe(self, QStringLiteral("bare-start")).wallMilliseconds);
        textStart.push_back(probe(self, QStringLiteral("text-start")).wallMilliseconds);
    }
    const QString startWhat = QStringLiteral("process start until Main has painted");
    row(startWhat, median(start), median(bareStart), QStringLiteral("ms"),
        QStringLiteral("bare Qt program, one empty window"));
    row(startWhat, median(start), median(textStart), QStringLiteral("ms"),
        QStringLiteral("bare Qt program, one window with a line of text"));

    // Memory: beside the bare program, and beside windows of our windows' sizes showing a line
    // of text each: what the window system's buffers and the fonts alone cost. Ours and the
    // floors are taken in turn. First Main and every window of the catalogue, then only the
    // specified ones; the probe prints the peak and what it holds once settled, then one size
    // per window it opened.
    constexpr int kMemoryRuns = 5;
    const auto megabytes = [](const ProbeResult& result, int field) {
        return result.printed.value(field).toDouble() / 1024.0;
    };
    for (const char* mode : {"memory", "memory-specified"}) {
        std::vector<double> peak, settled, bare, textPeak, textSettled;
        QStringList sizes;
        for (int i = 0; i < kMemoryRuns; ++i) {
            const ProbeResult ours = probe(self, QLatin1String(mode));
            sizes = ours.printed.mid(2);
            peak.push_back(megabytes(ours, 0));
            settled.push_back(megabytes(ours, 1));
            bare.push_back(megabytes(probe(self, QStringLiteral("bare-memory")), 0));
            const ProbeResult text = probe(self, QStringLiteral("text-windows-memory"), sizes);
            textPeak.push_back(megabytes(text, 0));
            textSettled.push_back(megabytes(text, 1));
        }
        const QString windows = QString::number(sizes.size() / 2);
        const QString which = QLatin1String(mode) == u"memory"
                                  ? QStringLiteral("all %1 windows open").arg(windows)
                                  : QStringLiteral("the %1 specified windows open").arg(windows);
        const QString textFloor =
            QStringLiteral("bare Qt program, %1 windows of the same sizes with a line of text")
                .arg(windows);
        row(QStringLiteral("peak resident memory, ") + which, median(peak), median(bare),
            QStringLiteral("MB"), QStringLiteral("bare Qt program, one empty window"));
        row(QStringLiteral("peak resident memory, ") + which, median(peak), median(textPeak),
            QStringLiteral("MB"), textFloor);
        row(QStringLiteral("resident memory once settled, ") + which, median(settled),
            median(textSettled), QStringLiteral("MB"), textFloor);
    }

    const ProbeResult idle = probe(self, QStringLiteral("idle"));
    const ProbeResult bareIdle = probe(self, QStringLiteral("bare-idle"));
    row(QStringLiteral("CPU while idle, configurators in master mode, power windows open"),
        idle.printed.value(0).toDouble(), bareIdle.printed.value(0).toDouble(), QStringLiteral("%"),
        QStringLiteral("bare Qt program idle"));
    row(QStringLiteral("paint events while idle"), idle.printed.value(1).toDouble(),
        bareIdle.printed.value(1).toDouble(), QString(), QStringLiteral("bare Qt program idle"));

    QApplication app(argc, argv);
    velantra::setUpApplication(app);
    for (const Timing& t : inProcessTimings(repetitions))
        row(t.what, median(t.ours) / 1000.0, median(t.floor) / 1000.0, QStringLiteral("ms"),
            t.floorWhat);
    return 0;
}
