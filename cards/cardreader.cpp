#include "cards/cardreader.h"

#include "devices/devices.h"
#include "dip/dipconfigurator.h"
#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"
#include "i18n/language.h"

#include <QRadioButton>
#include <algorithm>

namespace velantra::cards
{
namespace
{

using dip::Bank;
using dip::Row;

PixelRect pixels(const QWidget* widget)
{
    const QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

BankDrawing readBank(const dip::DipConfigurator& window, Bank which)
{
    const dip::DipBank& bank = window.bank(which);
    BankDrawing drawing;
    drawing.name = (which == Bank::Twelve ? i18n::translate("Cards", "12-lever bank")
                                          : i18n::translate("Cards", "4-lever bank"))
                       .toStdString();
    drawing.body = pixels(bank.body());
    for (int k = 1; k <= bank.size(); ++k) {
        const dip::LeverPair& lever = bank.lever(k);
        const QWidget* upper = lever.upper;
        const bool on = bank.isOn(k);
        drawing.levers.push_back({pixels(upper), pixels(lever.lower), on});
        // The shown rectangle is the ON row's exactly when the lever is ON.
        drawing.onIsUpper = on == !upper->isHidden();
    }
    return drawing;
}

// The buttons in the order the Tab key visits them.
QList<const QAbstractButton*> buttonsInTabOrder(const QWidget* window)
{
    QList<const QAbstractButton*> buttons;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            buttons << button;
    }
    return buttons;
}

} // namespace

bool isConfigurator(const QWidget* window)
{
    return qobject_cast<const dip::DipConfigurator*>(window) != nullptr;
}

std::unique_ptr<QWidget> createConfigurator(Device device)
{
    return std::unique_ptr<QWidget>(dip::createConfigurator(device));
}

void applySetting(QWidget* window, const DeviceSetting& s)
{
    Q_ASSERT(!settingProblem(s));
    auto* configurator = qobject_cast<dip::DipConfigurator*>(window);
    Q_ASSERT(configurator && configurator->state().spec().device == s.device);
    configurator->apply(s);
}

SettingCard readCard(const QWidget* window, const QString& label, QDate date)
{
    const auto* configurator = qobject_cast<const dip::DipConfigurator*>(window);
    Q_ASSERT(configurator);
    SettingCard card;
    card.device = window->windowTitle().toStdString();
    card.label = label.toStdString();
    card.date = date.toString(Qt::ISODate).toStdString();
    const dip::DipEngine& state = configurator->state();
    card.master = state.setting().master;
    card.mode = configurator->modeButton(card.master)->text().toStdString();
    if (!card.master) {
        const double n = ReadLeadingNumber(state.text1());
        if (IsValidDmxAddress(n))
            card.address = int(n);
    }
    for (const QAbstractButton* button : buttonsInTabOrder(window)) {
        if (button == configurator->modeButton(false) || button == configurator->modeButton(true))
            continue;
        if (button->isChecked() && button->isEnabled())
            card.options.push_back(button->text().trimmed().toStdString());
    }
    card.banks.push_back(readBank(*configurator, Bank::Twelve));
    if (configurator->bank(Bank::Four).exists())
        card.banks.push_back(readBank(*configurator, Bank::Four));
    std::sort(card.banks.begin(), card.banks.end(),
              [](const BankDrawing& a, const BankDrawing& b) { return a.body.x < b.body.x; });
    return card;
}

SettingCard cardFor(const DeviceSetting& setting, const QString& label, QDate date)
{
    const std::unique_ptr<QWidget> window = createConfigurator(setting.device);
    applySetting(window.get(), setting);
    return readCard(window.get(), label, date);
}

} // namespace velantra::cards
