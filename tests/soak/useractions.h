#pragma once

#include "tests/support/guitest.h"

#include <QPointer>
#include <QString>
#include <random>

namespace velantra::test
{

// What one random action did.
struct Action {
    QString description;
    QPointer<QWidget> window; // the window acted on, if any
    bool ticked = false;      // the action was a tick of that window's timer
    int messageBoxes = 0;     // warning boxes answered during the action
    QStringList messages;     // their texts
};

// Random user actions, reproducible from a seed: menu commands, closing windows, typing and
// pasting text of every kind, clicking enabled buttons, timer ticks, answering message boxes.
class UserActions
{
public:
    UserActions(ProgramFixture& program, quint32 seed);
    Action next();
    QString statistics() const;

private:
    Action menuCommand();
    Action closeWindow(QWidget* window);
    Action typeText(QWidget* window);
    Action clickButton(QWidget* window);
    Action tickTimer(QWidget* window);
    QString randomText();
    QString countText(); // what an installer might type as a number of fixtures
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QWidget* randomOpenWindow();

    ProgramFixture& program_;
    std::mt19937 rng_;
    QHash<QString, QHash<QString, int>> counts_; // by window, then by kind of action
};

} // namespace velantra::test
