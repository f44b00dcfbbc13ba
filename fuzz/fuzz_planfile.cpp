// libFuzzer target: the plan readers (the JSON plan file, versions 1 and 2, and the CSV patch
// list) never crash or hang, and a plan either accepts is one the planner shows as read: it
// holds only options in force and types that pass their own check, writes back to a file (and
// a patch list) that reads the same, and its problems and text can be made.
#include "plan/plancsv.h"
#include "plan/planfile.h"
#include "plan/plantext.h"
#include "plan/problems.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace velantra::plan;

namespace
{

void fail(const char* why)
{
    std::fprintf(stderr, "accepted plan is wrong: %s\n", why);
    std::abort();
}

void checkAccepted(const RigPlan& plan)
{
    for (const PlanRow& row : plan.rows) {
        PlanRow inForce = row;
        keepOptionsInForce(inForce);
        if (!sameRow(inForce, row))
            fail("an option that is not in force");
        if (row.setting.address < kFirstStart || row.setting.address > kMaxStart)
            fail("an address out of range");
        if (row.universe < kFirstUniverse || row.universe > kLastUniverse)
            fail("a universe out of range");
        if (row.fixtureType && !typeOf(plan, row))
            fail("a row of a type the plan does not have");
    }
    for (int t = 0; t < int(plan.types.size()); ++t)
        if (typeProblem(plan, plan.types[std::size_t(t)], t))
            fail("a type that its own check refuses");
    const ReadResult again = readPlan(writePlan(plan), QStringLiteral("again.json"));
    if (!again.plan || !samePlan(*again.plan, plan))
        fail("written and read again, it differs");
    // A patch list holds the types its rows use, in the order they are first used.
    RigPlan used;
    std::vector<int> newIndex(plan.types.size(), -1);
    for (PlanRow row : plan.rows) {
        if (row.fixtureType) {
            int& index = newIndex[std::size_t(*row.fixtureType)];
            if (index < 0) {
                index = int(used.types.size());
                used.types.push_back(plan.types[std::size_t(*row.fixtureType)]);
            }
            row.fixtureType = index;
        }
        used.rows.push_back(row);
    }
    const ReadResult listed = readCsvPlan(writeCsv(plan), QStringLiteral("again.csv"));
    if (!listed.plan || !samePlan(*listed.plan, used)) {
        if (std::getenv("FUZZ_SHOW"))
            std::fprintf(stderr, "%s\n%s\n%s\n", planAsText(plan).c_str(), qPrintable(listed.error),
                         writeCsv(plan).constData());
        fail("exported as a patch list and imported, it differs");
    }
    const std::vector<Problem> problems = findProblems(plan);
    (void)problemReport(plan, problems);
    (void)planAsText(plan);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ReadResult read = readPlan(bytes, QStringLiteral("fuzz.json"));
    if (!read.plan && !read.error.startsWith(QStringLiteral("fuzz.json: ")))
        fail("a refusal that does not name the file");
    if (read.plan && !read.error.isEmpty())
        fail("an error beside a plan");
    if (read.plan)
        checkAccepted(*read.plan);

    // The same bytes as a patch list: strictly, and as the import dialog reads it.
    const ReadResult listed = readCsvPlan(bytes, QStringLiteral("fuzz.csv"));
    if (!listed.plan && !listed.error.startsWith(QStringLiteral("fuzz.csv: ")))
        fail("a patch list refusal that does not name the file");
    const CsvTable table = parseCsv(bytes);
    if (listed.plan && !table.error.isEmpty())
        fail("a patch list read strictly that the import dialog refuses");
    if (table.error.isEmpty()) {
        const CsvImport imported = planFromCsv(table, guessColumns(table));
        if (imported.plan.rows.size() > std::size_t(kMaxRows) ||
            imported.lines.size() != imported.plan.rows.size())
            fail("an import beyond the limit or without its lines");
        // The strict reading is the dialog's when no line has a problem: checked once.
        if (listed.plan && !(imported.problems.empty() && samePlan(*listed.plan, imported.plan)))
            fail("a patch list read strictly differs from the import dialog's plan");
        checkAccepted(imported.plan);
    }
    return 0;
}
