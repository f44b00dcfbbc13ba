#pragma once

// The measurements of the benchmark, each run in a process of its own or in-process, and the
// "floor" of each: the same measurement on a bare Qt program that does nothing of ours.

#include "app/windowregistry.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace velantra::bench
{

// Process-level probes: the child process runs one of these and prints one line of numbers.
//   start, bare-start, text-start    show the first window, exit once it has painted
//   memory                 open every window; peak and settled resident kB, then each
//                          window's size
//   memory-specified       the same without the job tools (the rig plan, Read levers)
//   bare-memory            one empty window; peak and settled resident kB
//   text-windows-memory    windows of the sizes given as arguments, each with a line of text;
//                          peak and settled resident kB
//   idle, bare-idle        idle for a while; CPU % and the number of paint events
int runProbe(const QString& mode, const QStringList& arguments, int argc, char** argv);

// In-process timings, in microseconds per repetition.
struct Timing {
    QString what;
    std::vector<double> ours;
    std::vector<double> floor;
    QString floorWhat;
};
std::vector<Timing> inProcessTimings(int repetitions);
// The rig plan at its largest, 10,000 rows (part of inProcessTimings).
std::vector<Timing> planTimings(int repetitions);

double median(std::vector<double> values);

} // namespace velantra::bench
