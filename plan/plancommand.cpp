#include "plan/plancommand.h"

#include "cards/cardwriter.h"
#include "i18n/language.h"
#include "plan/plancards.h"
#include "plan/plancsv.h"
#include "plan/plantext.h"

#include <QFileInfo>
#include <cctype>
#include <cstdio>

namespace velantra::plan
{
namespace
{

constexpr cli::Argument kArguments[] = {
    {.name = "file",
     .description =
         VT_TEXT("CommandLine", "The rig plan (a .json file) or a patch list (a .csv file).")},
};
constexpr cli::Option kOptions[] = {
    {.name = "check",
     .description =
         VT_TEXT("CommandLine", "Print the plan's problems; exit status 1 when there is any.")},
    {.name = "cards",
     .description =
         VT_TEXT("CommandLine",
                 "Write the setting cards of the rows, six to a page with cut marks, to a PDF "
                 "file."),
     .valueName = "out.pdf"},
    {.name = "patch-sheet",
     .description =
         VT_TEXT("CommandLine",
                 "Write the patch sheet (the rows' blocks and levers, universe by universe) to "
                 "a PDF file."),
     .valueName = "out.pdf"},
    {.name = "paper",
     .description = VT_TEXT("CommandLine",
                            "The paper of --cards and --patch-sheet: a4 (the default) or letter."),
     .valueName = "size"},
    {.name = "csv",
     .description =
         VT_TEXT("CommandLine", "Write the plan as a patch list (CSV) for a lighting console."),
     .valueName = "out.csv"},
};

int check(const QString& path, const RigPlan& plan)
{
    const std::vector<Problem> problems = findProblems(plan);
    const QString file = QFileInfo(path).fileName();
    const std::string report = problemReport(plan, problems);
    QString summary = QString::fromStdString(problemSummary(problems));
    if (!summary.isEmpty())
        summary[0] = summary[0].toLower(); // within the line, after the count of rows
    const std::vector<int> universes = universesOf(plan);
    // One universe is what every plan of one DMX line has: said only when there are more.
    const QString rows = QString::number(plan.rows.size());
    const QString line =
        universes.size() > 1
            ? i18n::translate("CommandLine", "%1: %2 rows on %3 universes, %4")
                  .arg(file, rows, QString::number(universes.size()), summary)
            : i18n::translate("CommandLine", "%1: %2 rows, %3").arg(file, rows, summary);
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fputs(report.c_str(), stdout);
    std::fflush(stdout);
    return problems.empty() ? cli::kExitOk : cli::kExitFailure;
}

// The output's name ends in the format written.
bool namedAs(const QString& out, const char* suffix)
{
    const QFileInfo info(out);
    return info.suffix().toLower() == QLatin1String(suffix) &&
           info.fileName() != QLatin1Char('.') + QLatin1String(suffix);
}

int run(const cli::Invocation& invocation)
{
    const bool checking = invocation.isSet("check");
    const bool cards = invocation.isSet("cards");
    const bool sheet = invocation.isSet("patch-sheet");
    const bool csv = invocation.isSet("csv");
    if (checking == (cards || sheet || csv))
        return invocation.usageError(i18n::translate(
            "CommandLine", "give --check, or any of --cards, --patch-sheet and --csv"));
    // Each file named for what it holds.
    struct Output {
        std::string_view option;
        const char* suffix;
    };
    for (const Output& output :
         {Output{"cards", "pdf"}, Output{"patch-sheet", "pdf"}, Output{"csv", "csv"}}) {
        const QString out = invocation.value(output.option);
        if (invocation.isSet(output.option) && !namedAs(out, output.suffix))
            return invocation.usageError(
                i18n::translate("CommandLine", "--%1 %2: the file name must end in .%3")
                    .arg(QLatin1String(output.option.data(), qsizetype(output.option.size())), out,
                         QLatin1String(output.suffix)));
    }
    const QString paperName = invocation.value("paper").toLower();
    if (invocation.isSet("paper") && paperName != u"a4" && paperName != u"letter")
        return invocation.usageError(i18n::translate("CommandLine", "--paper %1: a4 or letter")
                                         .arg(invocation.value("paper")));
    if (invocation.isSet("paper") && !cards && !sheet)
        return invocation.usageError(
            i18n::translate("CommandLine", "--paper goes with --cards or --patch-sheet"));
    const QPageSize::PageSizeId paper = paperName == u"letter" ? QPageSize::Letter : QPageSize::A4;
    const QString path = invocation.arguments().value(0);
    if (path.isEmpty())
        return invocation.usageError(i18n::translate("CommandLine", "the plan file name is empty"));
    const ReadResult read = loadAnyPlanFile(path);
    if (!read.plan)
        return invocation.failure(read.error);
    if (checking)
        return check(path, *read.plan);
    QString error;
    if (csv && !saveCsvFile(invocation.value("csv"), *read.plan, &error))
        return invocation.failure(error);
    const QString planName = QFileInfo(path).fileName();
    if (cards) {
        const std::optional<std::vector<cards::SettingCard>> made =
            planCards(*read.plan, planName, &error);
        if (!made || !cards::writeCardSheetsPdf(invocation.value("cards"), *made, paper, &error))
            return invocation.failure(error);
    }
    if (sheet && !cards::writePatchSheetPdf(invocation.value("patch-sheet"),
                                            patchSheet(*read.plan, planName), paper, &error))
        return invocation.failure(error);
    return cli::kExitOk;
}

} // namespace

const cli::Command kPlanCommand{
    .name = "plan",
    .summary =
        VT_TEXT("CommandLine",
                "Check a rig plan or patch list, write its setting cards or patch sheet to PDF "
                "files, or write it as a patch list."),
    .arguments = kArguments,
    .options = kOptions,
    .needs = cli::Needs::Drawing,
    .run = run,
};

} // namespace velantra::plan
