#include "tests/soak/useractions.h"

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
    QList<QWidget*> open;
    for (int id = 0; id < kWindowCount; ++id) {
        if (QWidget* w = program_.registry().window(WindowId(id)))
            open << w;
    }
    return open.isEmpty() ? nullptr : open[below(int(open.size()))];
}

Action UserActions::next()
{
    MessageBoxAnswerer answerer; // every warning box is answered with OK
    QWidget* window = randomOpenWindow();
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
    counts_[action.description.section(u' ', 0, 0)]++;
    return action;
}

QString UserActions::statistics() const
{
    QStringList parts;
    for (auto it = counts_.begin(); it != counts_.end(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    parts.sort();
    return parts.join(QStringLiteral(", "));
}

Action UserActions::menuCommand()
{
    const QList<QAction*> commands = commandsOf(program_.main().menuBar()->actions());
    QAction* command = commands[below(int(commands.size()))];
    // Exit ends everything; keep it rare so that windows live long enough to be used.
    if (command->objectName() == u"exit" && below(10) != 0)
        command = commands[1 + below(int(commands.size()) - 1)];
    command->trigger();
    if (command->objectName() == u"exit")
        program_.main().show();
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

Action UserActions::typeText(QWidget* window)
{
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isEnabled() && box->isVisibleTo(window) && !box->isReadOnly())
            boxes << box;
    }
    if (boxes.isEmpty())
        return tickTimer(window);
    QLineEdit* box = boxes[below(int(boxes.size()))];
    const QString text = randomText();
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
