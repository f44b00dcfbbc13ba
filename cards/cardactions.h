#pragma once

// Print…, Save as PDF… and Copy as text on the configurator and power windows: the setting card
// or budget report of what the window shows. The commands are reached by the window's context
// menu (a right-click on its background or a bank, Shift+F10 or the Menu key) and by Ctrl+P,
// Ctrl+Shift+S and Ctrl+Shift+C; a text box keeps its own menu and keys. Nothing else of the window
// changes.

class QWidget;

namespace velantra::cards
{

// The actions' object names.
inline constexpr const char* kPrintAction = "printCard";
inline constexpr const char* kSavePdfAction = "saveCardPdf";
inline constexpr const char* kCopyTextAction = "copyCardText";
// Shift+F10 and the Menu key open the card menu wherever the focus is in the window.
inline constexpr const char* kOpenCardMenu = "openCardMenu";
inline constexpr const char* kCardMenu = "cardMenu";

// Adds the three commands to a configurator or power window; other windows are left as they are.
void addCardActions(QWidget* window);

} // namespace velantra::cards
