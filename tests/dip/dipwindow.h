#pragma once

// Reading a DIP-switch configurator window as the installer sees it.

#include "tests/support/guitest.h"

#include <QLabel>
#include <QTimer>

namespace velantra::test
{

inline bool checked(QWidget* w, const QString& name)
{
    return child<QAbstractButton>(w, name)->isChecked();
}
inline bool enabled(QWidget* w, const QString& name)
{
    return child(w, name)->isEnabled();
}
inline QString text1(QWidget* w)
{
    return child<QLineEdit>(w, "Text1")->text();
}
inline bool errorShown(QWidget* w)
{
    return !child<QLabel>(w, "Label7")->isHidden();
}
inline bool timerRunning(QWidget* w)
{
    return child<QTimer>(w, "Timer1")->isActive();
}

// The controls of the list that are not in the wanted enabled state, e.g. "Option5 Check2".
inline QString notEnabled(QWidget* w, const QStringList& names, bool wanted = true)
{
    QStringList wrong;
    for (const QString& name : names) {
        if (enabled(w, name) != wanted)
            wrong << name;
    }
    return wrong.join(u' ');
}

// Whether control a lies in front of control b, both children of the same parent.
inline bool inFront(QWidget* w, const char* a, const char* b)
{
    const QObjectList& stack = child(w, a)->parentWidget()->children();
    return stack.indexOf(child(w, a)) > stack.indexOf(child(w, b));
}

} // namespace velantra::test
