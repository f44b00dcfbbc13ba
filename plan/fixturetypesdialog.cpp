#include "plan/fixturetypesdialog.h"

#include "plan/leverstext.h"
#include "plan/plantablemodel.h"
#include "plan/problems.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velantra::plan
{
namespace
{

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

QString typeSummary(const FixtureType& type)
{
    QString summary = QStringLiteral("%1, %2 Ch").arg(text(type.name)).arg(type.channels);
    if (type.levers)
        summary += QStringLiteral(", ") + text(schemeText(*type.levers)).replace(u';', u',');
    return summary;
}

std::optional<std::vector<NamedLever>> readFunctionLevers(const QString& text, QString* problem)
{
    std::vector<NamedLever> levers;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        const qsizetype colon = part.indexOf(u':');
        bool ok = false;
        const int lever = colon > 0 ? part.left(colon).trimmed().toInt(&ok) : 0;
        const QString name = part.mid(colon + 1).trimmed();
        if (!ok || name.isEmpty()) {
            *problem = FixtureTypeEditor::tr("\u201c%1\u201d is not a lever and its name, such "
                                             "as \u201c10: stand-alone\u201d.")
                           .arg(part.trimmed());
            return std::nullopt;
        }
        levers.push_back({lever, name.toStdString()});
    }
    return levers;
}

FixtureTypeEditor::FixtureTypeEditor(const RigPlan& plan, int index, QWidget* parent)
    : QDialog(parent), plan_(plan), index_(index), name_(named(new QLineEdit(this), "typeName")),
      channels_(named(new QSpinBox(this), "typeChannels")),
      levers_(named(new QGroupBox(tr("&Address levers"), this), "typeLevers")),
      leverCount_(named(new QSpinBox(levers_), "leverCount")),
      lowest_(named(new QComboBox(levers_), "lowestLever")),
      onSide_(named(new QComboBox(levers_), "onSide")),
      holds_(named(new QComboBox(levers_), "leversHold")),
      functions_(named(new QLineEdit(levers_), "functionLevers"))
{
    setObjectName(QStringLiteral("fixtureTypeEditor"));
    setWindowTitle(index < 0 ? tr("New fixture type") : tr("Edit fixture type"));
    name_->setMaxLength(int(kMaxLabelLength));
    name_->setPlaceholderText(tr("Maker and model"));
    channels_->setRange(kMinChannels, kMaxChannels);
    leverCount_->setRange(kMinSchemeLevers, kMaxSchemeLevers);
    onSide_->addItem(tr("Up"), true);
    onSide_->addItem(tr("Down"), false);
    holds_->addItem(tr("The address"), false);
    holds_->addItem(tr("The address \u2212 1"), true);
    functions_->setPlaceholderText(tr("10: stand-alone; 11: test"));
    levers_->setCheckable(true);

    auto* leverForm = new QFormLayout(levers_);
    leverForm->addRow(tr("&Levers in the bank:"), leverCount_);
    leverForm->addRow(tr("Lowest &bit on:"), lowest_);
    leverForm->addRow(tr("&ON is:"), onSide_);
    leverForm->addRow(tr("The levers &hold:"), holds_);
    leverForm->addRow(tr("&Function levers:"), functions_);
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Channels:"), channels_);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FixtureTypeEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FixtureTypeEditor::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(levers_);
    layout->addWidget(buttons);

    const FixtureType shown = index >= 0 ? plan.types[std::size_t(index)] : FixtureType{};
    const LeverScheme scheme = shown.levers.value_or(LeverScheme{});
    name_->setText(text(shown.name));
    channels_->setValue(shown.channels);
    levers_->setChecked(shown.levers.has_value());
    leverCount_->setValue(scheme.levers);
    followLeverCount();
    lowest_->setCurrentIndex(scheme.lowestLever == 1 ? 0 : 1);
    onSide_->setCurrentIndex(scheme.onUp ? 0 : 1);
    holds_->setCurrentIndex(scheme.addressMinusOne ? 1 : 0);
    QStringList functions;
    for (const NamedLever& lever : scheme.named)
        functions << QStringLiteral("%1: %2").arg(lever.lever).arg(text(lever.name));
    functions_->setText(functions.join(QStringLiteral("; ")));
    connect(leverCount_, &QSpinBox::valueChanged, this, &FixtureTypeEditor::followLeverCount);
}

// The lowest bit is on lever 1 or on the last address lever, which the count decides.
void FixtureTypeEditor::followLeverCount()
{
    const int chosen = std::max(0, lowest_->currentIndex());
    const int last = LeverScheme{.levers = leverCount_->value()}.addressLevers();
    lowest_->clear();
    lowest_->addItem(tr("Lever 1"), 1);
    lowest_->addItem(tr("Lever %1").arg(last), last);
    lowest_->setCurrentIndex(chosen);
}

FixtureType FixtureTypeEditor::type() const
{
    FixtureType type{.name = name_->text().simplified().toStdString(),
                     .channels = channels_->value()};
    if (levers_->isChecked()) {
        QString ignored;
        type.levers = LeverScheme{
            .levers = leverCount_->value(),
            .lowestLever = lowest_->currentData().toInt(),
            .onUp = onSide_->currentData().toBool(),
            .addressMinusOne = holds_->currentData().toBool(),
            .named = readFunctionLevers(functions_->text(), &ignored)
                         .value_or(std::vector<NamedLever>{}),
        };
    }
    return type;
}

void FixtureTypeEditor::accept()
{
    QString problem;
    if (levers_->isChecked() && !readFunctionLevers(functions_->text(), &problem)) {
        QMessageBox::warning(this, windowTitle(), problem);
        functions_->setFocus();
        return;
    }
    if (const std::optional<std::string> why = typeProblem(plan_, type(), index_)) {
        QString message = text(*why);
        message[0] = message[0].toUpper();
        QMessageBox::warning(this, windowTitle(), message + u'.');
        return;
    }
    QDialog::accept();
}

FixtureTypesDialog::FixtureTypesDialog(PlanTableModel& model, QWidget* parent)
    : QDialog(parent), model_(model), list_(named(new QListWidget(this), "typeList"))
{
    setObjectName(QStringLiteral("fixtureTypes"));
    setWindowTitle(tr("Fixture types"));
    auto* caption = new QLabel(tr("Fixture &types of this plan:"), this);
    caption->setBuddy(list_);
    auto* add = named(new QPushButton(tr("&Add\u2026"), this), "typeAdd");
    auto* edit = named(new QPushButton(tr("&Edit\u2026"), this), "typeEdit");
    auto* remove = named(new QPushButton(tr("&Delete"), this), "typeDelete");
    auto* close = named(new QPushButton(tr("Close"), this), "typeClose");
    connect(add, &QPushButton::clicked, this, &FixtureTypesDialog::add);
    connect(edit, &QPushButton::clicked, this, &FixtureTypesDialog::edit);
    connect(remove, &QPushButton::clicked, this, &FixtureTypesDialog::remove);
    connect(close, &QPushButton::clicked, this, &FixtureTypesDialog::accept);
    connect(list_, &QListWidget::itemActivated, this, &FixtureTypesDialog::edit);
    // Delete in the list deletes, as in a file manager.
    auto* deleteKey = new QAction(list_);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    connect(deleteKey, &QAction::triggered, this, &FixtureTypesDialog::remove);
    list_->addAction(deleteKey);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, edit, remove})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);
    resize(560, 300);
    fill(0);
}

