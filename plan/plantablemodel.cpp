#include "plan/plantablemodel.h"

#include "i18n/language.h"
#include "plan/addressing.h"
#include "plan/devices.h"
#include "plan/plantext.h"
#include "ui/qstr.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace velantra::plan
{
namespace
{

QVariant number(const std::optional<int>& n)
{
    return n ? QVariant(*n) : QVariant();
}

// A device changes but keeps what the new one can hold, the channel count included.
void changeDevice(const RigPlan& plan, PlanRow& row, Device device)
{
    const std::optional<int> count = channelCount(plan, row);
    row.fixtureType.reset();
    row.setting.device = device;
    if (deviceInfo(device).channels)
        row.setting.channels = count == 3 || count == 6 ? count : std::nullopt;
    else
        row.typedChannels = count;
    keepOptionsInForce(row);
}

int fixtureCode(const PlanRow& row)
{
    return row.fixtureType ? kTypeCodes + *row.fixtureType : int(row.setting.device);
}

} // namespace

void PlanTableModel::setPlan(RigPlan plan)
{
    beginResetModel();
    plan_ = std::move(plan);
    refresh();
    endResetModel();
}

void PlanTableModel::replacePlan(RigPlan plan)
{
    setPlan(std::move(plan));
    emit edited();
}

void PlanTableModel::valuesChanged()
{
    refresh();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit edited();
}

void PlanTableModel::setRow(int row, const PlanRow& value)
{
    // Another row's problems may change with this one (an overlap mended or made).
    changeValues([&](RigPlan& p) { p.rows[std::size_t(row)] = value; });
}

void PlanTableModel::insertPlanRows(int at, const std::vector<PlanRow>& rows)
{
    // A plan holds at most kMaxRows rows: the rows beyond are left out.
    const int count = std::clamp(int(rows.size()), 0, kMaxRows - rowCount());
    if (count <= 0)
        return;
    beginInsertRows({}, at, at + count - 1);
    plan_.rows.insert(plan_.rows.begin() + at, rows.begin(), rows.begin() + count);
    rowProblems_.insert(rowProblems_.begin() + at, std::size_t(count), std::string());
    endInsertRows();
    valuesChanged();
}

void PlanTableModel::removePlanRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    // From the bottom, a run of neighbours at a time.
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] == rows[begin] - 1)
            --begin;
        const int first = rows[begin], last = rows[end - 1];
        beginRemoveRows({}, first, last);
        plan_.rows.erase(plan_.rows.begin() + first, plan_.rows.begin() + last + 1);
        rowProblems_.erase(rowProblems_.begin() + first, rowProblems_.begin() + last + 1);
        endRemoveRows();
        end = begin;
    }
    valuesChanged();
}

void PlanTableModel::movePlanRow(int row, int direction)
{
    const int other = row + direction;
    if (row < 0 || other < 0 || row >= rowCount() || other >= rowCount())
        return;
    beginMoveRows({}, row, row, {}, direction > 0 ? other + 1 : other);
    plan::moveRow(plan_, row, direction);
    std::swap(rowProblems_[std::size_t(row)], rowProblems_[std::size_t(other)]);
    endMoveRows();
    valuesChanged();
}

void PlanTableModel::sortPlan()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> order = addressOrder(plan_);
    std::vector<int> newRowOf(order.size());
    for (std::size_t to = 0; to < order.size(); ++to)
        newRowOf[std::size_t(order[to])] = int(to);
    sortByAddress(plan_); // into `order`, which moves the persistent indexes below
    QModelIndexList from = persistentIndexList(), to;
    for (const QModelIndex& index : from)
        to << this->index(newRowOf[std::size_t(index.row())], index.column());
    changePersistentIndexList(from, to);
    refresh();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit edited();
}

void PlanTableModel::addType(const FixtureType& type)
{
    changeValues([&](RigPlan& p) { p.types.push_back(type); });
}

void PlanTableModel::setType(int index, const FixtureType& type)
{
    changeValues([&](RigPlan& p) { p.types[std::size_t(index)] = type; });
}

bool PlanTableModel::removeType(int index)
{
    if (index < 0 || index >= int(plan_.types.size()) || !rowsOfType(plan_, index).empty())
        return false;
    changeValues([&](RigPlan& p) {
        p.types.erase(p.types.begin() + index);
        for (PlanRow& row : p.rows)
            if (row.fixtureType && *row.fixtureType > index)
                --*row.fixtureType;
    });
    return true;
}

void PlanTableModel::refresh()
{
    problems_ = findProblems(plan_);
    rowProblems_ = problemsByRow(plan_, problems_);
    emit refreshed();
}

int PlanTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(plan_.rows.size());
}

int PlanTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PlanRow& row = plan_.rows[std::size_t(index.row())];
    const std::string& problems = rowProblems_[std::size_t(index.row())];
    if (role == Qt::BackgroundRole && !problems.empty())
        return QBrush(QColor(0xff, 0xd8, 0xd8));
    if (role == Qt::ForegroundRole && !problems.empty())
        return QBrush(Qt::black);
    if (role == Qt::ToolTipRole && !problems.empty())
        return qstr(problems);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const bool addressed = takesAddress(row);
    switch (index.column()) {
    case Label:
        return QString::fromStdString(row.label);
    case DeviceColumn:
        return role == Qt::EditRole ? QVariant(fixtureCode(row))
                                    : QVariant(QString::fromStdString(fixtureName(plan_, row)));
    case Options:
        return qstr(modeAndOptions(row));
    case Channels:
        return number(channelCount(plan_, row));
    case Universe:
        return addressed ? QVariant(row.universe) : QVariant();
    case Start:
        return addressed ? QVariant(row.setting.address) : QVariant();
    case End:
        return number(endAddress(plan_, row));
    case Problems:
        return qstr(problems);
    }
    return {};
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    static const char* const kTitles[] = {VT_TEXT("PlanTableModel", "Label"),
                                          VT_TEXT("PlanTableModel", "Device"),
                                          VT_TEXT("PlanTableModel", "Mode and options"),
                                          VT_TEXT("PlanTableModel", "Channels"),
                                          VT_TEXT("PlanTableModel", "Universe"),
                                          VT_TEXT("PlanTableModel", "Start"),
                                          VT_TEXT("PlanTableModel", "End"),
                                          VT_TEXT("PlanTableModel", "Problems")};
    if (role == Qt::DisplayRole)
        return i18n::translate("PlanTableModel", kTitles[section]);
    if (role == Qt::ToolTipRole && section == Channels)
        return i18n::translate(
            "PlanTableModel",
            "The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch "
            "choice); a fixture type takes its own count; for the other devices the "
            "program does not know the count: type it (1–512), it is required.");
    if (role == Qt::ToolTipRole && section == Universe)
        return i18n::translate("PlanTableModel",
                               "The DMX universe, as the lighting console numbers them (0–63999).");
    if (role == Qt::ToolTipRole && section == Start)
        return i18n::translate("PlanTableModel",
                               "The start address, 1–511. A device in master mode takes none.");
    if (role == Qt::ToolTipRole && section == End)
        return i18n::translate("PlanTableModel", "Start + channels − 1; at most 512.");
    return {};
}

Qt::ItemFlags PlanTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return flags;
    const PlanRow& row = plan_.rows[std::size_t(index.row())];
    const bool device = !row.fixtureType;
    const bool editable =
        index.column() == Label || index.column() == DeviceColumn ||
        (index.column() == Channels && device &&
         !(row.setting.master && deviceInfo(row.setting.device).channels)) ||
        ((index.column() == Start || index.column() == Universe) && takesAddress(row));
    return editable ? flags | Qt::ItemIsEditable : flags;
}

bool PlanTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    PlanRow row = plan_.rows[std::size_t(index.row())];
    bool ok = true;
    const int n = value.toInt(&ok);
    switch (index.column()) {
    case Label:
        // Typed or pasted: a label the plan file would refuse is not taken.
        if (cards::labelProblem(value.toString().toStdString()))
            return false;
        row.label = value.toString().simplified().toStdString();
        break;
    case DeviceColumn:
        if (ok && n >= 0 && n < int(kDeviceCount)) {
            changeDevice(plan_, row, kDevices[std::size_t(n)].device);
        } else if (ok && n >= kTypeCodes && n - kTypeCodes < int(plan_.types.size())) {
            row.fixtureType = n - kTypeCodes;
            keepOptionsInForce(row);
        } else {
            return false;
        }
        break;
    case Channels:
        if (row.fixtureType)
            return false;
        if (value.toString().isEmpty()) {
            row.setting.channels.reset();
            row.typedChannels.reset();
        } else if (deviceInfo(row.setting.device).channels) {
            if (!ok || (n != 3 && n != 6))
                return false;
            row.setting.channels = n;
        } else {
            if (!ok || n < kMinChannels || n > kMaxChannels)
                return false;
            row.typedChannels = n;
        }
        break;
    case Universe:
        if (!ok || n < kFirstUniverse || n > kLastUniverse)
            return false;
        row.universe = n;
        break;
    case Start:
        if (!ok || n < kFirstStart || n > kMaxStart)
            return false;
        row.setting.address = n;
        break;
    default:
        return false;
    }
    if (sameRow(row, plan_.rows[std::size_t(index.row())]))
        return true;
    setRow(index.row(), row);
    return true;
}

} // namespace velantra::plan
