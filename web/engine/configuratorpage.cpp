#include "web/engine/configuratorpage.h"

#include "cards/settingcard.h"
#include "dip/dmxaddressencoder.h"
#include "dip/readleadingnumber.h"
#include "web/engine/powerpage.h"

#include <algorithm>

namespace velantra::web
{
namespace
{

using dip::Bank;
using ui::Kind;

const char* kindName(Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return "frame";
    case Kind::Option:
        return "option";
    case Kind::Check:
        return "check";
    case Kind::Label:
        return "label";
    case Kind::TextBox:
        return "text";
    default:
        return nullptr; // shapes, pictures and the timer are drawn or not shown
    }
}

Bank bankAt(int bank)
{
    return bank == 0 ? Bank::Twelve : Bank::Four;
}

// The control's caption as its button shows it, without the blanks it pads with.
std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

ConfiguratorPage::ConfiguratorPage(int device) : engine_(Device(device))
{
    engine_.Form_Load();
}

void ConfiguratorPage::typeAddress(const std::string& text)
{
    engine_.setText1(toUtf16(text));
}

void ConfiguratorPage::click(const std::string& control)
{
    engine_.click(control);
}

void ConfiguratorPage::tick()
{
    if (engine_.timer1Running())
        engine_.Timer1_Timer();
}

std::string ConfiguratorPage::caption() const
{
    return std::string(engine_.spec().window.caption);
}

std::vector<PageControl> ConfiguratorPage::controls() const
{
    std::vector<PageControl> controls;
    for (const ui::Control& c : engine_.spec().layout) {
        const char* kind = kindName(c.kind);
        if (!kind)
            continue;
        controls.push_back({kind, std::string(c.name), std::string(c.caption),
                            std::string(c.parent), c.tab, (c.flags & ui::Hidden) != 0, c.rect.left,
                            c.rect.top, c.rect.width, c.rect.height});
    }
    return controls;
}

std::string ConfiguratorPage::address() const
{
    return toUtf8(engine_.text1());
}

int ConfiguratorPage::bankCount() const
{
    return engine_.levers().hasFour ? 2 : 1;
}

int ConfiguratorPage::leverCount(int bank) const
{
    return bank < bankCount() ? dip::leverCount(bankAt(bank)) : 0;
}

bool ConfiguratorPage::leverOn(int bank, int lever) const
{
    return engine_.levers().isOn(bankAt(bank), lever);
}

bool ConfiguratorPage::onIsUpper() const
{
    return engine_.spec().banks.onRow == dip::Row::Upper;
}

bool ConfiguratorPage::fourBankFirst() const
{
    return bankCount() == 2 && engine_.spec().banks.left4 < engine_.spec().banks.left12;
}

std::string ConfiguratorPage::bankName(int bank) const
{
    return bank == 0 ? "12-lever bank" : "4-lever bank";
}

std::string ConfiguratorPage::leversOn(int bank) const
{
    cards::BankDrawing drawing;
    for (int k = 1; k <= leverCount(bank); ++k)
        drawing.levers.push_back({.on = leverOn(bank, k)});
    return cards::leversOnText(drawing);
}

// The card as the desktop makes it: the choices in force in tab order, the banks left to right.
std::string ConfiguratorPage::cardText(const std::string& label, const std::string& date) const
{
    const dip::ConfiguratorSpec& spec = engine_.spec();
    cards::SettingCard card{.device = caption(), .label = label, .date = date};
    card.master = master();
    for (const ui::Control& c : spec.layout) {
        if (c.name == (card.master ? "Option2" : "Option1"))
            card.mode = c.caption;
    }
    if (!card.master) {
        const double n = ReadLeadingNumber(engine_.text1());
        if (IsValidDmxAddress(n))
            card.address = int(n);
    }
    std::vector<const ui::Control*> buttons;
    for (const ui::Control& c : spec.layout) {
        if ((c.kind == Kind::Option || c.kind == Kind::Check) && c.tab >= 0 &&
            c.name != "Option1" && c.name != "Option2" && engine_.isChecked(c.name) &&
            engine_.isEnabled(c.name))
            buttons.push_back(&c);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const ui::Control* a, const ui::Control* b) { return a->tab < b->tab; });
    for (const ui::Control* c : buttons)
        card.options.push_back(trimmed(c->caption));
    std::vector<int> order{0};
    if (bankCount() == 2)
        order.insert(fourBankFirst() ? order.begin() : order.end(), 1);
    for (int bank : order) {
        cards::BankDrawing drawing{.name = bankName(bank), .onIsUpper = onIsUpper()};
        for (int k = 1; k <= leverCount(bank); ++k)
            drawing.levers.push_back({.on = leverOn(bank, k)});
        card.banks.push_back(drawing);
    }
    return cards::cardText(card);
}

} // namespace velantra::web
