#pragma once

#include <QFont>
#include <QPalette>

class QApplication;
class QWidget;

namespace velantra::ui
{

// The colours of the standard desktop, whatever the platform theme or colour scheme: every role
// of every colour group set, so that nothing of a theme's palette shows through.
QPalette standardPalette();

// The program's Arial 8, as large in pixels as on a 96-dpi screen, every property set.
QFont standardFont();

// Sets a size of `points` that is as large in pixels as on a 96-dpi screen, whatever the font
// DPI: the layouts place their captions in fixed pixel rectangles.
void setStandardSize(QFont& font, double points);

// A window keeps the standard palette and font whatever the theme sets later for the
// application or for classes of controls; its controls inherit them.
void keepStandardLook(QWidget* window);

// The application's style, palette and font, and the standard look for every window that nobody
// gave a font of its own (menus, message boxes, tooltips, dialogs) as it is first shown.
void useStandardLook(QApplication& app);

} // namespace velantra::ui
