// The Rig plan window driven as a user does: cells typed into, rows addressed, the plan saved,
// closed and opened again, bad files refused, and the question before unsaved work is lost.
#include "app/windowcatalogue.h"
#include "cards/cardreader.h"
#include "plan/devices.h"
#include "plan/planfile.h"
#include "plan/plantablemodel.h"
#include "plan/plantext.h"
#include "plan/rigplanwindow.h"
#include "tests/support/guitest.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace velantra;
using namespace velantra::plan;
using namespace velantra::test;

namespace
{

// Answers the next modal dialog with `answer` as soon as it is open, and keeps what it showed.
class DialogAnswerer : public QObject
{
public:
    explicit DialogAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                if (auto* box = qobject_cast<QMessageBox*>(dialog))
                    texts << box->text();
                answer_(dialog);
            }
        });
        timer_.start(0);
    }
    QStringList texts;

private:
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
};

// Exit asks the event loop to end; none runs in a test, so the request would stay and end every
// later dialog at once. Running a loop once takes it back.
void takeBackExit()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

auto clickButton(QMessageBox::StandardButton which)
{
    return [which](QWidget* dialog) {
        QTest::mouseClick(static_cast<QMessageBox*>(dialog)->button(which), Qt::LeftButton);
    };
}

auto enterNumber(int value)
{
    return [value](QWidget* dialog) {
        auto* input = static_cast<QInputDialog*>(dialog);
        input->setIntValue(value);
        input->accept();
    };
}

class PlanWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editsShowProblemsInTheRow();
    void addressFromSelectedRows();
    void saveCloseOpenGivesTheSamePlan();
    void anyPlanSavedOpensAgain();
    void unsavedPlanAsksBeforeItIsLost_data();
    void unsavedPlanAsksBeforeItIsLost();
    void exitAsksOnlyAboutAnUnsavedPlan();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void copyAsText();
    void openConfiguratorShowsWhatTypingShows_data();
    void openConfiguratorShowsWhatTypingShows();

private:
    RigPlanWindow* window() { return static_cast<RigPlanWindow*>(planWindow_.data()); }
    QTableView* table() { return &window()->table(); }
    void command(const char* name) { child<QAction>(window(), QLatin1String(name))->trigger(); }
    // Types into a cell through its editor, as F2, the new value and Enter do.
    void edit(int row, int column, const QVariant& value);
    QString cell(int row, int column)
    {
        return table()->model()->index(row, column).data().toString();
    }
    QString rowTexts();
    QString status() { return child<QLabel>(window(), "planStatus")->text(); }

    std::unique_ptr<ProgramFixture> program_;
    QPointer<QWidget> planWindow_;
    QTemporaryDir dir_;
};

void PlanWindowTest::init()
{
    program_ = std::make_unique<ProgramFixture>();
    program_->trigger(QStringLiteral("rigplan"));
    planWindow_ = QApplication::activeWindow();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"RigPlan" && w->isVisible())
            planWindow_ = w;
    QVERIFY(qobject_cast<RigPlanWindow*>(planWindow_.data()));
}

void PlanWindowTest::cleanup()
{
    if (planWindow_) {
        DialogAnswerer discard(clickButton(QMessageBox::Discard));
        window()->close();
    }
    program_.reset();
}

void PlanWindowTest::edit(int row, int column, const QVariant& value)
{
    table()->setCurrentIndex(table()->model()->index(row, column));
    QTest::keyClick(table(), Qt::Key_F2);
    QWidget* editor = table()->indexWidget(table()->currentIndex());
    if (!editor) {
        const auto editors =
            table()->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        editor = editors.isEmpty() ? nullptr : editors.constLast();
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(list->findText(value.toString()));
        QTest::keyClick(list, Qt::Key_Return);
    } else if (auto* box = qobject_cast<QSpinBox*>(editor)) {
        box->selectAll();
        QTest::keyClicks(box, value.toString());
        QTest::keyClick(box, Qt::Key_Return);
    } else {
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, value.toString());
        QTest::keyClick(editor, Qt::Key_Return);
    }
    // The view takes the value in and closes the editor when its event loop next runs.
    QCoreApplication::processEvents();
}

QString PlanWindowTest::rowTexts()
{
    QStringList rows;
    for (int r = 0; r < table()->model()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells << cell(r, c);
        rows << cells.join(u'|');
    }
    return rows.join(u'\n');
}

