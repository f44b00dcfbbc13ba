// What a screen reader hears: every control of every window has a name, the figure boxes say
// what they show, and the sheets say what their pictures hold.
#include "tests/power/powerwindow.h"
#include "tests/support/guitest.h"
#include "ui/picturebox.h"
#include "ui/shape.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

using namespace velantra;
using namespace velantra::test;

namespace
{

QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QString();
}

QString nameOf(QWidget* window, const QString& control)
{
    return accessibleText(child(window, control), QAccessible::Name);
}

// The controls a user can see or reach: captions, boxes, buttons, frames, pictures and shapes.
// The window's own containers (the client area, the menu bar's internals) are no controls.
bool isControl(const QWidget* w)
{
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const ui::PictureBox*>(w) || qobject_cast<const ui::Shape*>(w);
}

// The visible controls of a window that a screen reader would call by no name. A drawing kept
// from assistive technology (a lever's rectangle, read through its bank) is not met there.
QStringList nameless(QWidget* window)
{
    QStringList missing;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!isControl(w) || !w->isVisible() || (face && face->state().invisible))
            continue;
        if (accessibleText(w, QAccessible::Name).trimmed().isEmpty())
            missing << w->objectName();
    }
    return missing;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { program_ = std::make_unique<ProgramFixture>(); }
    void cleanup() { program_.reset(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
    void powerBoxesSayWhatTheyHold_data();
    void powerBoxesSayWhatTheyHold();
    void totalFollowsTheMode_data();
    void totalFollowsTheMode();
    void sheetsSayWhatTheirPicturesHold_data();
    void sheetsSayWhatTheirPicturesHold();
    void warningsAreAlerts_data();
    void warningsAreAlerts();
    void refusedAddressIsAnAlert_data();
    void refusedAddressIsAnAlert();

private:
    std::unique_ptr<ProgramFixture> program_;
};

void AccessibilityTest::everyControlHasAName_data()
{
    addWindowRows();
}

void AccessibilityTest::everyControlHasAName()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QCOMPARE(nameless(&program_->main()).join(u' '), QString());
    QWidget* window = program_->open(item, WindowId(id));
    QVERIFY(!accessibleText(window, QAccessible::Name).isEmpty());
    QCOMPARE(nameless(window).join(u' '), QString());
}

void AccessibilityTest::powerBoxesSayWhatTheyHold_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* item, WindowId id, const char* control, const char* name) {
        QTest::addRow("%s %s", item, control) << item << int(id) << control << name;
    };
    row("power", WindowId::Calc, "Text1(1)", "CC #1 count, Pomra RGB");
    row("power", WindowId::Calc, "Text2(3)", "CC #2 count, Gemmo RGB");
    row("power", WindowId::Calc, "Text1(5)", "CC #1 count, Tessino RGB 560 mm");
    row("power", WindowId::Calc, "Text3(1)", "CV #1 count, Belmira soft RGB");
    row("power", WindowId::Calc, "Text4(10)", "CV #2 count, Fenda color");
    row("power", WindowId::Calc, "Text4(11)", "CV #2 count, row 11");
    row("power", WindowId::Calc, "Text3(14)", "CV #1 count, row 14");
    row("power", WindowId::Calc, "Text1(0)", "Spare box, counts nothing");
    row("power", WindowId::Calc, "Text57", "LEDs per colour, CC #1");
    row("power", WindowId::Calc, "Text58", "LEDs per colour, CC #2");
    row("power", WindowId::Calc, "Text59", "Power CC #1, watts");
    row("power", WindowId::Calc, "Text60", "Power CC #2, watts");
    row("power", WindowId::Calc, "Text62", "Power CV #1, watts");
    row("power", WindowId::Calc, "Text61", "Power CV #2, watts");
    row("power", WindowId::Calc, "Text63", "Total average power, watts");
    row("power", WindowId::Calc, "Label17", "CV row 11, no fixture");
    row("power", WindowId::Calc, "Label8", "Pomra RGB");
    row("power", WindowId::Calc, "CC1_700", "700");
    row("power2", WindowId::Calc2, "Text1(14)", "CC #1 count, Tizzano RGB (700mA)");
    row("power2", WindowId::Calc2, "Text4(10)", "CV #2 count, row 10");
    row("power2", WindowId::Calc2, "Label20", "CV row 10, no fixture");
    row("power2", WindowId::Calc2, "Text57", "LEDs per colour, CC #1");
    row("power2", WindowId::Calc2, "Text63", "Total average power, watts");
}

void AccessibilityTest::powerBoxesSayWhatTheyHold()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(nameOf(program_->open(item, WindowId(id)), control), name);
}

void AccessibilityTest::totalFollowsTheMode_data()
{
    addWindowRows({WindowKind::Power});
}

