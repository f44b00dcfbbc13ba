#include "plan/plantext.h"

#include "i18n/translatable.h"
#include "plan/devices.h"
#include "plan/words.h"

#include <charconv>

namespace velantra::plan
{

std::string modeAndOptions(const DeviceSetting& s)
{
    const DeviceInfo& info = deviceInfo(s.device);
    std::string text = s.master ? "Master" : "DMX (slave)";
    const auto add = [&](const std::string& option) { text += ", " + option; };
    if (!s.master) {
        if (info.channels && s.channels)
            add(std::to_string(*s.channels) + " Ch");
        if (s.terminator)
            add("120 ohm terminator");
    } else {
        const auto preset = [](const std::optional<int>& n) {
            return n ? std::to_string(*n) : std::string("preset");
        };
        if (info.speedAndShow)
            add("speed " + preset(s.speed) + ", show " + preset(s.show));
        if (info.tune)
            add("CCT " + preset(s.tune));
        if (s.pushbutton)
            add("ext. pushbutton");
    }
    if (s.modulation)
        add("1-100 % modulation");
    return text;
}

std::string modeAndOptions(const PlanRow& row)
{
    return row.fixtureType ? std::string("DMX") : modeAndOptions(row.setting);
}

namespace
{

// "speed 3" after `word`: 3; "speed preset": none; anything else is no value.
bool readValue(std::string_view rest, std::optional<int>& out)
{
    rest = trimmed(rest);
    if (rest == "preset") {
        out.reset();
        return true;
    }
    int n = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
    if (error != std::errc() || end != rest.data() + rest.size() || rest.empty())
        return false;
    out = n;
    return true;
}

} // namespace

std::optional<std::string> readModeAndOptions(std::string_view text, DeviceSetting& setting)
{
    DeviceSetting s{.device = setting.device, .address = setting.address};
    const std::string all = lower(text);
    std::size_t at = 0;
    bool first = true;
    while (at <= all.size()) {
        const std::size_t comma = std::min(all.find(',', at), all.size());
        const std::string_view part = trimmed(std::string_view(all).substr(at, comma - at));
        at = comma + 1;
        const auto startsWith = [&](std::string_view word) { return part.starts_with(word); };
        bool ok = true;
        if (first) {
            first = false;
            if (part == "master")
                s.master = true;
            else if (part != "dmx (slave)" && part != "dmx" && part != "dmx slave" && !part.empty())
                return i18n::arg(i18n::translated("Plans", "the mode “%1” is not DMX or Master"),
                                 {std::string(part)});
            continue;
        }
        if (part.empty())
            continue;
        if (part.ends_with(" ch"))
            ok = readValue(part.substr(0, part.size() - 3), s.channels);
        else if (part == "120 ohm terminator")
            s.terminator = true;
        else if (startsWith("speed "))
            ok = readValue(part.substr(6), s.speed);
        else if (startsWith("show "))
            ok = readValue(part.substr(5), s.show);
        else if (startsWith("cct "))
            ok = readValue(part.substr(4), s.tune);
        else if (part == "ext. pushbutton")
            s.pushbutton = true;
        else if (part == "1-100 % modulation")
            s.modulation = true;
        else
            return i18n::arg(i18n::translated("Plans", "“%1” is no option"), {std::string(part)});
        if (!ok)
            return i18n::arg(i18n::translated("Plans", "“%1” has no number"), {std::string(part)});
    }
    DeviceSetting check = s;
    check.address = 1;
    if (const std::optional<std::string> problem = settingProblem(check))
        return *problem;
    setting = s;
    return std::nullopt;
}

namespace
{

// Tabs and line breaks would split the row or the line.
std::string cell(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

std::string planAsText(const RigPlan& plan)
{
    std::string text = "Label\tDevice\tMode and options\tChannels\tUniverse\tStart\tEnd\n";
    for (const PlanRow& row : plan.rows) {
        const bool addressed = takesAddress(row);
        text += cell(row.label) + '\t' + cell(fixtureName(plan, row)) + '\t' + modeAndOptions(row) +
                '\t' + number(channelCount(plan, row)) + '\t' +
                (addressed ? std::to_string(row.universe) : std::string()) + '\t' +
                (addressed ? std::to_string(row.setting.address) : std::string()) + '\t' +
                number(endAddress(plan, row)) + '\n';
    }
    return text;
}

std::string problemReport(const RigPlan& plan, const std::vector<Problem>& problems)
{
    std::string text;
    for (const Problem& problem : problems)
        text += rowName(plan, problem.row) + ": " + describe(plan, problem, problem.row) + '\n';
    return text;
}

} // namespace velantra::plan
