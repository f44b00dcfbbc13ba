#pragma once

class QWidget;

namespace velantra::dip
{

// Each builds a new configurator window, runs its load procedure, and leaves it unshown.
QWidget* createDip_DMX();
QWidget* createDip_36();
QWidget* createDip_FLUO();
QWidget* createIntell();
QWidget* createDipDOR();

} // namespace velantra::dip
