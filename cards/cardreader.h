#pragma once

// Setting cards read from the configurator windows themselves. A card is never computed beside
// a window: the setting is applied to a real configurator window through its own controls, its
// procedures set the levers, and the card is read from what the window then shows.

#include "cards/settingcard.h"
#include "devices/devicesetting.h"

#include <QDate>
#include <QString>
#include <memory>

class QWidget;

namespace velantra::cards
{

// Whether the window is one of the five configurators.
bool isConfigurator(const QWidget* window);

// Builds the device's configurator window with its load procedure, unshown.
std::unique_ptr<QWidget> createConfigurator(Device device);

// Sets the setting on a configurator window of its device as a user does: chooses the mode with
// the mode buttons, types the address into Text1, clicks the check boxes and option buttons that
// differ, and in master mode lets one tick of Timer1 draw the choices on the levers. Applied to a
// freshly built window it gives exactly the setting; on a window already in use, choices the
// setting leaves open (no channel count, the preset speed) keep what the window shows. The
// setting must have no settingProblem().
void applySetting(QWidget* configurator, const DeviceSetting& setting);

// Reads the card of a configurator window as it stands: its caption, mode, address, the checked
// and enabled choices, and the levers of its banks with their geometry.
SettingCard readCard(const QWidget* configurator, const QString& label,
                     QDate date = QDate::currentDate());

// The card of a setting without a window on the screen: an unshown configurator window, the
// setting applied, the card read. The setting must have no settingProblem().
SettingCard cardFor(const DeviceSetting& setting, const QString& label,
                    QDate date = QDate::currentDate());

} // namespace velantra::cards
