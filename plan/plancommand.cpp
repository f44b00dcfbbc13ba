#include "plan/plancommand.h"

#include "cards/cardwriter.h"
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
    {.name = "file", .description = "The rig plan (a .json file)."},
};
constexpr cli::Option kOptions[] = {
    {.name = "check", .description = "Print the plan's problems; exit status 1 when there is any."},
    {.name = "cards",
     .description = "Write the setting cards of the rows, six to a page with cut marks, to a PDF "
                    "file.",
     .valueName = "out.pdf"},
    {.name = "patch-sheet",
     .description = "Write the patch sheet (the rows' blocks and levers) to a PDF file.",
     .valueName = "out.pdf"},
    {.name = "paper",
     .description = "The paper of --cards and --patch-sheet: a4 (the default) or letter.",
     .valueName = "size"},
};

// A PDF file name, or the usage error's text.
QString pdfNameProblem(const cli::Invocation& invocation, std::string_view option)
{
    const QString out = invocation.value(option);
    if (QFileInfo(out).suffix().toLower() != u"pdf" || QFileInfo(out).fileName() == u".pdf")
        return QStringLiteral("--%1 %2: the file name must end in .pdf")
            .arg(QString::fromLatin1(option.data(), qsizetype(option.size())), out);
    return {};
}

int check(const QString& path, const RigPlan& plan)
{
    const std::vector<Problem> problems = findProblems(plan);
    const QString file = QFileInfo(path).fileName();
    const std::string report = problemReport(plan, problems);
    std::string summary = problemSummary(problems);
    summary[0] = char(std::tolower(summary[0]));
    std::printf("%s: %zu rows, %s\n", qPrintable(file), plan.size(), summary.c_str());
    std::fputs(report.c_str(), stdout);
    std::fflush(stdout);
    return problems.empty() ? cli::kExitOk : cli::kExitFailure;
}

int run(const cli::Invocation& invocation)
{
    const bool checking = invocation.isSet("check");
    const bool cards = invocation.isSet("cards");
    const bool sheet = invocation.isSet("patch-sheet");
    if (checking == (cards || sheet))
        return invocation.usageError(
            QStringLiteral("give --check, or --cards and/or --patch-sheet"));
    for (std::string_view option : {"cards", "patch-sheet"}) {
        if (!invocation.isSet(option))
            continue;
        if (const QString problem = pdfNameProblem(invocation, option); !problem.isEmpty())
            return invocation.usageError(problem);
    }
    const QString paperName = invocation.value("paper").toLower();
    if (invocation.isSet("paper") && paperName != u"a4" && paperName != u"letter")
        return invocation.usageError(
            QStringLiteral("--paper %1: a4 or letter").arg(invocation.value("paper")));
    if (checking && invocation.isSet("paper"))
        return invocation.usageError(QStringLiteral("--paper goes with --cards or --patch-sheet"));
    const QPageSize::PageSizeId paper = paperName == u"letter" ? QPageSize::Letter : QPageSize::A4;
    const QString path = invocation.arguments().value(0);
    if (path.isEmpty())
        return invocation.usageError(QStringLiteral("the plan file name is empty"));
    const ReadResult read = loadPlanFile(path);
    if (!read.plan)
        return invocation.failure(read.error);
    if (checking)
        return check(path, *read.plan);
    QString error;
    const QString planName = QFileInfo(path).fileName();
    const std::optional<std::vector<cards::SettingCard>> made =
        planCards(*read.plan, planName, &error);
    if (!made)
        return invocation.failure(error);
    if (cards && !cards::writeCardSheetsPdf(invocation.value("cards"), *made, paper, &error))
        return invocation.failure(error);
    if (sheet && !cards::writePatchSheetPdf(invocation.value("patch-sheet"),
                                            patchSheet(*read.plan, planName, *made), paper, &error))
        return invocation.failure(error);
    return cli::kExitOk;
}

} // namespace

const cli::Command kPlanCommand{
    .name = "plan",
    .summary = "Check a rig plan, or write its setting cards or patch sheet to PDF files.",
    .arguments = kArguments,
    .options = kOptions,
    .needs = cli::Needs::Drawing,
    .run = run,
};

} // namespace velantra::plan
