#pragma once

namespace velantra::ui
{

// Makes the program's own top-level windows known to assistive technology as windows (frames),
// not as anonymous panes, and its picture boxes as images.
void installAccessibility();

} // namespace velantra::ui
