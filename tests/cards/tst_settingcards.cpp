// Setting cards of the configurators: made from a window the installer has set, they say what
// the window shows and are the card the command line makes for the same setting; saved, they
// are written whole or not at all.
#include "cards/cardactions.h"
#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "tests/cards/cardfiles.h"
#include "tests/cards/dialoganswerer.h"
#include "tests/support/diskfull.h"
#include "tests/support/guitest.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

using namespace velantra;
using namespace velantra::cards;
using namespace velantra::test;

class SettingCardsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { program_.registry().closeAll(); }
    void windowCardIsTheCommandLineCard_data();
    void windowCardIsTheCommandLineCard();
    void commandsOnTheirWindows_data();
    void commandsOnTheirWindows();
    void rightClickAndKeys();
    void failedSaveLeavesNoPartialFile_data();
    void failedSaveLeavesNoPartialFile();
    void saveFromTheWindow();

private:
    ProgramFixture program_;
};

namespace
{

const QString kLabel = QStringLiteral("Bar 3, left");

// What the installer does, word by word: a number is typed into Text1, "tick" lets 500 ms pass,
// any other word clicks the control of that name.
void drive(QWidget* window, const QString& steps)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step == u"tick")
            tick(window);
        else if (step.front().isDigit())
            typeInto(window, QStringLiteral("Text1"), step);
        else
            click(window, step);
    }
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// `velantra card <arguments> --label … --out <file>`, its exit status.
int commandLine(const QString& arguments, const QString& file)
{
    return QProcess::execute(QStringLiteral(VELANTRA_EXECUTABLE),
                             arguments.split(u' ') + QStringList{"--label", kLabel, "--out", file});
}

} // namespace

void SettingCardsTest::windowCardIsTheCommandLineCard_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("pdf"); // compare the PDF pages too

    const auto row = [](const char* item, const char* steps, const char* command,
                        const char* options, bool pdf = false) {
        QTest::newRow(command) << item << steps << command << options << pdf;
    };
    row("dip", "", "card orvo75", "none");
    row("dip", "300 Option24 Check1", "card orvo75 --address 300 --channels 6 --terminator",
        "6 Ch, Res. 120 ohm", true);
    row("dip", "511 Option23", "card orvo75 --address 511 --channels 3", "3 Ch");
    row("dip", "Option2 Option5 Option13 Check2 tick",
        "card orvo75 --master --speed 2 --show 5 --pushbutton", "Ext. pushbotton, Speed 2, Show 5");
    row("dip36", "300 Check1", "card orvo36 --address 300 --terminator", "Res. 120 ohm", true);
    row("dip36", "511", "card orvo36 --address 511", "none");
    row("dip36", "Option2 Option3 Option25 Check2 tick",
        "card orvo36 --master --speed 0 --show 15 --pushbutton",
        "Ext. pushbotton, Show 15, Speed 0");
    row("dipfluo", "Check3", "card fluo --modulation", "1-100 % Modulation");
    row("dipfluo", "300 Check1", "card fluo --address 300 --terminator", "Res. 120 ohm");
    row("dipfluo", "Option2 Option6 Option17 Check3 tick",
        "card fluo --master --speed 3 --show 9 --modulation", "1-100 % Modulation, Speed 3, Show 9",
        true);
    row("dip2", "511 Check1", "card intell --address 511 --terminator", "120 ohm resistor", true);
    row("dip2", "300", "card intell --address 300", "none");
    row("dip2", "Option2 Option4 Option10 tick", "card intell --master --speed 1 --show 2",
        "Show 2, Speed 1");
    row("Dip3", "300 Check1", "card dor --address 300 --terminator", "120 ohm resistor");
    row("Dip3", "", "card dor --address 1", "none");
    row("Dip3", "Option2 Option15 tick", "card dor --master --tune 7", "CCT 7", true);
}

