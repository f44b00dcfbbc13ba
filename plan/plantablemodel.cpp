#include "plan/plantablemodel.h"

#include "i18n/language.h"
#include "plan/devices.h"
#include "plan/plantext.h"
#include "ui/qstr.h"

#include <QBrush>
#include <QColor>

namespace velantra::plan
{
namespace
{

QVariant number(const std::optional<int>& n)
{
    return n ? QVariant(*n) : QVariant();
}

// A device changes but keeps what the new one can hold, the channel count included.
void changeDevice(PlanRow& row, Device device)
{
    const std::optional<int> count = channelCount(row);
    row.setting.device = device;
    if (deviceInfo(device).channels)
        row.setting.channels = count == 3 || count == 6 ? count : std::nullopt;
    else
        row.typedChannels = count;
    keepOptionsInForce(row);
}

} // namespace

void PlanTableModel::setPlan(RigPlan plan)
{
    beginResetModel();
    plan_ = std::move(plan);
    refresh();
    endResetModel();
}

void PlanTableModel::setRow(int row, const PlanRow& value)
{
    plan_[std::size_t(row)] = value;
    refresh();
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit edited();
}

void PlanTableModel::refresh()
{
    problems_ = findProblems(plan_);
    rowProblems_.assign(plan_.size(), {});
    for (int i = 0; i < int(plan_.size()); ++i)
        rowProblems_[std::size_t(i)] = rowProblems(plan_, problems_, i);
}

int PlanTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(plan_.size());
}

int PlanTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PlanRow& row = plan_[std::size_t(index.row())];
    const std::string& problems = rowProblems_[std::size_t(index.row())];
    if (role == Qt::BackgroundRole && !problems.empty())
        return QBrush(QColor(0xff, 0xd8, 0xd8));
    if (role == Qt::ForegroundRole && !problems.empty())
        return QBrush(Qt::black);
    if (role == Qt::ToolTipRole && !problems.empty())
        return qstr(problems);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Label:
        return QString::fromStdString(row.label);
    case DeviceColumn:
        return role == Qt::EditRole ? QVariant(int(row.setting.device))
                                    : QVariant(qstr(tableName(row.setting.device)));
    case Options:
        return qstr(modeAndOptions(row.setting));
    case Channels:
        return number(channelCount(row));
    case Start:
        return takesAddress(row) ? QVariant(row.setting.address) : QVariant();
    case End:
        return number(endAddress(row));
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
                                          VT_TEXT("PlanTableModel", "Start"),
                                          VT_TEXT("PlanTableModel", "End"),
                                          VT_TEXT("PlanTableModel", "Problems")};
    if (role == Qt::DisplayRole)
        return i18n::translate("PlanTableModel", kTitles[section]);
    if (role == Qt::ToolTipRole && section == Channels)
        return i18n::translate(
            "PlanTableModel",
            "The DMX channels the device takes. The ORVO 75 takes 3 or 6 (its 3 Ch / 6 Ch "
            "choice); for the other devices the program does not know the count: type it "
            "(1–512), it is required.");
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
    const PlanRow& row = plan_[std::size_t(index.row())];
    const bool editable = index.column() == Label || index.column() == DeviceColumn ||
                          (index.column() == Channels &&
                           !(row.setting.master && deviceInfo(row.setting.device).channels)) ||
                          (index.column() == Start && takesAddress(row));
    return editable ? flags | Qt::ItemIsEditable : flags;
}

bool PlanTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    PlanRow row = plan_[std::size_t(index.row())];
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
        if (!ok || n < 0 || n >= int(kDeviceCount))
            return false;
        changeDevice(row, kDevices[std::size_t(n)].device);
        break;
    case Channels:
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
    case Start:
        if (!ok || n < kFirstStart || n > kMaxStart)
            return false;
        row.setting.address = n;
        break;
    default:
        return false;
    }
    if (sameRow(row, plan_[std::size_t(index.row())]))
        return true;
    setRow(index.row(), row);
    return true;
}

} // namespace velantra::plan
