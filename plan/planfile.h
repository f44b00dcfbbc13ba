#pragma once

// The plan as a file: versioned JSON (docs/rig-plan-format.md). The reader checks everything
// into a new plan before anyone sees it, and names the file, the row and the problem of every
// refusal; the writer goes through files::saveWhole, so the previous file survives any failure.

#include "plan/rigplan.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velantra::plan
{

constexpr char kFormatName[] = "velantra-rig";
constexpr int kFormatVersion = 1;
// A plan of kMaxRows rows with long labels stays far below this.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

struct ReadResult {
    std::optional<RigPlan> plan;
    QString error; // "<file>: row 3: …" when the plan is refused
};

QByteArray writePlan(const RigPlan& plan);
ReadResult readPlan(const QByteArray& bytes, const QString& fileName);

// Saved whole or not at all; only a regular file is read.
bool savePlanFile(const QString& path, const RigPlan& plan, QString* error);
ReadResult loadPlanFile(const QString& path);

} // namespace velantra::plan
