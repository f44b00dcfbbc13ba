// Setting cards of the configurators: made from a window the installer has set, they say what
// the window shows, equal the card the command line makes for the same setting, and are saved
// whole or not at all.
#include "cards/cardactions.h"
#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/devices.h"
#include "tests/cards/cardfiles.h"
#include "tests/cards/dialoganswerer.h"
#include "tests/support/guitest.h"

#include <QAction>
#include <QClipboard>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace velantra;
using namespace velantra::cards;
using namespace velantra::test;

Q_DECLARE_METATYPE(DeviceSetting)

class SettingCardsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { program_.registry().closeAll(); }
    void cardSaysWhatTheWindowShows_data();
    void cardSaysWhatTheWindowShows();
    void pdfOfTheWindowIsThePdfOfTheSetting_data();
    void pdfOfTheWindowIsThePdfOfTheSetting();
    void commandsOnTheirWindows_data();
    void commandsOnTheirWindows();
    void keysOfTheTextBoxStayItsOwn();
    void failedSaveLeavesNoPartialFile_data();
    void failedSaveLeavesNoPartialFile();
    void failedSaveIsReported();

private:
    ProgramFixture program_;
};

namespace
{

const QString kLabel = QStringLiteral("Bar 3, left");

// What the installer does in the window, step by step: "300" types an address, "tick" lets
// 500 ms pass, any other word clicks the control of that name.
void drive(QWidget* window, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step == u"tick")
            tick(window);
        else if (step.front().isDigit())
            typeInto(window, QStringLiteral("Text1"), step);
        else
            click(window, step);
    }
}

DeviceSetting setting(Device device, int address, std::optional<int> channels = {},
                      bool terminator = false, bool modulation = false)
{
    DeviceSetting s;
    s.device = device;
    s.address = address;
    s.channels = channels;
    s.terminator = terminator;
    s.modulation = modulation;
    return s;
}

DeviceSetting master(Device device, std::optional<int> speed, std::optional<int> showOrTune,
                     bool pushbutton = false, bool modulation = false)
{
    DeviceSetting s = setting(device, 1, {}, false, modulation);
    s.master = true;
    s.speed = speed;
    (device == Device::Dor ? s.tune : s.show) = showOrTune;
    s.pushbutton = pushbutton;
    return s;
}

// "1,3,9" as the card writes it: "1, 3, 9"; "none" for no lever.
QString asCardList(const QString& levers)
{
    return levers.isEmpty() ? QStringLiteral("none") : levers.split(u',').join(u", ");
}

QString copyCard(QWidget* window)
{
    DialogAnswerer answerer;
    answerer.label = kLabel;
    child<QAction>(window, QLatin1String(kCopyTextAction))->trigger();
    return QApplication::clipboard()->text();
}

const QDate kToday = QDate::currentDate();

} // namespace

void SettingCardsTest::cardSaysWhatTheWindowShows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<DeviceSetting>("setting");
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("lowerIsOn");

    const auto row = [](const char* name, const char* item, WindowId id, QStringList steps,
                        DeviceSetting s, const char* options) {
        const bool lowerIsOn = id != WindowId::Intell && id != WindowId::dipDOR;
        QTest::newRow(name) << item << int(id) << steps << s << options << lowerIsOn;
    };
    using D = Device;
    row("orvo75 address 1", "dip", WindowId::Dip_DMX, {}, setting(D::Orvo75, 1), "none");
    row("orvo75 300, 6 Ch, terminator", "dip", WindowId::Dip_DMX, {"300", "Option24", "Check1"},
        setting(D::Orvo75, 300, 6, true), "6 Ch, Res. 120 ohm");
    row("orvo75 511, 3 Ch", "dip", WindowId::Dip_DMX, {"511", "Option23"},
        setting(D::Orvo75, 511, 3), "3 Ch");
    row("orvo75 master", "dip", WindowId::Dip_DMX,
        {"Option2", "Option5", "Option13", "Check2", "tick"}, master(D::Orvo75, 2, 5, true),
        "Ext. pushbotton, Speed 2, Show 5");
    row("orvo36 300, terminator", "dip36", WindowId::Dip_36, {"300", "Check1"},
        setting(D::Orvo36, 300, {}, true), "Res. 120 ohm");
    row("orvo36 511", "dip36", WindowId::Dip_36, {"511"}, setting(D::Orvo36, 511), "none");
    row("orvo36 master", "dip36", WindowId::Dip_36,
        {"Option2", "Option3", "Option25", "Check2", "tick"}, master(D::Orvo36, 0, 15, true),
        "Ext. pushbotton, Show 15, Speed 0");
    row("fluo 1, modulation", "dipfluo", WindowId::Dip_FLUO, {"Check3"},
        setting(D::Fluo, 1, {}, false, true), "1-100 % Modulation");
    row("fluo 300, terminator", "dipfluo", WindowId::Dip_FLUO, {"300", "Check1"},
        setting(D::Fluo, 300, {}, true), "Res. 120 ohm");
    row("fluo master", "dipfluo", WindowId::Dip_FLUO,
        {"Option2", "Option6", "Option17", "Check3", "tick"}, master(D::Fluo, 3, 9, false, true),
        "1-100 % Modulation, Speed 3, Show 9");
    row("intell 511, resistor", "dip2", WindowId::Intell, {"511", "Check1"},
        setting(D::Intell, 511, {}, true), "120 ohm resistor");
    row("intell 300", "dip2", WindowId::Intell, {"300"}, setting(D::Intell, 300), "none");
    row("intell master", "dip2", WindowId::Intell, {"Option2", "Option4", "Option10", "tick"},
        master(D::Intell, 1, 2), "Show 2, Speed 1");
    row("dor 300, resistor", "Dip3", WindowId::dipDOR, {"300", "Check1"},
        setting(D::Dor, 300, {}, true), "120 ohm resistor");
    row("dor 1", "Dip3", WindowId::dipDOR, {}, setting(D::Dor, 1), "none");
    row("dor master", "Dip3", WindowId::dipDOR, {"Option2", "Option15", "tick"},
        master(D::Dor, {}, 7), "CCT 7");
}

