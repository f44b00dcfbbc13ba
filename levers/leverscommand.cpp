#include "levers/leverscommand.h"

#include "devices/devices.h"
#include "devices/leverscheme.h"
#include "dip/leverreading.h"
#include "i18n/language.h"
#include "levers/leverlist.h"
#include "ui/qstr.h"

#include <cstdio>

namespace velantra::levers
{
namespace
{

constexpr cli::Argument kArguments[] = {
    {.name = "device", .description = kDeviceChoices},
    {.name = "levers",
     .description =
         VT_TEXT("CommandLine",
                 "The levers ON, e.g. 3,4,6,9,11 (our device's 12-lever bank), or none; with "
                 "--levers the only argument"),
     .optional = true},
};

constexpr cli::Option kOptions[] = {
    {.name = "four-bank",
     .description = VT_TEXT("CommandLine", "The levers ON of the device's 4-lever bank, e.g. 1"),
     .valueName = "LEVERS"},
    {.name = "levers",
     .description =
         VT_TEXT("CommandLine", "Another maker's fixture: the levers of its bank, 8 to 12"),
     .valueName = "N"},
    {.name = "lowest",
     .description =
         VT_TEXT("CommandLine", "The lever of the lowest address bit: 1 or the last address lever"),
     .valueName = "K"},
    {.name = "minus-one", .description = VT_TEXT("CommandLine", "The levers hold the address - 1")},
    {.name = "on-down",
     .description = VT_TEXT(
         "CommandLine", "ON is the lower side of the bank (the levers given are those at ON either "
                        "way)")},
    {.name = "function",
     .description =
         VT_TEXT("CommandLine", "A function lever after the address levers and its name, e.g. "
                                "10:stand-alone"),
     .valueName = "K:NAME"},
};

int report(const std::string& reading, const std::vector<std::string>& problems)
{
    std::printf("%s\n", reading.c_str());
    for (const std::string& problem : problems)
        std::printf("%s\n", i18n::translate("Levers", "Problem: %1")
                                .arg(QString::fromStdString(problem))
                                .toStdString()
                                .c_str());
    std::fflush(stdout);
    return problems.empty() ? cli::kExitOk : cli::kExitFailure;
}

int readOurDevice(const cli::Invocation& call, const QStringList& arguments)
{
    const QString name = arguments.value(0);
    const std::optional<Device> device = deviceNamed(name.toStdString());
    if (!device)
        return call.usageError(i18n::translate("CommandLine", "unknown device '%1': %2")
                                   .arg(name, qstr(kDeviceChoices)));
    if (arguments.size() < 2)
        return call.usageError(
            i18n::translate("CommandLine", "missing <levers>: the levers ON, or none"));
    for (std::string_view option : {"lowest", "minus-one", "on-down", "function"}) {
        if (call.isSet(option))
            return call.usageError(
                i18n::translate("CommandLine", "--%1 goes with --levers").arg(qstr(option)));
    }
    const LeverList twelve = parseLeverList(arguments.at(1), dip::kTwelve);
    if (!twelve.error.isEmpty())
        return call.usageError(twelve.error);
    LeverList four;
    if (call.isSet("four-bank")) {
        if (!dip::hasFourBank(*device)) {
            return call.usageError(i18n::translate("CommandLine", "the %1 has no 4-lever bank")
                                       .arg(qstr(deviceInfo(*device).displayName)));
        }
        four = parseLeverList(call.value("four-bank"), dip::kFour);
        if (!four.error.isEmpty())
            return call.usageError(i18n::translate("CommandLine", "--four-bank: ") + four.error);
    }
    const dip::Levers levers{.twelve = std::uint16_t(twelve.on), .four = std::uint8_t(four.on)};
    const dip::LeverReading reading = dip::readLevers(*device, levers);
    return report(dip::readingText(reading), reading.problems);
}

int readScheme(const cli::Invocation& call, const QStringList& arguments)
{
    if (arguments.size() != 1) {
        return call.usageError(
            arguments.isEmpty()
                ? i18n::translate("CommandLine", "missing <levers>: the levers ON, or none")
                : i18n::translate("CommandLine", "--levers reads a fixture of another maker: "
                                                 "give only the levers ON, no device"));
    }
    if (call.isSet("four-bank"))
        return call.usageError(
            i18n::translate("CommandLine", "--four-bank is for our devices, not with --levers"));
    QString error;
    LeverScheme scheme;
    scheme.levers = call.number("levers", &error).value_or(0);
    scheme.lowestLever = call.isSet("lowest") ? call.number("lowest", &error).value_or(0) : 1;
    scheme.addressMinusOne = call.isSet("minus-one");
    scheme.onUp = !call.isSet("on-down");
    for (const QString& function : call.values("function")) {
        const qsizetype colon = function.indexOf(u':');
        bool ok = false;
        const int lever = function.left(colon).trimmed().toInt(&ok);
        if (colon < 0 || !ok) {
            if (error.isEmpty())
                error = i18n::translate("CommandLine",
                                        "--function %1: give the lever and its name, e.g. "
                                        "10:stand-alone")
                            .arg(function);
            continue;
        }
        scheme.named.push_back({lever, function.mid(colon + 1).trimmed().toStdString()});
    }
    if (!error.isEmpty())
        return call.usageError(error);
    if (const std::optional<std::string> problem = leverSchemeProblem(scheme))
        return call.usageError(QString::fromStdString(*problem));
    const LeverList on = parseLeverList(arguments.at(0), scheme.levers);
    if (!on.error.isEmpty())
        return call.usageError(on.error);
    const SchemeReading reading = readSchemeLevers(scheme, on.on);
    return report(schemeReadingText(reading), reading.problems);
}

int run(const cli::Invocation& call)
{
    const QStringList arguments = call.arguments();
    return call.isSet("levers") ? readScheme(call, arguments) : readOurDevice(call, arguments);
}

} // namespace

const cli::Command kLeversCommand{
    .name = "levers",
    .summary =
        VT_TEXT("CommandLine",
                "Reads DIP levers back: the DMX address, mode and options they set, and what is "
                "wrong with them"),
    .arguments = kArguments,
    .options = kOptions,
    .needs = cli::Needs::Nothing,
    .run = run,
};

} // namespace velantra::levers
