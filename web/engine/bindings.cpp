// The engine as the page's script sees it (embind): the power budget pages and the fixture
// table they show. Only names and calls here; every rule runs in the C++ core.
#include "power/fixturepowertable.h"
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

} // namespace

EMSCRIPTEN_BINDINGS(velantra_power)
{
    using namespace emscripten;
    register_vector<std::string>("StringList");
    constant("gridRows", power::kRows);
    function("fixtureModel", &fixtureModel);
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
