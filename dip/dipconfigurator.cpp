#include "dip/dipconfigurator.h"

#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"
#include "ui/accessibility.h"
#include "ui/qstr.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

namespace velantra::dip
{
namespace
{

const QString kAddressOne = QStringLiteral("1");

// For the length of a procedure, the levers it sets move together at its end.
class HeldBanks
{
public:
    HeldBanks(DipBank& twelve, DipBank& four, QWidget* window)
        : twelve_(twelve), four_(four), window_(window)
    {
        twelve_.hold();
        four_.hold();
    }
    ~HeldBanks()
    {
        twelve_.release();
        four_.release();
        announce();
    }
    HeldBanks(const HeldBanks&) = delete;
    HeldBanks& operator=(const HeldBanks&) = delete;

private:
    // When the outermost procedure ends, a screen reader says the levers ON of the banks that
    // changed, once.
    void announce()
    {
        if (twelve_.isHeld() || !twelve_.exists())
            return;
        QStringList changes;
        if (const QString twelve = twelve_.takeChange(); !twelve.isEmpty())
            changes << twelve;
        if (const QString four = four_.exists() ? four_.takeChange() : QString(); !four.isEmpty())
            changes << QStringLiteral("4-lever bank, ") + four;
        if (!changes.isEmpty())
            ui::announce(window_, changes.join(u"; "));
    }

    DipBank& twelve_;
    DipBank& four_;
    QWidget* window_;
};

} // namespace

DipConfigurator::DipConfigurator(CheckedSpec checked, QWidget* parent)
    : QWidget(parent), spec_(*checked)
{
    const ConfiguratorSpec& spec = spec_;
    ui::setUpWindow(this, spec.window);
    controls_ = ui::buildLayout(this, spec.layout);
    twelve_ = DipBank(controls_, Bank::Twelve, spec.banks.onRow);
    if (spec.banks.hasFourBank())
        four_ = DipBank(controls_, Bank::Four, spec.banks.onRow);
    text1_ = controls_.get<QLineEdit>(u"Text1");
    label7_ = controls_.get<QLabel>(u"Label7");
    option1_ = controls_.get<QRadioButton>(u"Option1");
    option2_ = controls_.get<QRadioButton>(u"Option2");
    timer1_ = controls_.get<QTimer>(u"Timer1");
    connectProcedures();
    Form_Load();
    // The installer starts with the address, whatever the tab order puts first, and the first
    // address typed replaces the one shown.
    text1_->setFocus();
    text1_->selectAll();
}

void DipConfigurator::connectProcedures()
{
    connect(text1_, &QLineEdit::textChanged, this, &DipConfigurator::Text1_Change);
    connect(option1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(timer1_, &QTimer::timeout, this, &DipConfigurator::Timer1_Timer);
    for (const ClickProcedure& procedure : spec_.procedures) {
        auto* button = qobject_cast<QAbstractButton*>(control(procedure.control));
        const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
        connect(button, &QAbstractButton::toggled, this, [this, &procedure, isOption](bool on) {
            const HeldBanks held(twelve_, four_, this);
            if (on)
                run(procedure.whenChecked);
            else if (!isOption)
                run(procedure.whenCleared);
        });
    }
}

void DipConfigurator::Form_Load()
{
    const HeldBanks held(twelve_, four_, this);
    enableControls(spec_.profile.masterControls, false);
    run(spec_.profile.loadSteps);
    // The address levers start from the text of Text1, exactly as after any change of it, so
    // that a freshly opened window never draws an address other than the one in the box.
    Text1_Change();
}

void DipConfigurator::Text1_Change()
{
    const HeldBanks held(twelve_, four_, this);
    const AddressMap& map = spec_.addressMap;
    for (int lever : map)
        twelve_.set(lever, false);
    label7_->hide();
    const double n = ReadLeadingNumber(
        std::u16string_view(reinterpret_cast<const char16_t*>(text1_->text().utf16()),
                            std::size_t(text1_->text().size())));
    if (!IsValidDmxAddress(n)) {
        text1_->setText(QString()); // runs this procedure once more, nested, when not yet empty
        label7_->show();
        return;
    }
    const std::uint32_t bits = DmxAddressEncoder(n);
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (bits & (1u << i))
            twelve_.set(map[i], true);
    }
}

void DipConfigurator::Option1_Click()
{
    const HeldBanks held(twelve_, four_, this);
    timer1_->stop();
    if (option1_->isChecked()) {
        enableControls(spec_.profile.dmxControls, true);
        enableControls(spec_.profile.masterControls, false);
        run(spec_.profile.dmxEntry);
    }
}

void DipConfigurator::Option2_Click()
{
    const HeldBanks held(twelve_, four_, this);
    run(spec_.profile.masterPreset);
    if (option2_->isChecked()) {
        enableControls(spec_.profile.dmxControls, false);
        enableControls(spec_.profile.masterControls, true);
        run(spec_.profile.masterEntry);
        timer1_->start();
    }
}

void DipConfigurator::Timer1_Timer()
{
    const HeldBanks held(twelve_, four_, this);
    const ModeProfile& profile = spec_.profile;
    run(profile.pollFixed);
    for (const SelectionMap& map : profile.selectionMaps) {
        for (const SelectionOption& choice : map) {
            if (option(choice.option)->isChecked())
                run(choice.step);
        }
    }
    if (profile.showBits.empty())
        return;
    int show = 0;
    for (std::size_t number = 0; number < std::size(kShowOptions); ++number) {
        if (option(kShowOptions[number])->isChecked()) {
            show = int(number);
            break;
        }
    }
    const std::uint32_t bits = TakeApartIntoBits(show, 16);
    for (const ShowBit& showBit : profile.showBits) {
        if (bits & std::uint32_t(showBit.bit))
            twelve_.set(showBit.lever, true);
    }
}

void DipConfigurator::run(std::span<const Step> steps)
{
    for (const Step& step : steps)
        run(step);
}

void DipConfigurator::run(const Step& step)
{
    switch (step.op) {
    case Step::Op::Nothing:
        break;
    case Step::Op::LeversOn:
    case Step::Op::LeversOff: {
        const int direction = step.last >= step.first ? 1 : -1;
        for (int k = step.first;; k += direction) {
            bankOf(step.bank).set(k, step.op == Step::Op::LeversOn);
            if (k == step.last)
                break;
        }
        break;
    }
    case Step::Op::SetText1:
        text1_->setText(kAddressOne);
        break;
    case Step::Op::Clear:
        qobject_cast<QCheckBox*>(control(step.control))->setChecked(false);
        break;
    case Step::Op::Select:
        option(step.control)->setChecked(true);
        break;
    case Step::Op::Deselect:
        ui::deselect(option(step.control));
        break;
    }
}

void DipConfigurator::enableControls(std::span<const std::string_view> names, bool enabled)
{
    for (std::string_view name : names)
        control(name)->setEnabled(enabled);
}

QWidget* DipConfigurator::control(std::string_view name) const
{
    // Every name of the spec is proven to be in the layout (CheckedSpec); this holds whatever the
    // build type.
    QWidget* widget = controls_.widget(qstr(name));
    if (!widget)
        qFatal("%s has no control %s", qPrintable(objectName()), qPrintable(qstr(name)));
    return widget;
}

QRadioButton* DipConfigurator::option(std::string_view name) const
{
    return qobject_cast<QRadioButton*>(control(name));
}

} // namespace velantra::dip
