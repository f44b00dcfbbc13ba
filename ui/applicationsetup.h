#pragma once

class QApplication;

namespace velantra
{

// Application-wide look: the classic 8 pt sans-serif default font, the style and the icon; and
// Qt's dialog settings (the file and print dialogs' folder history) pointed where nothing can
// ever be written, as the program keeps no state.
void setUpApplication(QApplication& app);

} // namespace velantra
