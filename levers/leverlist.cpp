#include "levers/leverlist.h"

#include "dip/leverreading.h"
#include "i18n/language.h"

#include <QStringList>

namespace velantra::levers
{

LeverList parseLeverList(const QString& text, int bankSize)
{
    LeverList list;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(u"none", Qt::CaseInsensitive) == 0)
        return list;
    for (const QString& part : trimmed.split(u',')) {
        bool ok = false;
        const int lever = part.trimmed().toInt(&ok);
        if (!ok) {
            list.error =
                i18n::translate("Levers", "'%1' is no lever number: give the levers ON as 3,4,6")
                    .arg(part.trimmed());
            return list;
        }
        if (lever < 1 || lever > bankSize) {
            list.error = i18n::translate("Levers", "lever %1: the bank has levers 1 to %2")
                             .arg(lever)
                             .arg(bankSize);
            return list;
        }
        const std::uint32_t bit = std::uint32_t(1) << (lever - 1);
        if (list.on & bit) {
            list.error = i18n::translate("Levers", "lever %1 is given twice").arg(lever);
            return list;
        }
        list.on |= bit;
    }
    return list;
}

std::string schemeReadingText(const SchemeReading& reading)
{
    return dip::addressReadingText(
        reading.address ? std::optional<int>(reading.address) : std::nullopt, reading.options);
}

} // namespace velantra::levers
