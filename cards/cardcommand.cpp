#include "cards/cardcommand.h"

#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/label.h"
#include "devices/devices.h"
#include "i18n/language.h"
#include "ui/qstr.h"

#include <QFileInfo>
#include <cstdio>

namespace velantra::cards
{
namespace
{

// The option descriptions cardcommand.h composes from the device table, whole as the help shows
// them, for the translations (a test checks that every description of every command has one).
[[maybe_unused]] constexpr const char* kComposedDescriptions[] = {
    VT_TEXT("CommandLine", "Channel count, 3 or 6 (orvo75; DMX mode)"),
    VT_TEXT("CommandLine", "The external pushbutton ON (orvo75, orvo36, fluo; master mode)"),
    VT_TEXT("CommandLine", "Speed 0 to 4 (orvo75, orvo36, fluo, intell; master mode)"),
    VT_TEXT("CommandLine", "Show 0 to 15 (orvo75, orvo36, fluo, intell; master mode)"),
    VT_TEXT("CommandLine", "Colour-temperature tune CCT 0 to 9 (dor; master mode)"),
    VT_TEXT("CommandLine", "1-100 % modulation ON (fluo)"),
};

enum class Format { Pdf, Png, Text };

std::optional<Format> formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"pdf")
        return Format::Pdf;
    if (suffix == u"png")
        return Format::Png;
    if (suffix == u"txt")
        return Format::Text;
    return std::nullopt;
}

} // namespace

int runCardCommand(const cli::Invocation& invocation)
{
    const QString name = invocation.arguments().value(0);
    const std::optional<Device> device = deviceNamed(name.toStdString());
    if (!device) {
        return invocation.usageError(i18n::translate("CommandLine", "unknown device '%1': %2")
                                         .arg(name, qstr(kDeviceChoices)));
    }
    DeviceSetting setting;
    setting.device = *device;
    QString badNumber;
    setting.master = invocation.isSet("master");
    // Even the default address: a master has none, whatever the number.
    if (setting.master && invocation.isSet("address"))
        return invocation.usageError(
            i18n::translate("CommandLine", "A master takes no DMX address."));
    setting.address = invocation.number("address", &badNumber).value_or(1);
    setting.channels = invocation.number("channels", &badNumber);
    setting.terminator = invocation.isSet("terminator");
    setting.pushbutton = invocation.isSet("pushbutton");
    setting.speed = invocation.number("speed", &badNumber);
    setting.show = invocation.number("show", &badNumber);
    setting.tune = invocation.number("tune", &badNumber);
    setting.modulation = invocation.isSet("modulation");
    if (!badNumber.isEmpty())
        return invocation.usageError(badNumber);

    const QString out = invocation.value("out");
    if (out.isEmpty())
        return invocation.usageError(
            i18n::translate("CommandLine", "--out FILE.pdf|.png|.txt is required"));
    const bool toStandardOutput = out == u"-";
    const std::optional<Format> format = toStandardOutput ? Format::Text : formatOf(out);
    if (!format) {
        return invocation.usageError(
            i18n::translate("CommandLine",
                            "--out %1: the file name must end in .pdf, .png or .txt, or be - for "
                            "the text on standard output")
                .arg(out));
    }
    if (const std::optional<std::string> problem = settingProblem(setting))
        return invocation.usageError(QString::fromStdString(*problem));

    const QString label = invocation.value("label").trimmed();
    if (const std::optional<std::string> problem = labelProblem(label.toStdString()))
        return invocation.usageError(i18n::translate("CommandLine", "--label: ") +
                                     QString::fromStdString(*problem));
    const SettingCard card = cardFor(setting, label);
    QString error;
    bool saved = false;
    switch (*format) {
    case Format::Pdf: {
        const SettingCard cards[] = {card};
        saved = writeCardsPdf(out, cards, &error);
        break;
    }
    case Format::Png:
        saved = writeCardPng(out, card, &error);
        break;
    case Format::Text:
        if (toStandardOutput) {
            const std::string text = cardText(card);
            saved = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                    std::fflush(stdout) == 0;
            error = i18n::translate("CommandLine", "Could not write the card to standard output.");
        } else {
            saved = saveFile(out, QByteArray::fromStdString(cardText(card)), &error);
        }
        break;
    }
    return saved ? cli::kExitOk : invocation.failure(error);
}

} // namespace velantra::cards