void SettingCardsTest::windowCardIsTheCommandLineCard()
{
    QFETCH(QString, item);
    QFETCH(QString, steps);
    QFETCH(QString, command);
    QFETCH(QString, options);
    QFETCH(bool, pdf);

    QWidget* window = program_.open(item, entryShownBy(item.toStdString())->id);
    drive(window, steps);
    DialogAnswerer answerer;
    answerer.label = kLabel;
    child<QAction>(window, QLatin1String(kCopyTextAction))->trigger();
    const QString text = QApplication::clipboard()->text();
    const QStringList lines = text.split(u'\n');

    // The card says what the window shows.
    QCOMPARE(lines.value(0), window->windowTitle());
    QCOMPARE(lines.value(1), u"Label: "_qs + kLabel);
    QVERIFY2(lines.contains(u"Options: "_qs + options), qPrintable(text));
    const bool master = child<QAbstractButton>(window, u"Option2"_qs)->isChecked();
    QCOMPARE(lines.contains(u"Mode: Master"_qs), master);
    if (!master)
        QVERIFY(
            lines.contains(u"DMX address: "_qs + child<QLineEdit>(window, u"Text1"_qs)->text()));
    // "ON" stands beside the lower row, "OFF" beside the upper one, or the other way round.
    const bool lowerIsOn = child(window, u"Label2"_qs)->y() > child(window, u"Label1"_qs)->y();
    for (bool four : {false, true}) {
        if (four && !window->findChild<QWidget*>(u"Shape1(1)"_qs))
            continue;
        const QString on = leversOn(window, lowerIsOn, four);
        QVERIFY2(lines.contains((four ? u"4"_qs : u"12"_qs) + u"-lever bank, Levers ON: "_qs +
                                (on.isEmpty() ? u"none"_qs : on.split(u',').join(u", "))),
                 qPrintable(text));
    }

    // The command line makes the same card.
    QTemporaryDir dir;
    QCOMPARE(commandLine(command, dir.filePath(u"card.txt"_qs)), 0);
    QCOMPARE(readFile(dir.filePath(u"card.txt"_qs)), text);
    if (!pdf)
        return;
    QCOMPARE(commandLine(command, dir.filePath(u"command.pdf"_qs)), 0);
    const SettingCard card[] = {readCard(window, kLabel)};
    QString error;
    QVERIFY2(writeCardsPdf(dir.filePath(u"window.pdf"_qs), card, &error), qPrintable(error));
    const std::optional<QImage> page = pdfPage(dir.filePath(u"window.pdf"_qs));
    if (!page)
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QVERIFY(!page->isNull());
    QCOMPARE(*page, *pdfPage(dir.filePath(u"command.pdf"_qs)));
    const QString pdfText = *test::pdfText(dir.filePath(u"window.pdf"_qs));
    for (const QString& line : lines) {
        if (line.startsWith(u"DMX address") || line.contains(u"Levers ON"))
            QVERIFY2(pdfText.contains(line.mid(line.indexOf(u"Levers ON"))), qPrintable(pdfText));
    }
}

void SettingCardsTest::commandsOnTheirWindows_data()
{
    // The planner has card commands of its own, for all its rows (tests/plan).
    addWindowRows({WindowKind::Configurator, WindowKind::Power, WindowKind::Sheet});
}

void SettingCardsTest::commandsOnTheirWindows()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QWidget* window = program_.open(item, WindowId(id));
    const WindowKind kind = entryOf(WindowId(id)).kind;
    QStringList menu;
    for (const QAction* action : window->actions())
        menu << action->objectName() + u' ' + action->text() + u' ' + action->shortcut().toString();
    if (kind == WindowKind::Sheet) {
        QCOMPARE(menu, QStringList());
        QCOMPARE(window->contextMenuPolicy(), Qt::DefaultContextMenu);
        return;
    }
    QCOMPARE(window->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(menu, (QStringList{"printCard Print… Ctrl+P", "saveCardPdf Save as PDF… Ctrl+Shift+S",
                                "copyCardText Copy as text Ctrl+Shift+C"}));
    DialogAnswerer answerer;
    if (kind == WindowKind::Configurator) {
        // Cancelling the label question makes no card.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        answerer.cancel = true;
        child<QAction>(window, QLatin1String(kCopyTextAction))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        answerer.cancel = false;
    }
#if !defined(Q_OS_WIN) // Windows' print dialog is the system's own, out of the answerer's reach
    child<QAction>(window, QLatin1String(kPrintAction))->trigger();
    QVERIFY2(answerer.seen.last().startsWith(u"QPrintDialog"),
             qPrintable(answerer.seen.join(u'|')));
#endif
}

