#include "plan/plancards.h"

#include "cards/cardreader.h"
#include "cards/schemecard.h"
#include "devices/devices.h"
#include "i18n/language.h"
#include "plan/patchlines.h"
#include "plan/problems.h"

#include <QDate>

namespace velantra::plan
{

namespace
{

// The card of a fixture type's row: the type's name and the address, and its bank drawn from the
// lever scheme (cards/schemecard.h; none when the type has no levers).
cards::SettingCard typeCard(const FixtureType& type, const PlanRow& row)
{
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    if (type.levers) {
        return cards::schemeCard({.fixture = type.name,
                                  .scheme = *type.levers,
                                  .address = row.setting.address,
                                  .channels = type.channels,
                                  .functionLeversOn = {},
                                  .label = row.label,
                                  .date = date});
    }
    // A type without levers: its address is set some other way (a display, a menu).
    cards::SettingCard card;
    card.device = type.name;
    card.label = row.label;
    card.date = date;
    card.mode = "DMX";
    card.address = row.setting.address; // the channels are the row's, set by planCards
    return card;
}

} // namespace

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

std::optional<std::vector<cards::SettingCard>> planCards(const RigPlan& plan,
                                                         const QString& planName, QString* error)
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
        const FixtureType* type = typeOf(plan, row);
        cards::SettingCard card =
            type ? typeCard(*type, row)
                 : cards::cardFor(row.setting, QString::fromStdString(row.label));
        // One pass of arg(): a plan's name holding "%2" stays as it is.
        const QString number = QString::number(i + 1);
        card.origin = (takesAddress(row)
                           ? i18n::translate("PlanFile", "Plan: %1, row %2, universe %3")
                                 .arg(planName, number, QString::number(row.universe))
                           : i18n::translate("PlanFile", "Plan: %1, row %2").arg(planName, number))
                          .toStdString();
        card.channels = channelCount(plan, row);
        made.push_back(std::move(card));
    }
    return made;
}

cards::PatchSheet patchSheet(const RigPlan& plan, const QString& planName)
{
    cards::PatchSheet sheet;
    sheet.title = i18n::translate("PlanFile", "Patch sheet: %1").arg(planName).toStdString();
    sheet.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    for (const PatchLine& line : patchSheetLines(plan)) {
        const std::string heading = i18n::translate("PlanFile", "Universe %1")
                                        .arg(QString::fromStdString(line.universe))
                                        .toStdString();
        if (sheet.sections.empty() || sheet.sections.back().heading != heading)
            sheet.sections.push_back({.heading = heading, .rows = {}});
        const std::optional<int> end = endAddress(plan, plan.rows[std::size_t(line.row)]);
        sheet.sections.back().rows.push_back({.start = line.start,
                                              .end = line.end,
                                              .label = line.label,
                                              .fixture = line.fixture,
                                              .mode = line.mode,
                                              .channels = line.channels,
                                              .leversOn = line.leversOn,
                                              .pastLastChannel = end && *end > kLastChannel});
    }
    return sheet;
}

} // namespace velantra::plan
