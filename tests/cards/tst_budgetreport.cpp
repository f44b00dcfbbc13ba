// Budget reports of the power windows: what the grid holds, the figures the window shows and
// every limit exceeded, in words, as text and as a PDF page.
#include "cards/cardactions.h"
#include "tests/cards/cardfiles.h"
#include "tests/cards/dialoganswerer.h"
#include "tests/support/guitest.h"

#include <QAction>
#include <QClipboard>
#include <QTemporaryDir>

using namespace velantra;
using namespace velantra::test;

class BudgetReportTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { program_.registry().closeAll(); }
    void reportSaysWhatTheWindowShows_data();
    void reportSaysWhatTheWindowShows();
    void reportAsPdf();

private:
    ProgramFixture program_;
};

namespace
{

QString shown(QWidget* window, const char* box)
{
    return child<QLineEdit>(window, QLatin1String(box))->text();
}

QString copyReport(QWidget* window)
{
    DialogAnswerer answerer; // the label, asked for as a card's
    answerer.label = QStringLiteral(" Shop 2, window ");
    child<QAction>(window, QLatin1String(cards::kCopyTextAction))->trigger();
    return QApplication::clipboard()->text();
}

} // namespace

void BudgetReportTest::reportSaysWhatTheWindowShows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("entries");  // box=count
    QTest::addColumn<QStringList>("expected"); // lines of the report, in order
    QTest::addColumn<QString>("exceeded");

    QTest::newRow("75 W, within limits")
        << "power" << int(WindowId::Calc) << QStringList{"Text1(1)=2", "Text3(2)=1", "Option1"}
        << QStringList{"ORVO power configurator",
                       "Label: Shop 2, window",
                       "Mode: Nominal power",
                       "CC #1, 350 mA",
                       "  2 x Pomra RGB",
                       "CC #2, 350 mA",
                       "  no fixtures",
                       "CV #1",
                       "  1 x Orsello 600 mm",
                       "CV #2",
                       "Total nominal power: %total W"}
        << "Limits exceeded: none";
    // The box as it shows, and the count the figures use.
    QTest::newRow("75 W, a count with a fraction")
        << "power" << int(WindowId::Calc) << QStringList{"Text1(1)=2.5", "Option1"}
        << QStringList{"CC #1, 350 mA", "  2.5 x Pomra RGB \u2014 counted as 2"}
        << "Limits exceeded: none";
    QTest::newRow("75 W, too many LEDs")
        << "power" << int(WindowId::Calc) << QStringList{"Text2(5)=3"}
        << QStringList{"Mode: Average power", "CC #2, 350 mA", "  3 x Tessino RGB 560 mm",
                       "  LEDs per colour: 9"}
        << "Limit exceeded: CC #2 drives 9 LEDs per colour, more than the 6 one output allows.";
    QTest::newRow("36 W, over the total")
        << "power2" << int(WindowId::Calc2) << QStringList{"Text1(7)=4", "Option1"}
        << QStringList{"ORVO 36 power configurator", "CC #1, 350 mA", "  4 x Tessino RGB 920 mm",
                       "CC #2", "Total nominal power: %total W"}
        << "Limit exceeded: The total power, 70 W, is more than the 36 W the controller gives.";
}

void BudgetReportTest::reportSaysWhatTheWindowShows()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QFETCH(QString, exceeded);

    QWidget* window = program_.open(item, WindowId(id));
    MessageBoxAnswerer warnings;
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u'=');
        if (parts.size() == 2)
            typeInto(window, parts[0], parts[1]);
        else
            click(window, parts[0]);
    }
    const QStringList lines = copyReport(window).split(u'\n');
    // The expected lines appear in this order.
    qsizetype at = 0;
    for (QString line : expected) {
        line.replace(QStringLiteral("%total"), shown(window, "Text63"));
        at = lines.indexOf(line, at);
        QVERIFY2(at >= 0,
                 qPrintable(line + QStringLiteral(" not in order in\n") + lines.join(u'\n')));
    }
    QVERIFY(lines.contains(exceeded));
    // The figures are the window's own.
    QVERIFY(lines.contains(QStringLiteral("  LEDs per colour: ") + shown(window, "Text57")));
    QVERIFY(lines.contains(QStringLiteral("  Power: ") + shown(window, "Text59") +
                           QStringLiteral(" W")));
    QCOMPARE(lines.contains(QStringLiteral("CV #1")), id == int(WindowId::Calc));
    window->close();
}

void BudgetReportTest::reportAsPdf()
{
    QWidget* window = program_.open(QStringLiteral("power"), WindowId::Calc);
    MessageBoxAnswerer warnings;
    typeInto(window, QStringLiteral("Text4(3)"), QStringLiteral("5"));
    QTemporaryDir dir;
    DialogAnswerer answerer;
    answerer.file = dir.filePath(QStringLiteral("budget.pdf"));
    child<QAction>(window, QLatin1String(cards::kSavePdfAction))->trigger();
    const std::optional<QString> text = pdfText(answerer.file);
    if (!text)
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(text->contains(u"5 x Orsello 900 mm"), qPrintable(*text));
    QVERIFY2(text->contains(QStringLiteral("Total average power: ") + shown(window, "Text63") +
                            QStringLiteral(" W")),
             qPrintable(*text));
    QVERIFY2(text->contains(u"Limits exceeded: none"), qPrintable(*text));
    window->close();
}

VELANTRA_TEST_MAIN(BudgetReportTest)
#include "tst_budgetreport.moc"
