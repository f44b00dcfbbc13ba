#pragma once

// The configurator windows, one per device: each builds a new instance of its window, runs its
// load procedure and leaves it unshown; the window catalogue (app/windowcatalogue.h) lists them.

#include "devices/devicesetting.h"

class QWidget;

namespace velantra::dip
{

QWidget* createConfigurator(Device device);

// The factory of one device's window, as the catalogue's rows hold factories.
template <Device device> QWidget* createConfiguratorOf()
{
    return createConfigurator(device);
}

} // namespace velantra::dip
