// The Rig plan window driven as a user does: cells typed into, rows addressed, the plan saved,
// closed and opened again, bad files refused, and the question before unsaved work is lost.
#include "app/windowcatalogue.h"
#include "cards/cardreader.h"
#include "i18n/language.h"
#include "plan/devices.h"
#include "plan/leverstext.h"
#include "plan/plancards.h"
#include "plan/planfile.h"
#include "plan/plantablemodel.h"
#include "plan/plantext.h"
#include "plan/rigplanwindow.h"
#include "tests/support/guitest.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace velantra;
using namespace velantra::plan;
using velantra::LeverScheme;
using namespace Qt::StringLiterals;
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

// Answers "Address from…": the start (and the universe) typed, then Enter.
auto enterAddress(int start, int universe = -1)
{
    return [=](QWidget* dialog) {
        if (dialog->objectName() != u"addressFromDialog") {
            QTest::keyClick(dialog, Qt::Key_Return); // the note of the universes gone on to
            return;
        }
        if (universe >= 0) {
            auto* box = dialog->findChild<QSpinBox*>(QStringLiteral("addressUniverse"));
            box->selectAll();
            QTest::keyClicks(box, QString::number(universe));
        }
        auto* box = dialog->findChild<QSpinBox*>(QStringLiteral("addressStart"));
        box->selectAll();
        QTest::keyClicks(box, QString::number(start));
        QTest::keyClick(box, Qt::Key_Return);
    };
}

// Keys for the widget that has the focus, as a user at the keyboard types them.
void keys(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}
void key(Qt::Key which, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), which, modifiers);
}

// Runs each step on the dialog of its name once it is the active modal one, in order.
class KeyboardScript : public QObject
{
public:
    struct Step {
        QString dialog;
        std::function<void()> run;
    };
    explicit KeyboardScript(QList<Step> steps) : steps_(std::move(steps))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            // Back from a nested dialog, the offscreen platform gives the focus to nothing.
            if (dialog && !QApplication::focusWidget())
                dialog->activateWindow();
            if (next_ < steps_.size() && dialog && dialog->objectName() == steps_[next_].dialog &&
                QApplication::focusWidget() && QApplication::focusWidget()->window() == dialog)
                steps_[next_++].run();
        });
        timer_.start(0);
    }
    bool done() const { return next_ == steps_.size(); }

private:
    QList<Step> steps_;
    qsizetype next_ = 0;
    QTimer timer_;
};

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
    void wholeRigByKeyboardSavedExportedImported();
    void universesFilteredAndSorted();
    void openConfiguratorShowsWhatTypingShows_data();
    void openConfiguratorShowsWhatTypingShows();
    void patchListLeversAreTheCardsLevers_data();
    void patchListLeversAreTheCardsLevers();
    void paperAndRefusalsInTheLanguage_data();
    void paperAndRefusalsInTheLanguage();

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
    // The title as the window system shows it, "[*]" made "*" or nothing.
    QString title() { return window()->windowHandle()->title(); }
    // Moves to the cell with the keys, from the top left.
    void goTo(int row, int column)
    {
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(table(), Qt::Key_Down);
        for (int i = 0; i < column; ++i)
            QTest::keyClick(table(), Qt::Key_Right);
    }

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
    QCOMPARE(title(), "Untitled - Rig plan");
    command("rowAdd");
    edit(0, Label, "Bar 1");
    edit(0, Channels, "6");
    command("rowAdd");
    QCOMPARE(cell(1, Start), "7"); // the next free address
    edit(1, DeviceColumn, "Intelligent RGB");
    QCOMPARE(cell(1, Problems), "no channel count");
    edit(1, Channels, "12");
    edit(1, Start, "5");
    QCOMPARE(title(), "Untitled* - Rig plan");
    QCOMPARE(rowTexts(), "Bar 1|ORVO 75|DMX (slave), 6 Ch|6|1|1|6|"
                         "channels 1\u20136 overlap row 2 (5\u201316)\n"
                         "|Intelligent RGB|DMX (slave)|12|1|5|16|"
                         "channels 5\u201316 overlap row 1 \u201cBar 1\u201d (1\u20136)");
    QCOMPARE(status(), "2 rows \u00b7 1 universe \u00b7 1 problem in 2 rows");
    edit(1, Start, "505");
    QCOMPARE(cell(1, Problems), "ends at 516, beyond 512");
    QCOMPARE(cell(0, Problems), "");
    QCOMPARE(status(), "2 rows \u00b7 1 universe \u00b7 1 problem in 1 row");
    edit(1, Universe, "2");
    QCOMPARE(status(), "2 rows \u00b7 2 universes \u00b7 1 problem in 1 row");
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
        DialogAnswerer answer(enterAddress(100));
        command("addressFrom");
    }
    QCOMPARE(cell(1, Start) + u' ' + cell(2, Start), "100 103");
    table()->clearSelection();
    {
        DialogAnswerer answer(enterAddress(1));
        command("addressFrom");
    }
    QCOMPARE(cell(3, Start) + u'-' + cell(3, End), "16-18"); // after 6 + 3 + 6 channels from 1
    table()->selectRow(0);
    {
        DialogAnswerer answer(enterNumber(2));
        command("rowDuplicate");
    }
    QCOMPARE(table()->model()->rowCount(), 6);
    QCOMPARE(status(),
             "6 rows \u00b7 1 universe \u00b7 3 problems in 3 rows"); // rows 1-3 share 1-6

    // From 507 on universe 4: the first block fits, the second goes on to universe 5, and the
    // window says where.
    table()->clearSelection();
    DialogAnswerer answer(enterAddress(507, 4));
    command("addressFrom");
    QCOMPARE(cell(0, Universe) + u'.' + cell(0, Start) + u' ' + cell(1, Universe) + u'.' +
                 cell(1, Start),
             "4.507 5.1");
    QCOMPARE(answer.texts, QStringList{"Blocks that did not fit went on to the next universe:\n"
                                       "row 2 starts universe 5."});
}

