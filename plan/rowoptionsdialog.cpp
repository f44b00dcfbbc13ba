#include "plan/rowoptionsdialog.h"

#include "i18n/language.h"
#include "plan/devices.h"
#include "ui/qstr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>

namespace velantra::plan
{
namespace
{

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// "Preset" (the window's own choice), then `caption` 0 … count-1.
QComboBox* choice(QWidget* parent, const char* name, const char* caption, int count,
                  std::optional<int> value)
{
    auto* list = named(new QComboBox(parent), name);
    list->addItem(i18n::translate("RowOptionsDialog", "Window's preset"), -1);
    for (int i = 0; i < count; ++i)
        list->addItem(
            QStringLiteral("%1 %2").arg(i18n::translate("RowOptionsDialog", caption)).arg(i), i);
    list->setCurrentIndex(value ? *value + 1 : 0);
    return list;
}

std::optional<int> chosen(const QComboBox* list)
{
    const int value = list->currentData().toInt();
    return value < 0 ? std::nullopt : std::optional<int>(value);
}

} // namespace

RowOptionsDialog::RowOptionsDialog(const PlanRow& row, QWidget* parent) : QDialog(parent), row_(row)
{
    const DeviceSetting& s = row.setting;
    const DeviceInfo& info = deviceInfo(s.device);
    setObjectName(QStringLiteral("RowOptions"));
    setWindowTitle(i18n::translate("RowOptionsDialog", "Mode and options: %1")
                       .arg(qstr(tableName(info.device))));

    dmx_ = named(new QRadioButton(i18n::translate("RowOptionsDialog", "DMX (slave)"), this),
                 "dmxMode");
    master_ =
        named(new QRadioButton(i18n::translate("RowOptionsDialog", "Master"), this), "masterMode");
    (s.master ? master_ : dmx_)->setChecked(true);
    channels_ = named(new QComboBox(this), "channelChoice");
    channels_->addItem(i18n::translate("RowOptionsDialog", "Not chosen"), -1);
    channels_->addItem(QStringLiteral("3 Ch"), 3);
    channels_->addItem(QStringLiteral("6 Ch"), 6);
    channels_->setCurrentIndex(std::max(0, channels_->findData(s.channels.value_or(-1))));
    terminator_ =
        named(new QCheckBox(i18n::translate("RowOptionsDialog", "120 ohm terminator"), this),
              "terminator");
    terminator_->setChecked(s.terminator);
    pushbutton_ = named(new QCheckBox(i18n::translate("RowOptionsDialog", "Ext. pushbutton"), this),
                        "pushbutton");
    pushbutton_->setChecked(s.pushbutton);
    speed_ = choice(this, "speed", VT_TEXT("RowOptionsDialog", "Speed"), kSpeeds, s.speed);
    show_ = choice(this, "show", VT_TEXT("RowOptionsDialog", "Show"), kShows, s.show);
    tune_ = choice(this, "tune", "CCT", kTunes, s.tune);
    modulation_ =
        named(new QCheckBox(i18n::translate("RowOptionsDialog", "1-100 % Modulation"), this),
              "modulation");
    modulation_->setChecked(s.modulation);

    auto* form = new QFormLayout(this);
    form->addRow(i18n::translate("RowOptionsDialog", "Mode:"), dmx_);
    form->addRow(QString(), master_);
    // A device shows only the options its configurator has.
    channels_->setVisible(info.channels);
    speed_->setVisible(info.speedAndShow);
    show_->setVisible(info.speedAndShow);
    tune_->setVisible(info.tune);
    pushbutton_->setVisible(info.pushbutton);
    modulation_->setVisible(info.modulation);
    if (info.channels)
        form->addRow(i18n::translate("RowOptionsDialog", "DMX channels:"), channels_);
    form->addRow(QString(), terminator_);
    if (info.speedAndShow) {
        form->addRow(i18n::translate("RowOptionsDialog", "Speed:"), speed_);
        form->addRow(i18n::translate("RowOptionsDialog", "Show:"), show_);
    }
    if (info.tune)
        form->addRow(i18n::translate("RowOptionsDialog", "Tune:"), tune_);
    if (info.pushbutton)
        form->addRow(QString(), pushbutton_);
    if (info.modulation)
        form->addRow(QString(), modulation_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(dmx_, &QRadioButton::toggled, this, &RowOptionsDialog::followMode);
    followMode();
}

void RowOptionsDialog::followMode()
{
    const bool dmx = dmx_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(channels_), static_cast<QWidget*>(terminator_)})
        w->setEnabled(dmx);
    for (QWidget* w : {static_cast<QWidget*>(pushbutton_), static_cast<QWidget*>(speed_),
                       static_cast<QWidget*>(show_), static_cast<QWidget*>(tune_)})
        w->setEnabled(!dmx);
}

PlanRow RowOptionsDialog::row() const
{
    PlanRow row = row_;
    DeviceSetting& s = row.setting;
    s.master = master_->isChecked();
    s.channels = chosen(channels_);
    s.terminator = terminator_->isChecked();
    s.pushbutton = pushbutton_->isChecked();
    s.speed = chosen(speed_);
    s.show = chosen(show_);
    s.tune = chosen(tune_);
    s.modulation = modulation_->isChecked();
    keepOptionsInForce(row);
    return row;
}

} // namespace velantra::plan
