#pragma once

// The rig plan window. Each builds a new instance of its window, runs its load procedure and leaves
// it unshown; the window catalogue (app/windowcatalogue.h) lists them.

class QWidget;

namespace velantra::plan
{

QWidget* createRigPlan();

} // namespace velantra::plan
