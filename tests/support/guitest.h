#pragma once

// Helpers that drive windows the way a user does and read what the user sees, by the names of
// the controls: typing into a box, clicking a button, a tick of a window's timer, the two
// rectangles of a lever.

#include "app/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

namespace velantra::test
{

// Finds a named child or fails the test.
template <typename T = QWidget> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Replaces the text of a box as a user does: select everything, then type the new text key by
// key (an empty text is typed as Backspace).
void typeInto(QWidget* window, const QString& box, const QString& text);

// Pastes text over the whole content of a box, as one change.
void paste(QWidget* window, const QString& box, const QString& text);

// Adds text at the end of a box, key by key.
void typeMore(QWidget* window, const QString& box, const QString& text);

// Clicks a button, check box or option button with the mouse; a disabled one ignores it.
void click(QWidget* window, const QString& button);

// One tick of the window's timer Timer1, as if 500 ms had passed.
void tick(QWidget* window);

// What one lever looks like: which of its two rectangles is shown.
struct LeverLook {
    bool upper = false;
    bool lower = false;
};
LeverLook lever(QWidget* window, int k, bool fourBank = false);

// The levers of a bank whose ON rectangle is shown, e.g. "1,3,9"; "?" marks a lever with both or
// neither rectangle shown.
QString leversOn(QWidget* window, bool onIsLower, bool fourBank = false);

// The names of the focusable controls in tab order, starting at `from`, `count` of them.
QString tabOrder(QWidget* from, int count);

// The controls of a window whose caption does not fit in them: check boxes and option buttons
// whose indicator and caption are wider than the control, labels wider than one line where they
// have room for one, frames whose title is wider than the frame.
QStringList clippedCaptions(QWidget* window);
// What a message box showed when it was answered.
struct MessageBoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
};

// While it exists, answers every message box as the user would, as soon as the box's own event
// loop runs: first runs `whileOpen` (if set) with the box still open, then records what the box
// showed and clicks its OK button (or, lacking one, its default or first button).
class MessageBoxAnswerer : public QObject
{
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;
    void setWhileOpen(std::function<void()> whileOpen) { whileOpen_ = std::move(whileOpen); }
    const QList<MessageBoxSeen>& seen() const { return seen_; }
    QStringList texts() const;
    void clear() { seen_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QMessageBox* box);
    std::function<void()> whileOpen_;
    QList<MessageBoxSeen> seen_;
};

// The program as a user starts it: application look, registry and main window.
class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();
    WindowRegistry& registry() { return *registry_; }
    Main& main() { return *main_; }
    // Triggers the menu item of that name, as a user choosing it.
    void trigger(const QString& menuItem);
    // Triggers the menu item and returns the window it is expected to show.
    QWidget* open(const QString& menuItem, WindowId expected);

private:
    std::unique_ptr<WindowRegistry> registry_;
    std::unique_ptr<Main> main_;
};

// Data rows for a test run once per window of the catalogue, of the kinds given or of every kind:
// columns "item" (QString, the window's first menu command) and "id" (int), one row named by the
// item for each window.
void addWindowRows(std::initializer_list<WindowKind> kinds = {});

// The test's arguments, with no limit on the number of warnings logged (the offscreen platform
// warns on every raise, which would otherwise hide later output).
QStringList argumentsWithoutWarningLimit(int argc, char** argv);

// On Windows, text hinted as Debian's fontconfig hints it (vertically only), so that the tests
// measure ink where Debian draws it; elsewhere nothing.
void hintAsOnDebian();

} // namespace velantra::test

// A test's main: the application with the program's look, then the test object's functions.
#define VELANTRA_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        velantra::setUpApplication(app);                                                           \
        velantra::test::hintAsOnDebian();                                                          \
        TestObject test;                                                                           \
        return QTest::qExec(&test, velantra::test::argumentsWithoutWarningLimit(argc, argv));      \
    }