void PlanWindowTest::saveCloseOpenGivesTheSamePlan()
{
    std::vector<PlanRow> rig(3);
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
    window()->model().replacePlan({.rows = rig});
    const QString shown = rowTexts();
    const QString path = dir_.filePath(QStringLiteral("rig.json"));
    QVERIFY(window()->saveTo(path));
    QCOMPARE(title(), "rig.json - Rig plan");
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
    QVERIFY(samePlan(window()->model().plan(), {.rows = rig}));
    QCOMPARE(title(), "rig.json - Rig plan");
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
            rig.rows.push_back(row);
        }
        window()->model().replacePlan(rig);
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
    QCOMPARE(loadPlanFile(path).plan->rows.size(), saved ? 1u : 0u);
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
    QTest::newRow("version 3") << QByteArray(R"({"format": "velantra-rig", "version": 3})")
                               << "bad.json: plan format version 3 cannot be read";
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
    const QString title = this->title();
    QFile bad(dir_.filePath(QStringLiteral("bad.json")));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(bytes) == bytes.size());
    bad.close();
    DialogAnswerer answerer(clickButton(QMessageBox::Ok));
    QVERIFY(!window()->openFile(bad.fileName()));
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts[0].contains(message), qPrintable(answerer.texts[0]));
    QCOMPARE(rowTexts(), before);
    QCOMPARE(this->title(), title);
    QCOMPARE(window()->filePath(), good);
}

void PlanWindowTest::copyAsText()
{
    command("rowAdd");
    edit(0, Label, "Bar 1");
    edit(0, Channels, "3");
    command("copyText");
    QCOMPARE(QApplication::clipboard()->text(),
             "Label\tDevice\tMode and options\tChannels\tUniverse\tStart\tEnd\n"
             "Bar 1\tORVO 75\tDMX (slave), 3 Ch\t3\t1\t1\t3\n");
}

