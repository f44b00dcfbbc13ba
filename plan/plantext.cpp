#include "plan/plantext.h"

#include "i18n/translatable.h"
#include "plan/devices.h"

namespace velantra::plan
{

std::string modeAndOptions(const DeviceSetting& s)
{
    const DeviceInfo& info = deviceInfo(s.device);
    std::string text =
        s.master ? i18n::translated("Plans", "Master") : i18n::translated("Plans", "DMX (slave)");
    const auto add = [&](const std::string& option) { text += ", " + option; };
    if (!s.master) {
        if (info.channels && s.channels)
            add(i18n::arg(i18n::translated("Plans", "%1 Ch"), {std::to_string(*s.channels)}));
        if (s.terminator)
            add(i18n::translated("Plans", "120 ohm terminator"));
    } else {
        const auto preset = [](const std::optional<int>& n) {
            return n ? std::to_string(*n) : i18n::translated("Plans", "preset");
        };
        if (info.speedAndShow)
            add(i18n::arg(i18n::translated("Plans", "speed %1, show %2"),
                          {preset(s.speed), preset(s.show)}));
        if (info.tune)
            add(i18n::arg(i18n::translated("Plans", "CCT %1"), {preset(s.tune)}));
        if (s.pushbutton)
            add(i18n::translated("Plans", "ext. pushbutton"));
    }
    if (s.modulation)
        add(i18n::translated("Plans", "1-100 % modulation"));
    return text;
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

std::string number(const std::optional<int>& n)
{
    return n ? std::to_string(*n) : std::string();
}

} // namespace

std::string planAsText(const RigPlan& plan)
{
    std::string text =
        i18n::translated("Plans", "Label\tDevice\tMode and options\tChannels\tStart\tEnd") + '\n';
    for (const PlanRow& row : plan) {
        const bool addressed = takesAddress(row);
        text += cell(row.label) + '\t' + std::string(tableName(row.setting.device)) + '\t' +
                modeAndOptions(row.setting) + '\t' + number(channelCount(row)) + '\t' +
                (addressed ? std::to_string(row.setting.address) : std::string()) + '\t' +
                number(endAddress(row)) + '\n';
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
