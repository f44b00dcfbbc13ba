#pragma once

// The configurator windows, one per device (dip/dipconfigurator.cpp). Each builds a new instance of
// its window, runs its load procedure and leaves it unshown; the window catalogue
// (app/windowcatalogue.h) lists them.

class QWidget;

namespace velantra::dip
{

QWidget* createDip_DMX();
QWidget* createDip_36();
QWidget* createDip_FLUO();
QWidget* createIntell();
QWidget* createDipDOR();

} // namespace velantra::dip