void PlanWindowTest::editsShowProblemsInTheRow()
{
    QCOMPARE(window()->windowTitle(), "Untitled - Rig plan");
    command("rowAdd");
    edit(0, Label, "Bar 1");
    edit(0, Channels, "6");
    command("rowAdd");
    QCOMPARE(cell(1, Start), "7"); // the next free address
    edit(1, DeviceColumn, "Intelligent RGB");
    QCOMPARE(cell(1, Problems), "no channel count");
    edit(1, Channels, "12");
    edit(1, Start, "5");
    QCOMPARE(window()->windowTitle(), "Untitled* - Rig plan");
    QCOMPARE(rowTexts(), "Bar 1|ORVO 75|DMX (slave), 6 Ch|6|1|6|"
                         "channels 1\u20136 overlap row 2 (5\u201316)\n"
                         "|Intelligent RGB|DMX (slave)|12|5|16|"
                         "channels 5\u201316 overlap row 1 \u201cBar 1\u201d (1\u20136)");
    QCOMPARE(status(), "2 rows \u00b7 1 problem in 2 rows");
    edit(1, Start, "505");
    QCOMPARE(cell(1, Problems), "ends at 516, beyond 512");
    QCOMPARE(cell(0, Problems), "");
    QCOMPARE(status(), "2 rows \u00b7 1 problem in 1 row");
}

void PlanWindowTest::addressFromSelectedRows()
{
    for (int i = 0; i < 4; ++i)
        command("rowAdd");
    for (int r = 0; r < 4; ++r)
        edit(r, Channels, r % 2 ? "3" : "6");
    table()->selectRow(1);
    table()->selectionModel()->select(table()->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    {
        DialogAnswerer answer(enterNumber(100));
        command("addressFrom");
    }
    QCOMPARE(cell(1, Start) + u' ' + cell(2, Start), "100 103");
    table()->clearSelection();
    {
        DialogAnswerer answer(enterNumber(1));
        command("addressFrom");
    }
    QCOMPARE(cell(3, Start) + u'-' + cell(3, End), "16-18"); // after 6 + 3 + 6 channels from 1
    table()->selectRow(0);
    {
        DialogAnswerer answer(enterNumber(2));
        command("rowDuplicate");
    }
    QCOMPARE(table()->model()->rowCount(), 6);
    QCOMPARE(status(), "6 rows \u00b7 3 problems in 3 rows"); // rows 1-3 share 1-6
}

void PlanWindowTest::saveCloseOpenGivesTheSamePlan()
{
    RigPlan rig(3);
    rig[0] = newRow(Device::Fluo);
    rig[0].label = "Stairs";
    rig[0].typedChannels = 4;
    rig[0].setting.address = 44;
    rig[0].setting.terminator = true;
    rig[0].setting.modulation = true;
    rig[1] = newRow(Device::Orvo75);
    rig[1].setting.master = true;
    rig[1].setting.speed = 3;
    rig[1].setting.show = 12;
    rig[1].setting.pushbutton = true;
    rig[2] = newRow(Device::Dor);
    rig[2].setting.master = true;
    rig[2].setting.tune = 7;
    window()->model().change([&](RigPlan& p) { p = rig; });
    const QString shown = rowTexts();
    const QString path = dir_.filePath(QStringLiteral("rig.json"));
    QVERIFY(window()->saveTo(path));
    QCOMPARE(window()->windowTitle(), "rig.json - Rig plan");
    QVERIFY(window()->close());
    QTRY_VERIFY(planWindow_.isNull());

    program_->trigger(QStringLiteral("rigplan"));
    planWindow_ = QApplication::topLevelWidgets().constLast();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"RigPlan")
            planWindow_ = w;
    QCOMPARE(table()->model()->rowCount(), 0);
    QVERIFY(window()->openFile(path));
    QCOMPARE(rowTexts(), shown);
    QVERIFY(samePlan(window()->model().plan(), rig));
    QCOMPARE(window()->windowTitle(), "rig.json - Rig plan");
}

