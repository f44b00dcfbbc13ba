#include "dip/dipconfigurator.h"

#include "dip/windows.h"
#include "i18n/language.h"
#include "ui/accessibility.h"
#include "ui/qstr.h"
#include "ui/selection.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

namespace velantra::dip
{

DipConfigurator::DipConfigurator(Device device, QWidget* parent)
    : QWidget(parent), engine_(device, this)
{
    const ConfiguratorSpec& spec = engine_.spec();
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
    engine_.Form_Load();
    // The installer starts with the address, whatever the tab order puts first, and the first
    // address typed replaces the one shown.
    text1_->setFocus();
    text1_->selectAll();
}

// The user's changes go to the engine. A change the engine made itself comes back here too and
// finds the engine's model already as the control is: it runs nothing.
void DipConfigurator::connectProcedures()
{
    connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool outer = !changingText1_;
        changingText1_ = true;
        engine_.setText1(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             std::size_t(text.size())));
        changingText1_ = !outer;
    });
    connect(timer1_, &QTimer::timeout, this, [this] { engine_.Timer1_Timer(); });
    for (const ui::Control& row : engine_.spec().layout) {
        if (row.kind != ui::Kind::Option && row.kind != ui::Kind::Check)
            continue;
        const std::string_view name = row.name;
        if (auto* option = qobject_cast<QRadioButton*>(control(name)))
            ui::onSelected(option, this, [this, name] { engine_.setChecked(name, true); });
        else
            connect(qobject_cast<QCheckBox*>(control(name)), &QCheckBox::toggled, this,
                    [this, name](bool on) { engine_.setChecked(name, on); });
    }
}

void DipConfigurator::showText1(std::u16string_view text)
{
    const QString shown = QString::fromUtf16(text.data(), qsizetype(text.size()));
    // The box's own change, echoed back, would move the cursor if set again; a procedure's text
    // is set even when it is the same, which runs nothing but clears the selection.
    if (!changingText1_ || text1_->text() != shown)
        text1_->setText(shown);
}

void DipConfigurator::showError(bool shown)
{
    label7_->setVisible(shown);
}

void DipConfigurator::showChecked(std::string_view name, bool checked)
{
    QWidget* widget = control(name);
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        if (checked)
            option->setChecked(true);
        else
            ui::deselect(option);
    } else {
        qobject_cast<QCheckBox*>(widget)->setChecked(checked);
    }
}

void DipConfigurator::showEnabled(std::string_view name, bool enabled)
{
    control(name)->setEnabled(enabled);
}

void DipConfigurator::runTimer1(bool running)
{
    if (running)
        timer1_->start();
    else
        timer1_->stop();
}

// The levers a procedure set move together; a screen reader then hears the levers ON of each
// bank that changed, once.
void DipConfigurator::showLevers(const Levers& levers)
{
    QStringList changes;
    for (Bank which : {Bank::Twelve, Bank::Four}) {
        DipBank& bank = which == Bank::Twelve ? twelve_ : four_;
        if (!bank.exists())
            continue;
        bank.hold();
        for (int k = 1; k <= bank.size(); ++k)
            bank.set(k, levers.isOn(which, k));
        bank.release();
        if (const QString change = bank.takeChange(); !change.isEmpty())
            changes << (which == Bank::Four
                            ? i18n::translate("DipConfigurator", "4-lever bank, ") + change
                            : change);
    }
    if (!changes.isEmpty())
        ui::announce(this, changes.join(u"; "));
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

QWidget* createConfigurator(Device device)
{
    return new DipConfigurator(device);
}

} // namespace velantra::dip