void SettingCardsTest::cardSaysWhatTheWindowShows()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QStringList, steps);
    QFETCH(DeviceSetting, setting);
    QFETCH(QString, options);
    QFETCH(bool, lowerIsOn);
    QVERIFY(!settingProblem(setting));

    QWidget* window = program_.open(item, WindowId(id));
    drive(window, steps);
    const QString text = copyCard(window);
    const QStringList lines = text.split(u'\n');

    QCOMPARE(lines.value(0), window->windowTitle());
    QCOMPARE(lines.value(1), QStringLiteral("Label: ") + kLabel);
    QVERIFY2(lines.contains(QStringLiteral("Options: ") + options), qPrintable(text));
    if (!setting.master)
        QVERIFY(lines.contains(QStringLiteral("DMX address: %1").arg(setting.address)));
    QCOMPARE(lines.contains(QStringLiteral("Mode: Master")), setting.master);
    // Each bank's line names the levers the window draws ON.
    QVERIFY(lines.contains(QStringLiteral("12-lever bank, Levers ON: ") +
                           asCardList(leversOn(window, lowerIsOn))));
    if (window->findChild<QWidget*>(QStringLiteral("Shape1(1)"))) {
        QVERIFY(lines.contains(QStringLiteral("4-lever bank, Levers ON: ") +
                               asCardList(leversOn(window, lowerIsOn, true))));
    }
    // The card made without a window, as the command line makes it, is the same card.
    QCOMPARE(QString::fromStdString(cardText(cardFor(setting, kLabel))), text);
    window->close();
}

void SettingCardsTest::pdfOfTheWindowIsThePdfOfTheSetting_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<DeviceSetting>("setting");
    QTest::addColumn<QString>("leversOn");
    QTest::addColumn<QString>("command"); // the same setting on the command line

    QTest::newRow("orvo75 300") << "dip" << int(WindowId::Dip_DMX) << QStringList{"300", "Option24"}
                                << setting(Device::Orvo75, 300, 6) << "3, 4, 6, 9, 11"
                                << "card orvo75 --address 300 --channels 6";
    QTest::newRow("dor master") << "Dip3" << int(WindowId::dipDOR)
                                << QStringList{"Option2", "Option12", "tick"}
                                << master(Device::Dor, {}, 4) << "4, 11, 12"
                                << "card dor --master --tune 4";
}

void SettingCardsTest::pdfOfTheWindowIsThePdfOfTheSetting()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QStringList, steps);
    QFETCH(DeviceSetting, setting);
    QFETCH(QString, leversOn);
    QFETCH(QString, command);

    QWidget* window = program_.open(item, WindowId(id));
    drive(window, steps);
    QTemporaryDir dir;
    const QString fromWindow = dir.filePath(QStringLiteral("window.pdf"));
    const QString fromSetting = dir.filePath(QStringLiteral("setting.pdf"));
    QString error;
    const SettingCard windowCard[] = {readCard(window, kLabel, kToday)};
    const SettingCard settingCard[] = {cardFor(setting, kLabel, kToday)};
    QVERIFY2(writeCardsPdf(fromWindow, windowCard, &error), qPrintable(error));
    QVERIFY2(writeCardsPdf(fromSetting, settingCard, &error), qPrintable(error));

    const std::optional<QString> text = pdfText(fromWindow);
    if (!text)
        QSKIP("pdftotext and pdftoppm (poppler-utils) are not installed");
    if (!setting.master)
        QVERIFY2(text->contains(QStringLiteral("DMX address: %1").arg(setting.address)),
                 qPrintable(*text));
    QVERIFY2(text->contains(QStringLiteral("Levers ON: ") + leversOn), qPrintable(*text));
    const std::optional<QImage> page = pdfPage(fromWindow);
    QVERIFY(page && !page->isNull());
    QCOMPARE(*page, *pdfPage(fromSetting));
    // The command line's card is the window's card.
    const QString fromCommand = dir.filePath(QStringLiteral("command.pdf"));
    const QStringList arguments =
        command.split(u' ') + QStringList{"--label", kLabel, "--out", fromCommand};
    QCOMPARE(QProcess::execute(QStringLiteral(VELANTRA_EXECUTABLE), arguments), 0);
    QCOMPARE(*page, *pdfPage(fromCommand));
    window->close();
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
    // Print shows the print dialog.
    child<QAction>(window, QLatin1String(kPrintAction))->trigger();
    QVERIFY2(answerer.seen.last().startsWith(u"QPrintDialog"),
             qPrintable(answerer.seen.join(u'|')));
}