// Whatever labels are typed or pasted into the table, and whatever rows it holds, the plan it
// saves opens again as it was: the table takes only what the file reader takes.
void PlanWindowTest::anyPlanSavedOpensAgain()
{
    // Letters, spaces, accents, a character beyond 16 bits, and the controls a paste brings in.
    const QStringList pieces{"a",  "Z",  " ",       "  ",   "\u00e9", "\u4e2d", "\U0001F600",
                             "\n", "\t", "\x1b[1m", "\x7f", "\u0085", "\"",     "\\"};
    QRandomGenerator random(2021);
    const QString path = dir_.filePath(QStringLiteral("random.json"));
    QAbstractItemModel* model = table()->model();
    for (int round = 0; round < 40; ++round) {
        RigPlan rig;
        const int rows = random.bounded(1, 8);
        for (int r = 0; r < rows; ++r) {
            PlanRow row = newRow(kDevices[random.bounded(int(kDevices.size()))].device);
            row.setting.master = random.bounded(2) == 1;
            if (!row.setting.master)
                row.setting.address = random.bounded(kFirstStart, kMaxStart + 1);
            rig.push_back(row);
        }
        window()->model().change([&](RigPlan& p) { p = rig; });
        for (int r = 0; r < rows; ++r) {
            QString label;
            const int length = random.bounded(0, 70);
            for (int i = 0; i < length; ++i)
                label += pieces[random.bounded(int(pieces.size()))];
            model->setData(model->index(r, Label), label);
        }
        const RigPlan shown = window()->model().plan();
        MessageBoxAnswerer refusal; // a plan refused says why, and the test fails at once
        QVERIFY2(window()->saveTo(path), qPrintable(refusal.texts().join(u'\n')));
        QVERIFY2(window()->openFile(path), qPrintable(refusal.texts().join(u'\n')));
        QVERIFY2(samePlan(window()->model().plan(), shown),
                 qPrintable(QString::fromStdString(planAsText(window()->model().plan()) + "\n" +
                                                   planAsText(shown))));
    }
}

void PlanWindowTest::unsavedPlanAsksBeforeItIsLost_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("planStays");
    QTest::addColumn<bool>("saved");
    const auto row = [](const char* name, const char* command, QMessageBox::StandardButton answer,
                        bool planStays, bool saved) {
        QTest::newRow(name) << command << int(answer) << planStays << saved;
    };
    row("close, cancel", "planClose", QMessageBox::Cancel, true, false);
    row("close, discard", "planClose", QMessageBox::Discard, false, false);
    row("close, save", "planClose", QMessageBox::Save, false, true);
    row("new, cancel", "planNew", QMessageBox::Cancel, true, false);
    row("new, discard", "planNew", QMessageBox::Discard, false, false);
}

void PlanWindowTest::unsavedPlanAsksBeforeItIsLost()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, planStays);
    QFETCH(bool, saved);
    const QString path = dir_.filePath(QStringLiteral("asked.json"));
    QVERIFY(window()->saveTo(path));
    this->command("rowAdd");
    DialogAnswerer answerer(clickButton(QMessageBox::StandardButton(answer)));
    child<QAction>(window(), command)->trigger();
    QCOMPARE(answerer.texts, QStringList{"The plan asked.json has unsaved changes. Save them?"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool stays = planWindow_ && table()->model()->rowCount() == 1;
    QCOMPARE(stays, planStays);
    QCOMPARE(loadPlanFile(path).plan->size(), saved ? 1u : 0u);
}

void PlanWindowTest::exitAsksOnlyAboutAnUnsavedPlan()
{
    QWidget* dip = program_->open(QStringLiteral("dip"), WindowId::Dip_DMX);
    command("rowAdd");
    {
        DialogAnswerer answerer(clickButton(QMessageBox::Cancel));
        program_->trigger(QStringLiteral("exit"));
        QCOMPARE(answerer.texts.size(), 1);
    }
    QVERIFY(planWindow_ && program_->main().isVisible() && dip->isVisible());
    {
        DialogAnswerer answerer(clickButton(QMessageBox::Discard));
        program_->trigger(QStringLiteral("exit"));
        QCOMPARE(answerer.texts.size(), 1);
    }
    takeBackExit();
    QVERIFY(planWindow_.isNull() && !program_->registry().window(WindowId::Dip_DMX));
    QVERIFY(!program_->main().isVisible());

    // Without unsaved changes Exit ends at once.
    program_->main().show();
    program_->trigger(QStringLiteral("rigplan"));
    DialogAnswerer answerer(clickButton(QMessageBox::Cancel));
    program_->trigger(QStringLiteral("exit"));
    takeBackExit();
    QCOMPARE(answerer.texts, QStringList());
    QVERIFY(!program_->main().isVisible());
}

void PlanWindowTest::badFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray head = R"({"format": "velantra-rig", "version": 1, "rows": [)";
    QTest::newRow("not JSON") << QByteArray("Label\tDevice")
                              << "bad.json: not a plan file: the JSON text is broken at byte 1";
    QTest::newRow("version 2") << QByteArray(R"({"format": "velantra-rig", "version": 2})")
                               << "bad.json: plan format version 2 cannot be read";
    QTest::newRow("wrong type in row 2")
        << head + R"({"label": "", "device": "dor", "mode": "dmx", "address": 1},
                     {"label": "", "device": "dor", "mode": "dmx", "address": true}]})"
        << "bad.json: row 2: \"address\" must be a whole number from 1 to 999999";
    QTest::newRow("truncated") << head + R"({"label": "", "device": "dor", "mode": "dmx", "addr)"
                               << "bad.json: not a plan file: the JSON text is broken at byte";
    QTest::newRow("megabyte of nonsense")
        << QByteArray(1 << 20, 'x') << "bad.json: not a plan file";
}

