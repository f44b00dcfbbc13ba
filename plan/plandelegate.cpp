#include "plan/plandelegate.h"

#include "plan/devices.h"
#include "plan/plantablemodel.h"
#include "ui/accessibility.h"
#include "ui/qstr.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace velantra::plan
{
namespace
{

QSpinBox* numberBox(QWidget* parent, const char* name, int low, int high)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    return box;
}

// Qt tells a screen reader nothing when an arrow key changes a closed list's choice: it is
// announced.
QComboBox* announcingChoices(QComboBox* list)
{
    QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString& text) {
        if (list->hasFocus() && !list->view()->isVisible())
            ui::announce(list->window(), text);
    });
    return list;
}

// The plan behind the view, through the filter and sort in between.
const PlanTableModel* planModel(QModelIndex index)
{
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        index = proxy->mapToSource(index);
    return qobject_cast<const PlanTableModel*>(index.model());
}

bool hasChannelChoice(const QModelIndex& index)
{
    return index.siblingAtColumn(DeviceColumn).data(Qt::EditRole).toInt() == int(Device::Orvo75);
}

} // namespace

QWidget* PlanDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    switch (index.column()) {
    case Label: {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("labelEditor"));
        edit->setMaxLength(int(kMaxLabelLength));
        return edit;
    }
    case DeviceColumn: {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("deviceEditor"));
        for (const DeviceInfo& info : kDevices)
            list->addItem(qstr(tableName(info.device)), int(info.device));
        // The plan's own fixture types after our devices.
        if (const auto* model = planModel(index)) {
            const std::vector<FixtureType>& types = model->plan().types;
            for (int t = 0; t < int(types.size()); ++t)
                list->addItem(QString::fromStdString(types[std::size_t(t)].name), kTypeCodes + t);
        }
        return announcingChoices(list);
    }
    case Channels:
        if (hasChannelChoice(index)) {
            auto* list = new QComboBox(parent);
            list->setObjectName(QStringLiteral("channelsEditor"));
            list->addItem(QStringLiteral("3"), 3);
            list->addItem(QStringLiteral("6"), 6);
            return announcingChoices(list);
        }
        return numberBox(parent, "channelsEditor", kMinChannels, kMaxChannels);
    case Universe:
        return numberBox(parent, "universeEditor", kFirstUniverse, kLastUniverse);
    case Start:
        return numberBox(parent, "startEditor", kFirstStart, kMaxStart);
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void PlanDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(std::max(0, list->findData(value.toInt())));
    else if (auto* box = qobject_cast<QSpinBox*>(editor))
        box->setValue(value.isValid() ? value.toInt() : box->minimum());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void PlanDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor))
        model->setData(index, list->currentData(), Qt::EditRole);
    else if (auto* box = qobject_cast<QSpinBox*>(editor))
        model->setData(index, box->value(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace velantra::plan
