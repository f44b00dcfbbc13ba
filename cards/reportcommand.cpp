#include "cards/reportcommand.h"

#include "cards/cardwriter.h"
#include "cards/label.h"
#include "cards/reportreader.h"
#include "i18n/language.h"
#include "power/fixturepowertable.h"
#include "power/powerwindow.h"
#include "power/windows.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace velantra::cards
{
namespace
{

constexpr const char* kOutputNames[] = {"cc1", "cc2", "cv1", "cv2"};

// The window's warnings (a limit exceeded) would wait for a click that never comes; the report
// states every limit exceeded itself, so each warning is closed as it opens.
class WarningCloser : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show)
            QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
        return false;
    }
};

// The grid row of a fixture given by its row number or its name on that side of the grid.
int fixtureRow(const power::PowerVariant& variant, bool cc, const QString& fixture)
{
    bool number = false;
    const int row = fixture.toInt(&number);
    if (number)
        return row >= 1 && row <= power::kRows ? row : 0;
    for (int r = 1; r <= power::kRows; ++r) {
        const power::Fixture& f = cc ? variant.table.row(r).cc : variant.table.row(r).cv;
        if (!f.model.empty() && QString::fromUtf8(f.model.data(), qsizetype(f.model.size()))
                                        .compare(fixture.simplified(), Qt::CaseInsensitive) == 0)
            return r;
    }
    return 0;
}

// Types one --count into its box, or says what is wrong with it.
QString typeCount(power::PowerWindow& window, const QString& count)
{
    const power::PowerVariant& variant = window.budget().variant();
    const qsizetype equals = count.lastIndexOf(u'=');
    const qsizetype colon = count.indexOf(u':');
    if (equals < 0 || colon < 0 || colon > equals)
        return i18n::translate("CommandLine", "--count %1: give OUTPUT:FIXTURE=N").arg(count);
    const QString output = count.left(colon).trimmed().toLower();
    int column = -1;
    for (int c = 0; c < 4; ++c)
        if (output == QLatin1String(kOutputNames[c]))
            column = c;
    const int row =
        column < 0 ? 0 : fixtureRow(variant, column < 2, count.mid(colon + 1, equals - colon - 1));
    if (column < 0)
        return i18n::translate("CommandLine", "--count %1: the output is CC1, CC2, CV1 or CV2")
            .arg(count);
    if (row == 0)
        return i18n::translate("CommandLine", "--count %1: no such fixture on %2")
            .arg(count, output.toUpper());
    if (!window.typeEntry(power::Output(column), row, count.mid(equals + 1).trimmed()))
        return i18n::translate("CommandLine", "--count %1: this controller has no %2 output")
            .arg(count, output.toUpper());
    return {};
}

} // namespace

int runReportCommand(const cli::Invocation& invocation)
{
    const QString controller = invocation.arguments().value(0);
    const bool small = controller == u"orvo36";
    if (controller != u"orvo75" && !small)
        return invocation.usageError(
            i18n::translate("CommandLine", "unknown controller '%1': orvo75 or orvo36")
                .arg(controller));
    const QString out = invocation.value("out");
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (out.isEmpty())
        return invocation.usageError(
            i18n::translate("CommandLine", "--out FILE.pdf|.png|.txt is required"));
    if (out != u"-" && suffix != u"pdf" && suffix != u"png" && suffix != u"txt")
        return invocation.usageError(
            i18n::translate("CommandLine",
                            "--out %1: the file name must end in .pdf, .png or .txt, or be - for "
                            "the text on standard output")
                .arg(out));
    const QString label = invocation.value("label").trimmed();
    if (const std::optional<std::string> problem = labelProblem(label.toStdString()))
        return invocation.usageError(i18n::translate("CommandLine", "--label: ") +
                                     QString::fromStdString(*problem));

    WarningCloser closer;
    qApp->installEventFilter(&closer);
    const std::unique_ptr<QWidget> window(small ? power::createCalc2() : power::createCalc());
    auto* powerWindow = qobject_cast<power::PowerWindow*>(window.get());
    if (!powerWindow)
        return invocation.failure(
            i18n::translate("CommandLine", "no power window for %1").arg(controller));
    // The window opens in average power; the command's default is nominal power.
    powerWindow->choosePower(invocation.isSet("average"));
    for (const QString& count : invocation.values("count")) {
        const QString problem = typeCount(*powerWindow, count);
        if (!problem.isEmpty())
            return invocation.usageError(problem);
    }
    PowerReport report = readReport(window.get());
    report.label = label.toStdString();

    QString error;
    bool saved = false;
    if (out == u"-") {
        const std::string text = reportText(report);
        saved = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                std::fflush(stdout) == 0;
        error = i18n::translate("CommandLine", "Could not write the report to standard output.");
    } else if (suffix == u"pdf") {
        saved = writeReportPdf(out, report, &error);
    } else if (suffix == u"png") {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        saved = reportImage(report).save(&buffer, "PNG") && saveFile(out, bytes, &error);
    } else {
        saved = saveFile(out, QByteArray::fromStdString(reportText(report)), &error);
    }
    return saved ? cli::kExitOk : invocation.failure(error);
}

} // namespace velantra::cards
