// The benchmark: medians over repeated runs, each beside its floor measured in the same run.
//   velantra-bench [repetitions]      prints a Markdown table
// Run it under xvfb-run for real painting, or with QT_QPA_PLATFORM=offscreen.
#include "app/application.h"
#include "bench/probes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

using namespace velantra::bench;

namespace
{

// Runs this program as a probe and returns what it printed, or its wall time in ms.
double probe(const QString& self, const QString& mode, bool wallTime)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QStringLiteral("--probe"), mode});
    process.waitForFinished(60000);
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    return wallTime ? elapsed : process.readAllStandardOutput().trimmed().toDouble();
}

void row(const QString& what, double ours, double floor, const QString& unit,
         const QString& floorWhat)
{
    std::printf("| %s | %.3g %s | %.3g %s (%s) | %.2f× |\n", qPrintable(what), ours,
                qPrintable(unit), floor, qPrintable(unit), qPrintable(floorWhat),
                floor > 0 ? ours / floor : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--probe")
        return runProbe(QString::fromLatin1(argv[2]), argc, argv);

    const int repetitions = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 30;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::printf("| measurement | ours (median of %d) | floor | ratio |\n|---|---|---|---|\n",
                repetitions);

    std::vector<double> start, bareStart;
    for (int i = 0; i < repetitions; ++i) {
        start.push_back(probe(self, QStringLiteral("start"), true));
        bareStart.push_back(probe(self, QStringLiteral("bare-start"), true));
    }
    row(QStringLiteral("process start until Main is painted"), median(start), median(bareStart),
        QStringLiteral("ms"), QStringLiteral("bare Qt program, one empty window"));

    std::vector<double> memory, bareMemory;
    for (int i = 0; i < 3; ++i) {
        memory.push_back(probe(self, QStringLiteral("memory"), false) / 1024.0);
        bareMemory.push_back(probe(self, QStringLiteral("bare-memory"), false) / 1024.0);
    }
    row(QStringLiteral("peak resident memory, all thirteen windows open"), median(memory),
        median(bareMemory), QStringLiteral("MB"), QStringLiteral("bare Qt program"));

    row(QStringLiteral("CPU while idle 10 s, configurators in master mode, power windows open"),
        probe(self, QStringLiteral("idle"), false), probe(self, QStringLiteral("bare-idle"), false),
        QStringLiteral("%"), QStringLiteral("bare Qt program idle"));

    QApplication app(argc, argv);
    velantra::setUpApplication(app);
    for (const Timing& t : inProcessTimings(repetitions))
        row(t.what, median(t.ours) / 1000.0, median(t.floor) / 1000.0, QStringLiteral("ms"),
            t.floorWhat);
    return 0;
}
