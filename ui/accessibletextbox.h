#pragma once

class QAccessibleInterface;
class QLineEdit;

namespace velantra::ui
{

// A text box as assistive technology reads it: Qt's own interface reports each character's text
// attributes as an empty run, and Orca, which speaks a line run by run, then leaves out the last
// character of the box ("30" for 300) or its only one. This one reports the whole text as one
// run and is otherwise the same: value, caret, selection, editing.
QAccessibleInterface* makeAccessibleTextBox(QLineEdit* box);

} // namespace velantra::ui
