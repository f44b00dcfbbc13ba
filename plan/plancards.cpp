#include "plan/plancards.h"

#include "cards/cardreader.h"
#include "devices/devices.h"
#include "i18n/language.h"
#include "plan/problems.h"

#include <QDate>

namespace velantra::plan
{

QString rowSettingProblem(const RigPlan& plan, int row)
{
    const PlanRow& r = plan.rows[std::size_t(row)];
    std::optional<std::string> problem;
    if (const FixtureType* type = typeOf(plan, r)) {
        const int highest = type->levers ? highestSchemeAddress(*type->levers) : kLastStart;
        if (r.setting.address < kFirstStart || r.setting.address > highest)
            problem = i18n::translate("PlanFile", "DMX address %1 is out of range: 1 to %2.")
                          .arg(r.setting.address)
                          .arg(highest)
                          .toStdString();
    } else {
        problem = settingProblem(r.setting);
    }
    return problem ? QString::fromStdString(rowName(plan, row) + ": " + *problem) : QString();
}

namespace
{

// A bank as the card draws it: levers 14 px wide on a 20 px pitch, the upper and lower row.
cards::BankDrawing schemeBank(const LeverScheme& scheme, int address)
{
    constexpr int kPitch = 20, kWidth = 14, kRow = 16, kPad = 4;
    cards::BankDrawing bank;
    bank.name = i18n::translate("Cards", "%1-lever bank").arg(scheme.levers).toStdString();
    bank.body = {0, 0, scheme.levers * kPitch + kPad, 2 * kRow + 2 * kPad};
    bank.onIsUpper = scheme.onUp;
    const std::uint32_t on = schemeLeversOn(scheme, address);
    for (int k = 0; k < scheme.levers; ++k) {
        const int x = kPad + k * kPitch;
        bank.levers.push_back({{x, kPad, kWidth, kRow},
                               {x, kPad + kRow, kWidth, kRow},
                               (on & (std::uint32_t(1) << k)) != 0});
    }
    return bank;
}

} // namespace

cards::SettingCard typeCard(const FixtureType& type, const PlanRow& row)
{
    cards::SettingCard card;
    card.device = type.name;
    card.label = row.label;
    card.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    card.mode = "DMX";
    card.address = row.setting.address;
    card.options.push_back("universe " + std::to_string(row.universe));
    card.options.push_back(std::to_string(type.channels) + " Ch");
    if (type.levers)
        card.banks.push_back(schemeBank(*type.levers, row.setting.address));
    return card;
}

std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan, QString* error)
{
    if (plan.rows.empty()) {
        *error = i18n::translate("PlanFile", "The plan has no rows.");
        return std::nullopt;
    }
    std::vector<cards::SettingCard> made;
    for (int i = 0; i < int(plan.rows.size()); ++i) {
        const QString problem = rowSettingProblem(plan, i);
        if (!problem.isEmpty()) {
            *error = problem;
            return std::nullopt;
        }
        const PlanRow& row = plan.rows[std::size_t(i)];
        if (const FixtureType* type = typeOf(plan, row))
            made.push_back(typeCard(*type, row));
        else
            made.push_back(cards::cardFor(row.setting, QString::fromStdString(row.label)));
    }
    return made;
}

} // namespace velantra::plan
