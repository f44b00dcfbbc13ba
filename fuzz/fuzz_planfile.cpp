// libFuzzer target: the plan reader never crashes or hangs, and a plan it accepts is one the
// planner shows as read: it holds only options in force, writes back to a file that reads the
// same, and its problems and text can be made.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ReadResult read = readPlan(bytes, QStringLiteral("fuzz.json"));
    if (!read.plan) {
        if (!read.error.startsWith(QStringLiteral("fuzz.json: ")))
            fail("a refusal that does not name the file");
        return 0;
    }
    if (!read.error.isEmpty())
        fail("an error beside a plan");
    for (const PlanRow& row : *read.plan) {
        PlanRow inForce = row;
        keepOptionsInForce(inForce);
        if (!sameRow(inForce, row))
            fail("an option that is not in force");
        if (row.setting.address < kFirstStart || row.setting.address > kMaxStart)
            fail("an address out of range");
    }
    const ReadResult again = readPlan(writePlan(*read.plan), QStringLiteral("again.json"));
    if (!again.plan || !samePlan(*again.plan, *read.plan))
        fail("written and read again, it differs");
    const std::vector<Problem> problems = findProblems(*read.plan);
    (void)problemReport(*read.plan, problems);
    (void)planAsText(*read.plan);
    return 0;
}