void FixtureTypesDialog::fill(int current)
{
    list_->clear();
    for (const FixtureType& type : model_.plan().types)
        list_->addItem(typeSummary(type));
    if (list_->count() > 0)
        list_->setCurrentRow(std::clamp(current, 0, list_->count() - 1));
}

void FixtureTypesDialog::add()
{
    if (int(model_.plan().types.size()) >= kMaxTypes)
        return;
    FixtureTypeEditor editor(model_.plan(), -1, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    model_.addType(editor.type());
    fill(int(model_.plan().types.size()) - 1);
}

void FixtureTypesDialog::edit()
{
    const int current = list_->currentRow();
    if (current < 0)
        return;
    FixtureTypeEditor editor(model_.plan(), current, this);
    if (editor.exec() != QDialog::Accepted ||
        editor.type() == model_.plan().types[std::size_t(current)])
        return;
    model_.setType(current, editor.type());
    fill(current);
}

void FixtureTypesDialog::remove()
{
    const int current = list_->currentRow();
    if (current < 0)
        return;
    const RigPlan& plan = model_.plan();
    const std::vector<int> rows = rowsOfType(plan, current);
    if (!rows.empty()) {
        constexpr std::size_t kNamed = 10;
        QStringList names;
        for (std::size_t i = 0; i < std::min(rows.size(), kNamed); ++i)
            names << text(rowName(plan, rows[i]));
        if (rows.size() > kNamed)
            names << tr("%1 more").arg(rows.size() - kNamed);
        QMessageBox box(
            QMessageBox::Warning, windowTitle(),
            tr("The fixture type \u201c%1\u201d is in use and is not deleted.\n"
               "Used by: %2.")
                .arg(text(plan.types[std::size_t(current)].name), names.join(QStringLiteral(", "))),
            QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("typeInUse"));
        box.exec();
        return;
    }
    model_.removeType(current);
    fill(current);
}

} // namespace velantra::plan