// A plan of three universes mixing our devices with two fixture types of other makers, built
// with the keyboard alone, saved and opened, exported as a patch list and imported: the same
// plan each time, and the table never reset while it was built.
void PlanWindowTest::wholeRigByKeyboardSavedExportedImported()
{
    QSignalSpy resets(&window()->model(), &QAbstractItemModel::modelReset);
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    const auto typeEditor = [](const char* name, const char* channels, int levers, bool down,
                               bool minusOne, const char* functions) {
        return [=] {
            keys(QString::fromUtf8(name));
            key(Qt::Key_Tab);
            key(Qt::Key_A, Qt::ControlModifier);
            keys(QString::fromLatin1(channels));
            key(Qt::Key_Tab);
            key(Qt::Key_Space); // it has address levers
            key(Qt::Key_Tab);
            key(Qt::Key_A, Qt::ControlModifier);
            keys(QString::number(levers));
            key(Qt::Key_Tab, Qt::NoModifier, 2); // the lowest bit stays on lever 1
            key(Qt::Key_Down, Qt::NoModifier, down ? 1 : 0);
            key(Qt::Key_Tab);
            key(Qt::Key_Down, Qt::NoModifier, minusOne ? 1 : 0);
            key(Qt::Key_Tab);
            keys(QString::fromUtf8(functions));
            key(Qt::Key_Return);
        };
    };
    {
        KeyboardScript script({
            {"fixtureTypes", [] { key(Qt::Key_A, Qt::AltModifier); }},
            {"fixtureTypeEditor", typeEditor("Acme Par 9", "7", 9, true, false, "")},
            {"fixtureTypes", [] { key(Qt::Key_A, Qt::AltModifier); }},
            {"fixtureTypeEditor",
             typeEditor("Lumo Bar 10", "16", 10, false, true, "10: stand-alone")},
            {"fixtureTypes", [] { key(Qt::Key_Escape); }},
        });
        QTest::keyClick(table(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(script.done());
    }
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    // F2 and the keys into a cell's editor, then Enter.
    const auto cellKeys = [&](int row, int column, const std::function<void()>& typing) {
        goTo(row, column);
        QTest::keyClick(table(), Qt::Key_F2);
        typing();
        key(Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    const auto number = [](const char* digits) {
        return [=] {
            key(Qt::Key_A, Qt::ControlModifier);
            keys(QString::fromLatin1(digits));
        };
    };
    const auto choice = [](int index) {
        return [=] {
            key(Qt::Key_Home);
            key(Qt::Key_Down, Qt::NoModifier, index);
        };
    };
    table()->setFocus();
    QTest::keyClick(table(), Qt::Key_Insert, Qt::ControlModifier);
    cellKeys(0, Channels, [] { key(Qt::Key_Down); }); // 6 Ch
    QTest::keyClick(table(), Qt::Key_Insert, Qt::ControlModifier);
    cellKeys(1, DeviceColumn, choice(5)); // our five devices, then the plan's types
    cellKeys(1, Universe, number("2"));
    cellKeys(1, Start, number("1"));
    QTest::keyClick(table(), Qt::Key_Insert, Qt::ControlModifier);
    cellKeys(2, DeviceColumn, choice(6));
    cellKeys(2, Universe, number("3"));
    cellKeys(2, Start, number("1"));
    QTest::keyClick(table(), Qt::Key_Insert, Qt::ControlModifier); // on universe 3 after 1–16
    cellKeys(3, DeviceColumn, choice(3));
    cellKeys(3, Channels, number("9"));
    QCOMPARE(resets.count(), 0);

    RigPlan expected;
    expected.types.push_back({"Acme Par 9", 7, LeverScheme{.levers = 9, .onUp = false}});
    expected.types.push_back(
        {"Lumo Bar 10", 16,
         LeverScheme{.levers = 10, .addressMinusOne = true, .named = {{10, "stand-alone"}}}});
    expected.rows = {newRow(Device::Orvo75), newTypeRow(0), newTypeRow(1), newRow(Device::Intell)};
    expected.rows[0].setting.channels = 6;
    expected.rows[1].universe = 2;
    expected.rows[2].universe = 3;
    expected.rows[3].universe = 3;
    expected.rows[3].setting.address = 17;
    expected.rows[3].typedChannels = 9;
    QVERIFY2(samePlan(window()->model().plan(), expected),
             qPrintable(QString::fromStdString(planAsText(window()->model().plan()))));
    QCOMPARE(status(), "4 rows \u00b7 3 universes \u00b7 No problems");

    // A type in use is not deleted, and the message names its rows.
    {
        KeyboardScript script({
            {"fixtureTypes", [] { key(Qt::Key_Delete); }},
            {"fixtureTypes", [] { key(Qt::Key_Escape); }},
        });
        MessageBoxAnswerer told; // reads the message and answers it
        QTest::keyClick(table(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(script.done());
        QCOMPARE(told.texts(), QStringList{"The fixture type \u201cAcme Par 9\u201d is in use and "
                                           "is not deleted.\nUsed by: row 2."});
    }
    QCOMPARE(window()->model().plan().types.size(), 2u);

    const QString path = dir_.filePath(QStringLiteral("rig.json"));
    QVERIFY(window()->saveTo(path));
    QVERIFY(window()->openFile(path));
    QVERIFY(samePlan(window()->model().plan(), expected));
    const QString csv = dir_.filePath(QStringLiteral("patch.csv"));
    QVERIFY(window()->exportCsvTo(csv));
    KeyboardScript import({{"csvImport", [] { key(Qt::Key_I, Qt::AltModifier); }}});
    QVERIFY(window()->importCsvFrom(csv));
    QVERIFY(import.done());
    QVERIFY(samePlan(window()->model().plan(), expected));
    QCOMPARE(title(), "Untitled* - Rig plan");
}

// The universe filter shows one universe's rows; a header click sorts the view, not the plan;
// sorting the plan keeps the selected row selected.
void PlanWindowTest::universesFilteredAndSorted()
{
    RigPlan rig;
    for (const auto& [label, universe, start] :
         {std::tuple{"c", 3, 1}, {"a", 1, 20}, {"b", 2, 1}, {"d", 1, 1}}) {
        PlanRow row = newRow(Device::Orvo75);
        row.label = label;
        row.universe = universe;
        row.setting.address = start;
        rig.rows.push_back(row);
    }
    window()->model().replacePlan(rig);
    auto* filter = child<QLineEdit>(window(), "universeFilter");
    QTest::keyClicks(filter, QStringLiteral("1"));
    QCOMPARE(table()->model()->rowCount(), 2);
    QCOMPARE(cell(0, Label) + cell(1, Label), "ad");
    QTest::keyClicks(filter, QStringLiteral("x")); // not a universe: not taken
    QCOMPARE(filter->text(), "1");
    QTest::keyClick(filter, Qt::Key_Backspace);
    QCOMPARE(table()->model()->rowCount(), 4);

    QHeaderView* header = table()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(Label) + 5, 5));
    QCOMPARE(cell(0, Label) + cell(1, Label) + cell(2, Label) + cell(3, Label), "abcd");
    QCOMPARE(window()->model().plan().rows[0].label, "c"); // the plan keeps its order
    header->setSortIndicator(-1, Qt::AscendingOrder);
    QCOMPARE(cell(0, Label), "c");

    table()->selectRow(2); // "b"
    command("rowSort");
    QStringList order;
    for (const PlanRow& row : window()->model().plan().rows)
        order << QString::fromStdString(row.label);
    QCOMPARE(order.join(QString()), "dabc");
    const QModelIndexList selected = table()->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].data().toString(), "b");
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
    window()->model().replacePlan({.rows = {row}});
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

void PlanWindowTest::patchListLeversAreTheCardsLevers_data()
{
    openConfiguratorShowsWhatTypingShows_data();
}

// The patch list's "levers ON" of a row is what its setting card says, bank by bank.
void PlanWindowTest::patchListLeversAreTheCardsLevers()
{
    QFETCH(int, device);
    QFETCH(QString, options);
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
    const cards::SettingCard card = cards::cardFor(row.setting, {});
    QStringList banks;
    for (const cards::BankDrawing& bank : card.banks)
        banks << QString::fromStdString(card.banks.size() > 1 ? bank.name + ": " : "") +
                     QString::fromStdString(cards::leversOnText(bank)).remove(u"Levers ON: "_s);
    QCOMPARE(QString::fromStdString(rowLeversOn({.rows = {row}}, row)), banks.join(u"; "_s));
}

} // namespace

void PlanWindowTest::paperAndRefusalsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("origin");  // of the card of the row on universe 2
    QTest::addColumn<QString>("heading"); // of the patch sheet's section
    QTest::addColumn<QString>("refusal"); // of a plan with a key given twice in a row
    QTest::newRow("en") << "en"
                        << "Plan: 50%2.json, row 1, universe 2"
                        << "Universe 2"
                        << "plan.json: row 1: \"address\" is given twice";
    QTest::newRow("de") << "de"
                        << "Plan: 50%2.json, Zeile 1, Universum 2"
                        << "Universum 2"
                        << "plan.json: Zeile 1: \u201eaddress\u201c";
    QTest::newRow("fr") << "fr"
                        << "Plan : 50%2.json, ligne 1, univers 2"
                        << "Univers 2"
                        << "plan.json: ligne 1 : ";
    QTest::newRow("nl") << "nl"
                        << "Plan: 50%2.json, rij 1, universum 2"
                        << "Universum 2"
                        << "plan.json: rij 1: ";
}

// The plan's cards, patch sheet and refusals in the installer's language, the plan's name kept
// as it is even where it looks like a placeholder.
void PlanWindowTest::paperAndRefusalsInTheLanguage()
{
    QFETCH(QString, language);
    QCOMPARE(i18n::setLanguage(language), language);
    const auto english = qScopeGuard([] { i18n::setLanguage(QStringLiteral("en")); });
    PlanRow row = newRow(Device::Dor);
    row.universe = 2;
    row.setting.address = 10;
    const RigPlan plan{.rows = {row}};
    QString error;
    const auto cards = planCards(plan, QStringLiteral("50%2.json"), &error);
    QVERIFY2(cards, qPrintable(error));
    QTEST(QString::fromStdString(cards->front().origin), "origin");
    const cards::PatchSheet sheet = patchSheet(plan, QStringLiteral("50%2.json"));
    QCOMPARE(sheet.sections.size(), 1u);
    QTEST(QString::fromStdString(sheet.sections.front().heading), "heading");
    const ReadResult read = readPlan(
        R"({"format": "velantra-rig", "version": 2, "rows": [{"label": "", "device": "dor",
            "mode": "dmx", "address": 1, "address": 600}]})",
        QStringLiteral("plan.json"));
    QFETCH(QString, refusal);
    QVERIFY2(read.error.startsWith(refusal), qPrintable(read.error));
}

VELANTRA_TEST_MAIN(PlanWindowTest)
#include "tst_rigplanwindow.moc"
