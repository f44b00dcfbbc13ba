#include "plan/plancommand.h"

#include "cards/cardwriter.h"
#include "i18n/language.h"
#include "plan/plancards.h"
#include "plan/planfile.h"
#include "plan/plantext.h"

#include <QFileInfo>
#include <cctype>
#include <cstdio>

namespace velantra::plan
{
namespace
{

constexpr cli::Argument kArguments[] = {
    {.name = "file", .description = VT_TEXT("CommandLine", "The rig plan (a .json file).")},
};
constexpr cli::Option kOptions[] = {
    {.name = "check",
     .description =
         VT_TEXT("CommandLine", "Print the plan's problems; exit status 1 when there is any.")},
    {.name = "cards",
     .description = VT_TEXT("CommandLine", "Write one setting card per row to a PDF file."),
     .valueName = "out.pdf"},
};

int check(const QString& path, const RigPlan& plan)
{
    const std::vector<Problem> problems = findProblems(plan);
    const QString file = QFileInfo(path).fileName();
    const std::string report = problemReport(plan, problems);
    QString summary = QString::fromStdString(problemSummary(problems));
    if (!summary.isEmpty())
        summary[0] = summary[0].toLower(); // within the line, after the count of rows
    const QString line = i18n::translate("CommandLine", "%1: %2 rows, %3")
                             .arg(file, QString::number(plan.size()), summary);
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fputs(report.c_str(), stdout);
    std::fflush(stdout);
    return problems.empty() ? cli::kExitOk : cli::kExitFailure;
}

int run(const cli::Invocation& invocation)
{
    const bool checking = invocation.isSet("check");
    const bool cards = invocation.isSet("cards");
    if (checking == cards)
        return invocation.usageError(
            i18n::translate("CommandLine", "give one of --check and --cards"));
    const QString out = invocation.value("cards");
    if (cards &&
        (QFileInfo(out).suffix().toLower() != u"pdf" || QFileInfo(out).fileName() == u".pdf"))
        return invocation.usageError(
            i18n::translate("CommandLine", "--cards %1: the file name must end in .pdf").arg(out));
    const QString path = invocation.arguments().value(0);
    if (path.isEmpty())
        return invocation.usageError(i18n::translate("CommandLine", "the plan file name is empty"));
    const ReadResult read = loadPlanFile(path);
    if (!read.plan)
        return invocation.failure(read.error);
    if (checking)
        return check(path, *read.plan);
    QString error;
    const std::optional<std::vector<cards::SettingCard>> made = planCards(*read.plan, &error);
    if (!made || !cards::writeCardsPdf(out, *made, &error))
        return invocation.failure(error);
    return cli::kExitOk;
}

} // namespace

const cli::Command kPlanCommand{
    .name = "plan",
    .summary =
        VT_TEXT("CommandLine", "Check a rig plan, or write its setting cards to a PDF file."),
    .arguments = kArguments,
    .options = kOptions,
    .needs = cli::Needs::Drawing,
    .run = run,
};

} // namespace velantra::plan
