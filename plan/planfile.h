#pragma once

// The plan as a file: versioned JSON (docs/rig-plan-format.md). The reader checks everything
// into a new plan before anyone sees it, and names the file, the row or type and the problem of
// every refusal; the writer goes through files::saveWhole, so the previous file survives any
// failure. A plan of our devices on universe 1 is written as version 1, which every earlier
// program reads; fixture types or other universes make it version 2.

#include "plan/rigplan.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velantra::plan
{

constexpr char kFormatName[] = "velantra-rig";
constexpr int kFirstFormatVersion = 1;
constexpr int kFormatVersion = 2;
// A plan of kMaxRows rows with long labels stays below this.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

struct ReadResult {
    std::optional<RigPlan> plan;
    QString error; // "<file>: row 3: …" when the plan is refused
};

// The version the plan is written as: 1 unless it uses fixture types or other universes.
int formatVersionOf(const RigPlan& plan);

QByteArray writePlan(const RigPlan& plan);
ReadResult readPlan(const QByteArray& bytes, const QString& fileName);

// Saved whole or not at all; only a regular file is read.
bool savePlanFile(const QString& path, const RigPlan& plan, QString* error);
ReadResult loadPlanFile(const QString& path);

} // namespace velantra::plan
