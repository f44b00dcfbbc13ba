#include "cards/cardreader.h"

#include "app/windowcatalogue.h"
#include "cards/devices.h"
#include "dip/dipconfigurator.h"
#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

namespace velantra::cards
{
namespace
{

using dip::Bank;
using dip::Row;

// The controls a setting is applied through, by the names every configurator gives them.
constexpr const char* kSpeedOptions[] = {"Option3", "Option4", "Option5", "Option6", "Option7"};
constexpr const char* kShowOptions[] = {
    "Option8",  "Option9",  "Option10", "Option11", "Option12", "Option13", "Option14", "Option15",
    "Option16", "Option17", "Option18", "Option19", "Option20", "Option21", "Option22", "Option25"};
// DOR: "CCT 0" … "CCT 9".
constexpr const char* kTuneOptions[] = {"Option8",  "Option9",  "Option10", "Option11", "Option12",
                                        "Option13", "Option14", "Option15", "Option16", "Option17"};
constexpr const char* kThreeChannels = "Option23";
constexpr const char* kSixChannels = "Option24";
constexpr const char* kTerminator = "Check1";
constexpr const char* kPushbutton = "Check2";
constexpr const char* kModulation = "Check3";

template <typename T = QAbstractButton> T* control(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    Q_ASSERT_X(found, "cards", name);
    return found;
}

void click(QWidget* window, const char* name)
{
    control(window, name)->click();
}

void setChecked(QWidget* window, const char* name, bool checked)
{
    if (control(window, name)->isChecked() != checked)
        click(window, name);
}

PixelRect pixels(const QWidget* widget)
{
    const QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

BankDrawing readBank(const dip::DipConfigurator& window, Bank which)
{
    const dip::DipBank& bank = window.bank(which);
    BankDrawing drawing;
    drawing.name = which == Bank::Twelve ? "12-lever bank" : "4-lever bank";
    drawing.body =
        pixels(control<QWidget>(&window, which == Bank::Twelve ? "Shape1(0)" : "Shape1(1)"));
    for (int k = 1; k <= bank.size(); ++k) {
        const auto rectangle = [&](Row row) {
            const std::string_view name = dip::kShapeNames[dip::shapeNumber(which, k, row)];
            return control<QWidget>(&window, std::string(name).c_str());
        };
        const QWidget* upper = rectangle(Row::Upper);
        const bool on = bank.isOn(k);
        drawing.levers.push_back({pixels(upper), pixels(rectangle(Row::Lower)), on});
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

// Every device is set on a configurator window of the catalogue.
consteval bool everyDeviceHasItsWindow()
{
    for (const DeviceInfo& device : kDevices) {
        bool found = false;
        for (const WindowEntry& entry : kWindows)
            found = found ||
                    (entry.name == device.windowName && entry.kind == WindowKind::Configurator);
        if (!found)
            return false;
    }
    return true;
}
static_assert(everyDeviceHasItsWindow(), "a device's windowName names a configurator window");

} // namespace

bool isConfigurator(const QWidget* window)
{
    return qobject_cast<const dip::DipConfigurator*>(window) != nullptr;
}

std::unique_ptr<QWidget> createConfigurator(Device device)
{
    for (const WindowEntry& entry : kWindows) {
        if (entry.name == deviceInfo(device).windowName)
            return std::unique_ptr<QWidget>(entry.create());
    }
    return nullptr;
}

void applySetting(QWidget* window, const DeviceSetting& s)
{
    Q_ASSERT(!settingProblem(s));
    const DeviceInfo& info = deviceInfo(s.device);
    if (s.master) {
        // Entering master mode anew sets its presets, whatever was chosen before.
        if (control(window, "Option2")->isChecked())
            click(window, "Option1");
        click(window, "Option2");
        if (s.speed)
            click(window, kSpeedOptions[*s.speed]);
        if (s.show)
            click(window, kShowOptions[*s.show]);
        if (s.tune)
            click(window, kTuneOptions[*s.tune]);
        if (info.pushbutton)
            setChecked(window, kPushbutton, s.pushbutton);
    } else {
        if (!control(window, "Option1")->isChecked())
            click(window, "Option1");
        control<QLineEdit>(window, "Text1")->setText(QString::number(s.address));
        if (s.channels)
            click(window, *s.channels == 3 ? kThreeChannels : kSixChannels);
        setChecked(window, kTerminator, s.terminator);
    }
    if (info.modulation)
        setChecked(window, kModulation, s.modulation);
    // The master-mode tick draws the chosen speed, show or tune, as 500 ms later on the screen.
    if (s.master)
        QMetaObject::invokeMethod(control<QTimer>(window, "Timer1"), "timeout");
}

SettingCard readCard(const QWidget* window, const QString& label, QDate date)
{
    const auto* configurator = qobject_cast<const dip::DipConfigurator*>(window);
    Q_ASSERT(configurator);
    SettingCard card;
    card.device = window->windowTitle().toStdString();
    card.label = label.toStdString();
    card.date = date.toString(Qt::ISODate).toStdString();
    card.master = control(window, "Option2")->isChecked();
    card.mode = control(window, card.master ? "Option2" : "Option1")->text().toStdString();
    if (!card.master) {
        const QString text = control<QLineEdit>(window, "Text1")->text();
        const double n = ReadLeadingNumber(std::u16string_view(
            reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
        if (IsValidDmxAddress(n))
            card.address = int(n);
    }
    for (const QAbstractButton* button : buttonsInTabOrder(window)) {
        const QString name = button->objectName();
        if (name == u"Option1" || name == u"Option2")
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