void AccessibilityTest::totalFollowsTheMode()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QWidget* window = program_->open(item, WindowId(id));
    typeInto(window, "Text1(1)", "1");
    click(window, "Option1");
    QCOMPARE(nameOf(window, "Text63"), "Total nominal power, watts");
    QCOMPARE(textOf(window, "Text63"), "3.5");
    click(window, "Option2");
    QCOMPARE(nameOf(window, "Text63"), "Total average power, watts");
    QCOMPARE(nameOf(window, "Label39"), "Total average power");
}

void AccessibilityTest::sheetsSayWhatTheirPicturesHold_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("picture"); // empty: the window draws it
    QTest::addColumn<QString>("description");
    const auto row = [](const char* item, WindowId id, const char* picture, const char* text) {
        QTest::addRow("%s %s", item, picture) << item << int(id) << picture << text;
    };
    row("dati", WindowId::Dat, "",
        "RGB Passive Fixtures, table of 27 rows: Fixture, N. led, N. led / colour, Driving mode, "
        "Nominal power, Average power, LED, Code");
    row("dati2", WindowId::Dat2, "",
        "RGB Intelligent Fixtures dip-switch settable, table of 9 rows: Fixture, N. led, "
        "N. led / colour, Max. Power, Codice");
    row("dati3", WindowId::Dat3, "",
        "DOR Intelligent Fixtures dip-switch settable, table of 9 rows: Fixture, N. led, "
        "N. led / colour, Max. Power, Codice");
    row("AT", WindowId::Dat4, "", "Table of 10 rows: CCT, °K, Dip 2 (1 to 9)");
    row("Easy", WindowId::Easyrun, "Picture1",
        "Shows o to 15, each with a bar of its colours from left to right");
    row("Easy", WindowId::Easyrun, "Picture2",
        "Show play-back speed, table of 5 rows: Speed, Dip 2 (1 to 4), Step time");
}

void AccessibilityTest::sheetsSayWhatTheirPicturesHold()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, picture);
    QFETCH(QString, description);
    QWidget* window = program_->open(item, WindowId(id));
    QWidget* holder = picture.isEmpty() ? window : child(window, picture);
    QCOMPARE(accessibleText(holder, QAccessible::Description), description);
    QCOMPARE(QAccessible::queryAccessibleInterface(holder)->role(),
             picture.isEmpty() ? QAccessible::Window : QAccessible::Graphic);
}

void AccessibilityTest::warningsAreAlerts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("warning");
    QTest::newRow("Calc") << "power" << int(WindowId::Calc) << "Text1(5)"
                          << "3"
                          << "Max 6 led / colour on each constant current output !";
    QTest::newRow("Calc2") << "power2" << int(WindowId::Calc2) << "Text1(6)"
                           << "3"
                           << "Max 9 led / colour on each constant current output !";
}

// A screen reader reads a box of the alert role out as soon as it shows, title and text.
void AccessibilityTest::warningsAreAlerts()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QFETCH(QString, box);
    QFETCH(QString, count);
    QFETCH(QString, warning);
    QWidget* window = program_->open(item, WindowId(id));
    MessageBoxAnswerer answerer;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QStringList labels;
    answerer.setWhileOpen([&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(shown);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
        role = face->role();
        name = face->text(QAccessible::Name);
        for (QLabel* label : shown->findChildren<QLabel*>())
            labels << accessibleText(label, QAccessible::Name);
    });
    typeInto(window, box, count);
    QCOMPARE(answerer.texts(), QStringList{warning});
    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(name, "Error!");
    QVERIFY2(labels.contains(warning), qPrintable(labels.join(u'|')));
}

void AccessibilityTest::refusedAddressIsAnAlert_data()
{
    addWindowRows({WindowKind::Configurator});
}

// The error label is in the alert role, so that a screen reader reads it out the moment a
// refused address makes it show, as it does a message box. (That a reader hears it show is
// checked over the real accessibility bus by atspi_dip_dmx.)
void AccessibilityTest::refusedAddressIsAnAlert()
{
    QFETCH(QString, item);
    QFETCH(int, id);
    QWidget* window = program_->open(item, WindowId(id));
    QWidget* error = child(window, "Label7");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(error);
    QCOMPARE(face->role(), QAccessible::AlertMessage);
    QCOMPARE(face->text(QAccessible::Name), "! ERROR !  DMX address: 1 - 511");
    QVERIFY(face->state().invisible);

    typeInto(window, "Text1", "512");
    QVERIFY(!QAccessible::queryAccessibleInterface(error)->state().invisible);
    typeInto(window, "Text1", "511");
    QVERIFY(QAccessible::queryAccessibleInterface(error)->state().invisible);
}

VELANTRA_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
