#include "tests/soak/useractions.h"

#include "tests/soak/powerinvariants.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace velantra::test
{
namespace
{

QList<QAction*> commandsOf(const QList<QAction*>& actions)
{
    QList<QAction*> commands;
    for (QAction* action : actions) {
        if (action->menu())
            commands += commandsOf(action->menu()->actions());
        else
            commands << action;
    }
    return commands;
}

} // namespace

UserActions::UserActions(ProgramFixture& program, quint32 seed) : program_(program), rng_(seed) {}

QWidget* UserActions::randomOpenWindow()
{
    // Windows with more to do come up more often: a data sheet once, a configurator three
    // times, a power window six times.
    QList<QWidget*> open;
    for (int id = 0; id < kWindowCount; ++id) {
        QWidget* w = program_.registry().window(WindowId(id));
        if (!w)
            continue;
        const bool controls = w->findChild<QAbstractButton*>();
        const int weight = !controls ? 1 : isPowerWindow(w) ? 6 : 3;
        for (int i = 0; i < weight; ++i)
            open << w;
    }
    return open.isEmpty() ? nullptr : open[below(int(open.size()))];
}

Action UserActions::next()
{
    MessageBoxAnswerer answerer; // every warning box is answered with OK
    QWidget* window = randomOpenWindow();
    const QString where = window ? window->objectName() : QStringLiteral("Main");
    const int roll = below(1000);
    Action action;
    if (!window || roll < 40)
        action = menuCommand();
    else if (roll < 55)
        action = closeWindow(window);
    else if (roll < 400)
        action = typeText(window);
    else if (roll < 800)
        action = clickButton(window);
    else
        action = tickTimer(window);
    action.messageBoxes = int(answerer.seen().size());
    action.messages = answerer.texts();
    const QString kind = action.description.section(u' ', 0, 0);
    counts_[kind == u"menu" ? QStringLiteral("Main") : where][kind]++;
    if (action.messageBoxes > 0)
        counts_[where][QStringLiteral("warnings")] += action.messageBoxes;
    return action;
}

QString UserActions::statistics() const
{
    QStringList lines;
    for (auto window = counts_.begin(); window != counts_.end(); ++window) {
        QStringList parts;
        for (auto it = window->begin(); it != window->end(); ++it)
            parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        parts.sort();
        lines << QStringLiteral("%1: %2").arg(window.key(), parts.join(QStringLiteral(", ")));
    }
    lines.sort();
    return lines.join(u'\n');
}

Action UserActions::menuCommand()
{
    const QList<QAction*> commands = commandsOf(program_.main().menuBar()->actions());
    QAction* command = commands[below(int(commands.size()))];
    // Exit ends everything; keep it rare so that windows live long enough to be used.
    if (command->objectName() == u"exit" && below(10) != 0)
        command = commands[1 + below(int(commands.size()) - 1)];
    command->trigger();
    if (command->objectName() == u"exit") {
        // Exit asks the application's event loop to end. None runs here, so the request would
        // stay and make every later event loop, a warning box's included, return at once: the
        // boxes would flash by unanswered. Running the loop once takes the request back.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        program_.main().show();
    }
    return {QStringLiteral("menu %1").arg(command->objectName())};
}

Action UserActions::closeWindow(QWidget* window)
{
    const QString name = window->objectName();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {QStringLiteral("close %1").arg(name)};
}

QString UserActions::randomText()
{
    static const char* const kLetters[] = {"abc", "x", "O", "H", "e", "D", ",", ".", "-", "+", "&"};
    switch (below(14)) {
    case 0:
        return QString::number(below(600));
    case 1:
        return QString::number(below(10));
    case 2:
        return QString::number(1 + below(40000));
    case 3:
        return QStringLiteral("%1.%2").arg(below(520)).arg(below(10));
    case 4:
        return QStringLiteral("&H%1").arg(QString::number(below(0x20000), 16).toUpper());
    case 5:
        return QStringLiteral("&O%1").arg(QString::number(below(01000), 8));
    case 6:
        return QStringLiteral(" %1 %2 ").arg(below(10)).arg(below(100));
    case 7:
        return QStringLiteral("-%1").arg(below(600));
    case 8:
        return QString::fromLatin1(kLetters[below(int(std::size(kLetters)))]);
    case 9:
        return QStringLiteral("1e%1").arg(below(2) ? 999 : below(4));
    case 10:
        return QString(1 + below(400), QChar(u'0' + below(10)));
    case 11:
        return QStringLiteral("&HFFFFFFFFFF");
    case 12:
        return below(200) == 0 ? QString(1 << 20, u'7') : QString();
    default:
        return QStringLiteral("%1%2").arg(below(100)).arg(QLatin1String(kLetters[below(3)]));
    }
}

QString UserActions::countText()
{
    switch (below(12)) {
    case 0:
        return QString::number(-below(6));
    case 1:
        return QStringLiteral("%1.5").arg(below(6));
    case 2:
        return QStringLiteral("0.%1").arg(below(10));
    case 3:
        return QString::number(32760 + below(20) * (below(2) ? 1 : -1) * (below(2) ? 1 : 2));
    case 4:
        return QString::number(100 + below(40000));
    case 5:
        return QStringLiteral("%1abc").arg(below(4));
    case 6:
        return QString::fromLatin1(below(2) ? "-" : ".");
    case 7:
        return below(60) == 0 ? QString(1 << 20, QChar(char16_t(u'0' + below(10)))) : QString();
    default:
        return QString::number(1 + below(below(4) == 0 ? 20 : 4));
    }
}

Action UserActions::typeText(QWidget* window)
{
    // Boxes that the user can reach: enabled, shown, and not placed out of sight.
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isEnabled() && box->isVisibleTo(window) && !box->isReadOnly() &&
            box->focusPolicy() != Qt::NoFocus)
            boxes << box;
    }
    if (boxes.isEmpty())
        return tickTimer(window);
    QLineEdit* box = boxes[below(int(boxes.size()))];
    const bool power = isPowerWindow(window);
    const QString text = power && below(4) != 0 ? countText() : randomText();
    const QString how =
        below(3) == 0 && text.size() < 24 ? QStringLiteral("types") : QStringLiteral("pastes");
    const QString label =
        QStringLiteral("%1 %2 in %3.%4")
            .arg(how, text.size() > 24 ? QStringLiteral("%1 chars").arg(text.size()) : text,
                 window->objectName(), box->objectName());
    QPointer<QWidget> guard(window);
    box->setFocus();
    box->selectAll();
    if (how == u"types") {
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
    } else {
        box->insert(text);
    }
    return {QStringLiteral("type ") + label, guard};
}

Action UserActions::clickButton(QWidget* window)
{
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isEnabled() && button->isVisibleTo(window))
            buttons << button;
    }
    if (buttons.isEmpty())
        return tickTimer(window);
    QAbstractButton* button = buttons[below(int(buttons.size()))];
    // In a power window Reset and the currents that block rows come up less often, so that
    // counts pile up and reach the limits.
    const QString name = button->objectName();
    if ((name == u"Command1" || name.endsWith(u"_700") || name.endsWith(u"_1000")) && below(3) != 0)
        button = buttons[below(int(buttons.size()))];
    const QString label =
        QStringLiteral("click %1.%2").arg(window->objectName(), button->objectName());
    QPointer<QWidget> guard(window);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    return {label, guard};
}

Action UserActions::tickTimer(QWidget* window)
{
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
    const QString label = QStringLiteral("tick %1").arg(window->objectName());
    QPointer<QWidget> guard(window);
    // A stopped timer does not tick.
    if (timer && timer->isActive())
        QMetaObject::invokeMethod(timer, "timeout");
    Action action{label, guard};
    action.ticked = timer && timer->isActive();
    return action;
}

} // namespace velantra::test
