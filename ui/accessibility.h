#pragma once

class QString;
class QWidget;

namespace velantra::ui
{

// Makes the program's own top-level windows known to assistive technology as windows (frames),
// not as anonymous panes, its picture boxes as images, and its alert labels as alerts.
void installAccessibility();

// An alert label is read out by a screen reader as soon as it shows, as a message box is: for
// texts that appear to say an input was refused.
void markAsAlert(QWidget* label);

// Has a screen reader say `text` without moving the focus, as a notification of `window`.
// Nothing happens unless the window is the active one.
void announce(QWidget* window, const QString& text);

// Puts `text` first in what is about to be announced in `window`, if anything is: a screen
// reader cuts short what it is saying to read a notification, such as the name of the button
// that an arrow key has just selected.
void leadPendingAnnouncement(QWidget* window, const QString& text);

} // namespace velantra::ui
