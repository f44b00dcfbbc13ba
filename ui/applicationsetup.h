#pragma once

class QApplication;

namespace velantra
{

// Application-wide look: the classic 8 pt sans-serif default font, the style and the icon.
void setUpApplication(QApplication& app);

} // namespace velantra
