// What a screen reader is told must be true: the control that gets the focus is the one named,
// an arrow moves to the next option on screen, a box's value is read whole, a figure over its
// limit says so, and the card menu opens from the keyboard.
#include "cards/cardactions.h"
#include "tests/cards/dialoganswerer.h"
#include "tests/support/guitest.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QMenu>

using namespace velantra;
using namespace velantra::test;

namespace
{

// Records each widget that receives the focus.
class FocusLog : public QObject
{
public:
    FocusLog() { qApp->installEventFilter(this); }
    ~FocusLog() override { qApp->removeEventFilter(this); }
    QList<QWidget*> taken;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            taken << static_cast<QWidget*>(watched);
        return false;
    }
};

QString captionOf(QWidget* widget)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    return button ? button->text().trimmed() : widget->objectName();
}

QWidget* shown(ProgramFixture& program, const QString& item, int id)
{
    QWidget* window = program.open(item, WindowId(id));
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the window did not become active");
    return window;
}

} // namespace

class ScreenReaderTruthTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { program_ = std::make_unique<ProgramFixture>(); }
    void cleanup() { program_.reset(); }
    void tabGivesTheFocusOnce_data();
    void tabGivesTheFocusOnce();
    void arrowsMoveInScreenOrder_data();
    void arrowsMoveInScreenOrder();
    void boxValueIsReadWhole_data();
    void boxValueIsReadWhole();
    void figureOverItsLimitSaysSo();
    void countBoxesByShortcut_data();
    void countBoxesByShortcut();
    void cardMenuFromTheKeyboard_data();
    void cardMenuFromTheKeyboard();
    void copyIsConfirmed();
    void showListIsATable();

private:
    std::unique_ptr<ProgramFixture> program_;
};

void ScreenReaderTruthTest::tabGivesTheFocusOnce_data()
{
    addWindowRows({WindowKind::Configurator, WindowKind::Power});
}

// A screen reader names each control that takes the focus: all the way round the tab order, in
// either mode, Tab and Shift+Tab give it to one control only, the one that keeps it.
void ScreenReaderTruthTest::tabGivesTheFocusOnce()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QWidget* window = shown(*program_, item, id);
    for (const char* mode : {"Option1", "Option2"}) {
        click(window, mode);
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int i = 0; i < 90; ++i) {
                FocusLog log;
                QTest::keyClick(QApplication::focusWidget(), key);
                QStringList taken;
                for (QWidget* w : log.taken)
                    taken << captionOf(w);
                QCOMPARE(taken, QStringList{captionOf(QApplication::focusWidget())});
            }
        }
    }
}

void ScreenReaderTruthTest::arrowsMoveInScreenOrder_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("ORVO 75 shows")
        << "dip" << int(WindowId::Dip_DMX) << "Option9" << QStringList{"Show 2", "Show 3"};
    QTest::newRow("ORVO 75 shows, to the next column")
        << "dip" << int(WindowId::Dip_DMX) << "Option15" << QStringList{"Show 8", "Show 9"};
    QTest::newRow("DOR colour temperatures")
        << "Dip3" << int(WindowId::dipDOR) << "Option12" << QStringList{"CCT 5", "CCT 6"};
}

// The arrows move down each column of options, then on to the next column.
void ScreenReaderTruthTest::arrowsMoveInScreenOrder()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, from);
    QFETCH(QStringList, heard);
    QWidget* window = shown(*program_, item, id);
    click(window, "Option2");
    click(window, from);
    QStringList reached;
    for (int i = 0; i < heard.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        reached << captionOf(QApplication::focusWidget());
    }
    QCOMPARE(reached, heard);
}

void ScreenReaderTruthTest::boxValueIsReadWhole_data()
{
    QTest::addColumn<QString>("typed");
    for (const char* address : {"300", "510", "21", "1"})
        QTest::newRow(address) << address;
}

// A screen reader reads a box run by run of its text attributes: one run holds all of it.
void ScreenReaderTruthTest::boxValueIsReadWhole()
{
    QFETCH(QString, typed);
    QWidget* window = shown(*program_, "dip", int(WindowId::Dip_DMX));
    typeInto(window, "Text1", typed);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(child(window, "Text1"))->textInterface();
    QVERIFY(text);
    for (int offset = 0; offset < typed.size(); ++offset) {
        int start = -1;
        int end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(text->text(start, end), typed);
    }
}

