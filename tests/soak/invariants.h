#pragma once

#include "app/windowregistry.h"
#include "tests/soak/powerinvariants.h"
#include "tests/soak/useractions.h"

#include <QHash>
#include <QString>

namespace velantra::test
{

// What each open window shows, as text, to tell whether an action changed it; and for the power
// windows what their checks compare with.
struct Snapshot {
    QHash<QWidget*, QString> described;
    QHash<QWidget*, PowerLook> power;
};
Snapshot snapshotAll(const WindowRegistry& registry);

// Checks what must hold after every action; returns what failed, or an empty text.
QString checkInvariants(const WindowRegistry& registry, const Snapshot& before, const Action& done);

} // namespace velantra::test
