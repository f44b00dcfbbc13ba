#pragma once

class QApplication;

namespace velantra
{

// Application-wide look: the classic 8 pt sans-serif default font, the style and the icon.
void setUpApplication(QApplication& app);

// Points Qt's dialog settings (the file and print dialogs' folder history) where nothing can
// ever be written: the program keeps no state. Part of setUpApplication; called again before
// each dialog that would record any.
void keepNoDialogState();

} // namespace velantra
