#pragma once

// The Read levers window: builds a new instance, unshown; the window catalogue
// (app/windowcatalogue.h) lists it.

class QWidget;

namespace velantra::levers
{

QWidget* createReadLevers();

} // namespace velantra::levers
