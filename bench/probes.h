#pragma once

// The measurements of the benchmark, each run in a process of its own or in-process, and the
// "floor" of each: the same measurement on a bare Qt program that does nothing of ours.

#include <QString>
#include <vector>

namespace velantra::bench
{

// Process-level probes: the child process runs one of these and prints one number.
int runProbe(const QString& mode, int argc, char** argv);

// In-process timings, in microseconds per repetition.
struct Timing {
    QString what;
    std::vector<double> ours;
    std::vector<double> floor;
    QString floorWhat;
};
std::vector<Timing> inProcessTimings(int repetitions);

double median(std::vector<double> values);

} // namespace velantra::bench