void SettingCardsTest::keysOfTheTextBoxStayItsOwn()
{
    QWidget* window = program_.open(QStringLiteral("dip"), WindowId::Dip_DMX);
    QVERIFY(QTest::qWaitForWindowActive(window));
    typeInto(window, QStringLiteral("Text1"), QStringLiteral("42"));
    auto* text1 = child<QLineEdit>(window, QStringLiteral("Text1"));
    text1->setFocus();
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
    // The card's keys reach the window from the box.
    DialogAnswerer answerer;
    answerer.label = kLabel;
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::clipboard()->text().contains(u"DMX address: 42"));
    QCOMPARE(text1->text(), QStringLiteral("42"));
    // So does a right-click on a bank: the window's own menu, not the bank's.
    QWidget* bank = child(window, QStringLiteral("Shape1(0)"));
    QCOMPARE(bank->contextMenuPolicy(), Qt::DefaultContextMenu);
    window->close();
}

void SettingCardsTest::failedSaveLeavesNoPartialFile_data()
{
    QTest::addColumn<QString>("target"); // "%1" is a writable folder
    QTest::addColumn<bool>("fileSizeLimit");

    QTest::newRow("folder that cannot be written") << "/proc/card.pdf" << false;
    QTest::newRow("full device") << "/dev/full" << false;
    QTest::newRow("disk full over a previous file") << "%1/card.pdf" << true;
    QTest::newRow("a folder of that name") << "%1" << false;
}

void SettingCardsTest::failedSaveLeavesNoPartialFile()
{
    QFETCH(QString, target);
    QFETCH(bool, fileSizeLimit);
    QTemporaryDir dir;
    QString path = target;
    path.replace(QStringLiteral("%1"), dir.path());
    const QByteArray previous("the card saved yesterday");
    if (fileSizeLimit) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(previous);
    }
    const QStringList before = filesIn(dir.path());

    const SettingCard cards[] = {cardFor(setting(Device::Orvo75, 300), kLabel)};
    QString error;
    bool saved = true;
    if (fileSizeLimit) {
        // A disk that fills up after the first kilobyte.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        saved = writeCardsPdf(path, cards, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    } else {
        saved = writeCardsPdf(path, cards, &error);
    }
    QVERIFY(!saved);
    QVERIFY2(error.startsWith(QStringLiteral("Could not save ") + path + QStringLiteral(": ")),
             qPrintable(error));
    QCOMPARE(filesIn(dir.path()), before);
    if (fileSizeLimit) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), previous);
    }
    QVERIFY(QFileInfo(QStringLiteral("/dev/full")).exists() &&
            !QFileInfo(QStringLiteral("/dev/full")).isFile());
}

void SettingCardsTest::failedSaveIsReported()
{
    QWidget* window = program_.open(QStringLiteral("dipfluo"), WindowId::Dip_FLUO);
    DialogAnswerer answerer;
    answerer.file = QStringLiteral("/proc/card.pdf");
    child<QAction>(window, QLatin1String(kSavePdfAction))->trigger();
    QCOMPARE(answerer.seen.size(), 4); // label, file, message
    QVERIFY2(answerer.seen[2].startsWith(u"QMessageBox: Save as PDF"),
             qPrintable(answerer.seen[2]));
    QVERIFY2(answerer.seen[3].startsWith(u"Could not save /proc/card.pdf"),
             qPrintable(answerer.seen[3]));

    // Saved where it can be, the file is the card.
    QTemporaryDir dir;
    answerer.seen.clear();
    answerer.file = dir.filePath(QStringLiteral("fluo.pdf"));
    child<QAction>(window, QLatin1String(kSavePdfAction))->trigger();
    QCOMPARE(filesIn(dir.path()), QStringList{"fluo.pdf"});
    if (const std::optional<QString> text = pdfText(answerer.file))
        QVERIFY2(text->contains(u"Levers ON: 1"), qPrintable(*text));
    window->close();
}

VELANTRA_TEST_MAIN(SettingCardsTest)
#include "tst_settingcards.moc"