void PlanWindowTest::badFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString good = dir_.filePath(QStringLiteral("good.json"));
    command("rowAdd");
    edit(0, Label, "Keep me");
    QVERIFY(window()->saveTo(good));
    edit(0, Start, "40");
    const QString before = rowTexts();
    const QString title = window()->windowTitle();
    QFile bad(dir_.filePath(QStringLiteral("bad.json")));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(bytes) == bytes.size());
    bad.close();
    DialogAnswerer answerer(clickButton(QMessageBox::Ok));
    QVERIFY(!window()->openFile(bad.fileName()));
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts[0].contains(message), qPrintable(answerer.texts[0]));
    QCOMPARE(rowTexts(), before);
    QCOMPARE(window()->windowTitle(), title);
    QCOMPARE(window()->filePath(), good);
}

void PlanWindowTest::copyAsText()
{
    command("rowAdd");
    edit(0, Label, "Bar 1");
    edit(0, Channels, "3");
    command("copyText");
    QCOMPARE(QApplication::clipboard()->text(),
             "Label\tDevice\tMode and options\tChannels\tStart\tEnd\n"
             "Bar 1\tORVO 75\tDMX (slave), 3 Ch\t3\t1\t3\n");
}

void PlanWindowTest::openConfiguratorShowsWhatTypingShows_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("options"); // in the table
    QTest::addColumn<QString>("typed");   // Text1, then the controls clicked by hand
    QTest::newRow("ORVO 75 at 300, 6 Ch, terminator") << int(Device::Orvo75) << "dip"
                                                      << "300 6 T"
                                                      << "300 Option24 Check1";
    QTest::newRow("ORVO 36 at 511") << int(Device::Orvo36) << "dip36"
                                    << "511"
                                    << "511";
    QTest::newRow("FLUO at 44, modulation, terminator") << int(Device::Fluo) << "dipfluo"
                                                        << "44 M T"
                                                        << "44 Check3 Check1";
    QTest::newRow("RGB at 129, resistor") << int(Device::Intell) << "dip2"
                                          << "129 T"
                                          << "129 Check1";
    QTest::newRow("DOR master, CCT 7") << int(Device::Dor) << "Dip3"
                                       << "master 7"
                                       << "1 Option2 Option15";
}

void PlanWindowTest::openConfiguratorShowsWhatTypingShows()
{
    QFETCH(int, device);
    QFETCH(QString, item);
    QFETCH(QString, options);
    QFETCH(QString, typed);
    PlanRow row = newRow(Device(device));
    const QStringList words = options.split(u' ');
    row.setting.master = words[0] == u"master";
    if (row.setting.master)
        row.setting.tune = words[1].toInt();
    else
        row.setting.address = words[0].toInt();
    row.setting.channels = words.contains(u"6") ? std::optional<int>(6) : std::nullopt;
    row.setting.terminator = words.contains(u"T");
    row.setting.modulation = words.contains(u"M");
    window()->model().change([&](RigPlan& p) { p = {row}; });
    table()->selectRow(0);
    command("openConfigurator");
    const WindowId id = entryShownBy(item.toStdString())->id;
    QPointer<QWidget> fromPlan = program_->registry().window(id);
    QVERIFY(fromPlan && fromPlan->isVisible());
    // What the window shows: its mode, address, choices and the levers of every bank.
    const auto levers = [](QWidget* w) {
        return QString::fromStdString(cards::cardText(cards::readCard(w, {}, QDate(2026, 1, 1))));
    };
    const QString shown = levers(fromPlan);
    fromPlan->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(fromPlan.isNull());

    QWidget* byHand = program_->open(item, id);
    const QStringList steps = typed.split(u' ');
    paste(byHand, QStringLiteral("Text1"), steps[0]);
    for (const QString& control : steps.mid(1))
        click(byHand, control);
    if (steps.contains(u"Option2"))
        tick(byHand); // master mode draws its choices at the timer's tick

    QCOMPARE(shown, levers(byHand));
}

} // namespace

VELANTRA_TEST_MAIN(PlanWindowTest)
#include "tst_rigplanwindow.moc"
