// The engine as the page's script sees it (embind): the configurator and power budget pages,
// the device table and the fixture table. Only names and calls here; every rule runs in the
// C++ core.
#include "devices/devices.h"
#include "power/fixturepowertable.h"
#include "web/engine/configuratorpage.h"
#include "web/engine/powerpage.h"

#include <emscripten/bind.h>

namespace
{

using namespace velantra;

std::unique_ptr<web::PowerPage> makePowerPage(bool orvo36, const std::string& decimalSeparator)
{
    const std::u16string separator = web::toUtf16(decimalSeparator);
    return std::make_unique<web::PowerPage>(orvo36, separator.empty() ? u'.' : separator.front());
}

const power::PowerVariant& variant(bool orvo36)
{
    return orvo36 ? power::kOrvo36Power : power::kOrvo75Power;
}

// The model label of a grid row (1–14) on the CC (column 0, 1) or CV side; empty where the row
// holds no fixture.
std::string fixtureModel(bool orvo36, int column, int row)
{
    const power::FixtureRow& fixture = variant(orvo36).table.row(row);
    return std::string(column < 2 ? fixture.cc.model : fixture.cv.model);
}

// The configurator window of each device, in the device table's order ("Dip_DMX", …).
std::vector<std::string> configuratorWindows()
{
    std::vector<std::string> names;
    for (const DeviceInfo& device : kDevices)
        names.emplace_back(device.windowName);
    return names;
}

} // namespace

EMSCRIPTEN_BINDINGS(velantra_power)
{
    using namespace emscripten;
    register_vector<std::string>("StringList");
    constant("gridRows", power::kRows);
    function("fixtureModel", &fixtureModel);
    function("configuratorWindows", &configuratorWindows);
    value_object<web::PageControl>("PageControl")
        .field("kind", &web::PageControl::kind)
        .field("name", &web::PageControl::name)
        .field("caption", &web::PageControl::caption)
        .field("parent", &web::PageControl::parent)
        .field("tab", &web::PageControl::tab)
        .field("hidden", &web::PageControl::hidden)
        .field("left", &web::PageControl::left)
        .field("top", &web::PageControl::top)
        .field("width", &web::PageControl::width)
        .field("height", &web::PageControl::height);
    register_vector<web::PageControl>("PageControlList");
    class_<web::ConfiguratorPage>("ConfiguratorPage")
        .constructor<int>()
        .function("typeAddress", &web::ConfiguratorPage::typeAddress)
        .function("click", &web::ConfiguratorPage::click)
        .function("tick", &web::ConfiguratorPage::tick)
        .function("caption", &web::ConfiguratorPage::caption)
        .function("controls", &web::ConfiguratorPage::controls)
        .function("address", &web::ConfiguratorPage::address)
        .function("errorShown", &web::ConfiguratorPage::errorShown)
        .function("checked", &web::ConfiguratorPage::checked)
        .function("enabled", &web::ConfiguratorPage::enabled)
        .function("master", &web::ConfiguratorPage::master)
        .function("bankCount", &web::ConfiguratorPage::bankCount)
        .function("leverCount", &web::ConfiguratorPage::leverCount)
        .function("leverOn", &web::ConfiguratorPage::leverOn)
        .function("onIsUpper", &web::ConfiguratorPage::onIsUpper)
        .function("fourBankFirst", &web::ConfiguratorPage::fourBankFirst)
        .function("bankName", &web::ConfiguratorPage::bankName)
        .function("leversOn", &web::ConfiguratorPage::leversOn)
        .function("cardText", &web::ConfiguratorPage::cardText);
    class_<web::PowerPage>("PowerPage")
        .constructor(&makePowerPage)
        .function("typeInto", &web::PowerPage::typeInto)
        .function("chooseAverage", &web::PowerPage::chooseAverage)
        .function("chooseCurrent", &web::PowerPage::chooseCurrent)
        .function("reset", &web::PowerPage::reset)
        .function("tick", &web::PowerPage::tick)
        .function("text", &web::PowerPage::text)
        .function("usable", &web::PowerPage::usable)
        .function("readout", &web::PowerPage::readout)
        .function("limitExceeded", &web::PowerPage::limitExceeded)
        .function("totalCaption", &web::PowerPage::totalCaption)
        .function("average", &web::PowerPage::average)
        .function("current", &web::PowerPage::current)
        .function("takeWarnings", &web::PowerPage::takeWarnings)
        .function("reportText", &web::PowerPage::reportText);
}
