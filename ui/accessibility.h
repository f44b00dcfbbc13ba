#pragma once

class QWidget;

namespace velantra::ui
{

// Makes the program's own top-level windows known to assistive technology as windows (frames),
// not as anonymous panes, its picture boxes as images, and its alert labels as alerts.
void installAccessibility();

// An alert label is read out by a screen reader as soon as it shows, as a message box is: for
// texts that appear to say an input was refused.
void markAsAlert(QWidget* label);

} // namespace velantra::ui