// The red of a figure over its limit, which blinks, is said in its description for as long as
// the limit is exceeded.
void ScreenReaderTruthTest::figureOverItsLimitSaysSo()
{
    QWidget* window = shown(*program_, "power", int(WindowId::Calc));
    const auto description = [&](const char* box) {
        return QAccessible::queryAccessibleInterface(child(window, box))
            ->text(QAccessible::Description);
    };
    MessageBoxAnswerer answerer;
    typeInto(window, "Text1(5)", "3"); // 3 fixtures of 3 LEDs per colour on CC #1
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(description("Text57"), "Over the limit of 6 LEDs per colour on one output");
    for (int i = 0; i < 3; ++i) {
        tick(window);
        QCOMPARE(description("Text57"), "Over the limit of 6 LEDs per colour on one output");
    }
    QCOMPARE(description("Text58"), QString());
    typeInto(window, "Text1(5)", "2");
    QCOMPARE(description("Text57"), QString());
}

void ScreenReaderTruthTest::countBoxesByShortcut_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("reached");
    QTest::newRow("ORVO 75") << "power" << int(WindowId::Calc)
                             << QStringList{"CC #1 count, Pomra RGB", "CC #2 count, Pomra RGB",
                                            "CV #1 count, Belmira soft RGB",
                                            "CV #2 count, Belmira soft RGB"};
    QTest::newRow("ORVO 36") << "power2" << int(WindowId::Calc2)
                             << QStringList{"CC #1 count, Pomra RGB"};
}

// Control and an output's number go to that output's first count box; the window says so.
void ScreenReaderTruthTest::countBoxesByShortcut()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QStringList, reached);
    QWidget* window = shown(*program_, item, id);
    QStringList got;
    for (int output = 1; output <= 4; ++output) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + output),
                        Qt::ControlModifier);
        const QString name = QApplication::focusWidget()->accessibleName();
        if (!got.contains(name) && qobject_cast<QLineEdit*>(QApplication::focusWidget()) &&
            !qobject_cast<QLineEdit*>(QApplication::focusWidget())->isReadOnly())
            got << name;
    }
    QCOMPARE(got.join(" | "), reached.join(" | "));
    QVERIFY(window->accessibleDescription().contains("Control 1, CC #1"));
}

void ScreenReaderTruthTest::cardMenuFromTheKeyboard_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Shift+F10 in the address box")
        << "Text1" << (Qt::SHIFT | Qt::Key_F10).toCombined();
    QTest::newRow("the Menu key in the address box") << "Text1" << int(Qt::Key_Menu);
    QTest::newRow("Shift+F10 on a check box") << "Check1" << (Qt::SHIFT | Qt::Key_F10).toCombined();
    QTest::newRow("the Menu key on a mode button") << "Option1" << int(Qt::Key_Menu);
}

// The card menu opens from the keyboard wherever the focus is, with the window's card commands.
void ScreenReaderTruthTest::cardMenuFromTheKeyboard()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QWidget* window = shown(*program_, "dip", int(WindowId::Dip_DMX));
    child(window, focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    auto* menu = window->findChild<QMenu*>("cardMenu");
    QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->objectName();
    QCOMPARE(items,
             (QStringList{cards::kPrintAction, cards::kSavePdfAction, cards::kCopyTextAction}));
    menu->close();
}

// Copying leaves nothing to see: a screen reader is told.
void ScreenReaderTruthTest::copyIsConfirmed()
{
    QWidget* window = shown(*program_, "power", int(WindowId::Calc));
    DialogAnswerer answerer; // the report's label question
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* announcer = nullptr;
    // The desktop activates the window again once the label question closes (the offscreen
    // platform leaves that to us): the confirmation waits for it rather than being lost.
    window->activateWindow();
    QVERIFY(QTest::qWaitFor([&] {
        announcer = window->findChild<QWidget*>("Announcement");
        return announcer && announcer->isVisible();
    }));
    QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name),
             "Copied as text");
}

// The show list is a picture of colour bars: a screen reader reads it as a table of the shows and
// their colours.
void ScreenReaderTruthTest::showListIsATable()
{
    QWidget* window = program_->open("Easy", WindowId::Easyrun);
    QAccessibleInterface* shows = QAccessible::queryAccessibleInterface(child(window, "Picture1"));
    QAccessibleTableInterface* table = shows->child(shows->childCount() - 1)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 16);
    QCOMPARE(table->columnDescription(1), "Colours, left to right");
    QStringList row;
    for (int column = 0; column < 2; ++column)
        row << table->cellAt(7, column)->text(QAccessible::Name);
    QCOMPARE(row, (QStringList{"07", "red, yellow, green"}));
}

VELANTRA_TEST_MAIN(ScreenReaderTruthTest)
#include "tst_screenreadertruth.moc"
