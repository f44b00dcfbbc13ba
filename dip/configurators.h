#pragma once

class QWidget;

namespace velantra::dip
{

// Each builds a new configurator window, runs its load procedure, and leaves it unshown.
QWidget* createDip_DMX();

} // namespace velantra::dip