void SettingCardsTest::rightClickAndKeys()
{
    QWidget* window = program_.open(QStringLiteral("dip"), WindowId::Dip_DMX);
    QVERIFY(QTest::qWaitForWindowActive(window));
    typeInto(window, QStringLiteral("Text1"), QStringLiteral("42"));
    auto* text1 = child<QLineEdit>(window, QStringLiteral("Text1"));
    text1->setFocus();
    text1->selectAll();
    // Ctrl+C in the box copies its text; Ctrl+Shift+C the card.
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
    DialogAnswerer answerer;
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::clipboard()->text().contains(u"DMX address: 42"));
    // A right-click on a bank, a lever or a frame opens the window's menu of the commands.
    for (const char* place : {"Shape1(0)", "Shape4", "Frame1"}) {
        QWidget* target = child(window, QLatin1String(place));
        QStringList items;
        QTimer::singleShot(0, [&items] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions())
                    items << action->text();
                menu->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, target->rect().center(),
                                target->mapToGlobal(target->rect().center()));
        QApplication::sendEvent(target, &click);
        QCOMPARE(items, (QStringList{"Print…", "Save as PDF…", "Copy as text"}));
    }
}

void SettingCardsTest::failedSaveLeavesNoPartialFile_data()
{
    QTest::addColumn<QString>("target"); // "%1": a writable folder
    QTest::newRow("folder that cannot be written") << "/proc/card.pdf";
    QTest::newRow("full device") << "/dev/full";
    QTest::newRow("disk full over a previous file") << "%1/card.pdf";
    QTest::newRow("a folder of that name") << "%1";
}

void SettingCardsTest::failedSaveLeavesNoPartialFile()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString path = QString(target).replace(u"%1"_qs, dir.path());
    const bool overPrevious = path.endsWith(u"card.pdf") && path.startsWith(dir.path());
    const QByteArray previous("the card saved yesterday");
    if (overPrevious) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    const QStringList before = filesIn(dir.path());

    // A disk that fills up after the first kilobyte, where a previous file is to be replaced.
    if (overPrevious && !DiskFullAfter::kAvailable)
        QSKIP(kNoDiskFull);
    DeviceSetting setting;
    const SettingCard cards[] = {cardFor(setting, kLabel)};
    QString error;
    bool saved = false;
    if (overPrevious) {
        const DiskFullAfter full(1024);
        saved = writeCardsPdf(path, cards, &error);
    } else {
        saved = writeCardsPdf(path, cards, &error);
    }

    QVERIFY(!saved);
    // The path as the system writes it (backslashes on Windows).
    QVERIFY2(error.startsWith(u"Could not save "_qs + QDir::toNativeSeparators(path) + u": "_qs),
             qPrintable(error));
    QCOMPARE(filesIn(dir.path()), before);
    if (overPrevious)
        QCOMPARE(readFile(path).toUtf8(), previous);
    QVERIFY(!QFileInfo(u"/dev/full"_qs).isFile());
}

void SettingCardsTest::saveFromTheWindow()
{
    QWidget* window = program_.open(QStringLiteral("dipfluo"), WindowId::Dip_FLUO);
    DialogAnswerer answerer;
// Windows' dialog turns "/proc/…" into a folder of drive Z: and a name of its own.
#if !defined(Q_OS_WIN)
    answerer.file = QStringLiteral("/proc/card.pdf");
    child<QAction>(window, QLatin1String(kSavePdfAction))->trigger();
    QCOMPARE(answerer.seen.value(2), QStringLiteral("QMessageBox: Save as PDF"));
    QVERIFY2(answerer.seen.value(3).startsWith(u"Could not save /proc/card.pdf: "),
             qPrintable(answerer.seen.join(u'|')));
#endif
    QTemporaryDir dir;
    answerer.file = dir.filePath(QStringLiteral("fluo.pdf"));
    child<QAction>(window, QLatin1String(kSavePdfAction))->trigger();
    QCOMPARE(filesIn(dir.path()), QStringList{"fluo.pdf"});
    if (const std::optional<QString> text = pdfText(answerer.file))
        QVERIFY2(text->contains(u"Levers ON: 1"), qPrintable(*text));
}

VELANTRA_TEST_MAIN(SettingCardsTest)
#include "tst_settingcards.moc"
