#include "plan/rigplanwindow.h"

#include "cards/cardreader.h"
#include "cards/paper.h"
#include "cards/paperoutput.h"
#include "files/filereader.h"
#include "i18n/language.h"
#include "plan/addressing.h"
#include "plan/csvimportdialog.h"
#include "plan/fixturetypesdialog.h"
#include "plan/plancards.h"
#include "plan/plancsv.h"
#include "plan/plandelegate.h"
#include "plan/planfile.h"
#include "plan/plantablemodel.h"
#include "plan/plantext.h"
#include "plan/rowoptionsdialog.h"
#include "plan/windows.h"
#include "ui/accessibility.h"
#include "ui/standardlook.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

namespace velantra::plan
{
namespace
{

const char* const kPlanFilter = VT_TEXT("RigPlanWindow", "Rig plans (*.json);;All files (*)");
const char* const kCsvFilter = VT_TEXT("RigPlanWindow", "Patch lists (*.csv);;All files (*)");

// The rows the table shows: all, or those of one universe; sorted by a column when its header
// is clicked, in plan order otherwise.
class UniverseFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setUniverse(std::optional<int> universe)
    {
        universe_ = universe;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        return !universe_ ||
               sourceModel()->index(row, Universe, parent).data(Qt::EditRole) == *universe_;
    }

private:
    std::optional<int> universe_;
};

// "row 86 “Bar” on universe 2", up to `count` of them, then how many more.
QString listed(const QStringList& items, int count)
{
    QStringList shown = items.mid(0, count);
    if (items.size() > count)
        shown << i18n::translate("RigPlanWindow", "%1 more").arg(items.size() - count);
    return shown.join(QStringLiteral("; "));
}

} // namespace

QWidget* createRigPlan()
{
    return new RigPlanWindow;
}

RigPlanWindow::RigPlanWindow(QWidget* parent)
    : QMainWindow(parent), model_(new PlanTableModel(this)), shown_(new UniverseFilter(this)),
      view_(new QTableView(this)), universeFilter_(new QLineEdit(this)), status_(new QLabel(this))
{
    setObjectName(QStringLiteral("RigPlan"));
    ui::keepStandardLook(this);
    view_->setObjectName(QStringLiteral("planTable"));
    shown_->setSourceModel(model_);
    view_->setModel(shown_);
    // Plan order until a header is clicked; a third click goes back to it.
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->horizontalHeader()->setSortIndicatorClearable(true);
    view_->setSortingEnabled(true);
    view_->setItemDelegate(new PlanDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    universeFilter_->setObjectName(QStringLiteral("universeFilter"));
    // A box, not a list of the universes: a list draws its arrow from the style's pixmap cache,
    // which keys it by the palette of each new window and so grows with every window opened.
    universeFilter_->setValidator(new QIntValidator(kFirstUniverse, kLastUniverse, this));
    universeFilter_->setPlaceholderText(i18n::translate("RigPlanWindow", "all"));
    universeFilter_->setToolTip(
        i18n::translate("RigPlanWindow", "Shows the rows of one universe; empty shows all."));
    universeFilter_->setFixedWidth(70);
    auto* filterCaption = new QLabel(i18n::translate("RigPlanWindow", "Show &universe:"), this);
    filterCaption->setBuddy(universeFilter_);
    auto* central = new QWidget(this);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterCaption);
    filterRow->addWidget(universeFilter_);
    filterRow->addStretch(1);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 4, 0, 0);
    filterRow->setContentsMargins(6, 0, 6, 0);
    layout->addLayout(filterRow);
    layout->addWidget(view_);
    setCentralWidget(central);
    status_->setObjectName(QStringLiteral("planStatus"));
    statusBar()->addWidget(status_, 1);
    createActions();
    connect(model_, &PlanTableModel::edited, this, [this] { setModified(true); });
    connect(model_, &PlanTableModel::refreshed, this, &RigPlanWindow::updateStatus);
    connect(universeFilter_, &QLineEdit::textChanged, this, &RigPlanWindow::filterUniverse);
    // The mode and options are chosen in a dialog, not typed into the cell.
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == Options)
            editOptions();
    });
    const std::array widths{150, 130, 260, 70, 65, 55, 55};
    for (std::size_t c = 0; c < widths.size(); ++c)
        view_->setColumnWidth(int(c), widths[c]);
    resize(1100, 520);
    setPath({});
    updateStatus();
}

QAction* RigPlanWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                   const QKeySequence& keys, void (RigPlanWindow::*slot)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

void RigPlanWindow::createActions()
{
    QMenu* file = menuBar()->addMenu(i18n::translate("RigPlanWindow", "&File"));
    file->setObjectName(QStringLiteral("planFileMenu"));
    addCommand(file, "planNew", i18n::translate("RigPlanWindow", "&New"), QKeySequence::New,
               &RigPlanWindow::newPlan);
    addCommand(file, "planOpen", i18n::translate("RigPlanWindow", "&Open…"), QKeySequence::Open,
               &RigPlanWindow::open);
    addCommand(file, "planSave", i18n::translate("RigPlanWindow", "&Save"), QKeySequence::Save,
               &RigPlanWindow::save);
    addCommand(file, "planSaveAs", i18n::translate("RigPlanWindow", "Save &As…"),
               QKeySequence::SaveAs, &RigPlanWindow::saveAs);
    file->addSeparator();
    addCommand(file, "csvImport", i18n::translate("RigPlanWindow", "&Import patch list (CSV)…"), {},
               &RigPlanWindow::importCsv);
    addCommand(file, "csvExport", i18n::translate("RigPlanWindow", "&Export patch list (CSV)…"), {},
               &RigPlanWindow::exportCsv);
    file->addSeparator();
    auto* close =
        file->addAction(i18n::translate("RigPlanWindow", "&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("planClose"));

    QMenu* planMenu = menuBar()->addMenu(i18n::translate("RigPlanWindow", "&Plan"));
    planMenu->setObjectName(QStringLiteral("planPlanMenu"));
    addCommand(planMenu, "fixtureTypes", i18n::translate("RigPlanWindow", "Fixture &types…"),
               Qt::CTRL | Qt::Key_T, &RigPlanWindow::fixtureTypes);

    QMenu* rows = menuBar()->addMenu(i18n::translate("RigPlanWindow", "&Rows"));
    rows->setObjectName(QStringLiteral("planRowsMenu"));
    const QList<QAction*> rowCommands{
        addCommand(rows, "rowAdd", i18n::translate("RigPlanWindow", "&Add row"),
                   Qt::CTRL | Qt::Key_Insert, &RigPlanWindow::addRow),
        addCommand(rows, "rowRemove", i18n::translate("RigPlanWindow", "&Remove rows"),
                   Qt::CTRL | Qt::Key_Delete, &RigPlanWindow::removeRows),
        addCommand(rows, "rowDuplicate", i18n::translate("RigPlanWindow", "&Duplicate…"),
                   Qt::CTRL | Qt::Key_D, &RigPlanWindow::duplicateRow),
        addCommand(rows, "rowUp", i18n::translate("RigPlanWindow", "Move &up"),
                   Qt::CTRL | Qt::Key_Up, &RigPlanWindow::moveUp),
        addCommand(rows, "rowDown", i18n::translate("RigPlanWindow", "Move do&wn"),
                   Qt::CTRL | Qt::Key_Down, &RigPlanWindow::moveDown),
        addCommand(rows, "rowSort",
                   i18n::translate("RigPlanWindow", "&Sort by universe and address"), {},
                   &RigPlanWindow::sortRows),
        addCommand(rows, "addressFrom", i18n::translate("RigPlanWindow", "Address &from…"),
                   Qt::CTRL | Qt::Key_F, &RigPlanWindow::addressFrom),
        addCommand(rows, "rowOptions", i18n::translate("RigPlanWindow", "&Mode and options…"),
                   Qt::CTRL | Qt::Key_M, &RigPlanWindow::editOptions),
    };

    QMenu* cards = menuBar()->addMenu(i18n::translate("RigPlanWindow", "&Cards"));
    cards->setObjectName(QStringLiteral("planCardsMenu"));
    const QList<QAction*> cardCommands{
        addCommand(cards, "openConfigurator",
                   i18n::translate("RigPlanWindow", "Open &configurator"), Qt::CTRL | Qt::Key_K,
                   &RigPlanWindow::openConfigurator),
        addCommand(cards, "printCards", i18n::translate("RigPlanWindow", "&Print cards…"),
                   QKeySequence::Print, &RigPlanWindow::printCards),
        addCommand(cards, "saveCardsPdf", i18n::translate("RigPlanWindow", "Save cards as &PDF…"),
                   Qt::CTRL | Qt::ALT | Qt::Key_S, &RigPlanWindow::saveCardsPdf),
        addCommand(cards, "savePatchSheetPdf",
                   i18n::translate("RigPlanWindow", "Save patch &sheet as PDF…"), {},
                   &RigPlanWindow::savePatchSheetPdf),
        addCommand(cards, "copyText", i18n::translate("RigPlanWindow", "Copy as &text"),
                   Qt::CTRL | Qt::SHIFT | Qt::Key_C, &RigPlanWindow::copyAsText),
    };
    view_->addActions(rowCommands);
    view_->addActions(cardCommands);
}

bool RigPlanWindow::maybeSave()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, i18n::translate("RigPlanWindow", "Rig plan"),
                    i18n::translate("RigPlanWindow", "The plan %1 has unsaved changes. Save them?")
                        .arg(planName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsavedPlan"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        save();
        return !isWindowModified();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool RigPlanWindow::openFile(const QString& path)
{
    const ReadResult read = loadPlanFile(path);
    if (!read.plan) {
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The plan cannot be opened.\n%1").arg(read.error));
        return false;
    }
    model_->setPlan(*read.plan);
    setPath(path);
    setModified(false);
    return true;
}

bool RigPlanWindow::saveTo(const QString& path)
{
    QString error;
    if (!savePlanFile(path, model_->plan(), &error)) {
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The plan was not saved.\n%1").arg(error));
        return false;
    }
    setPath(path);
    setModified(false);
    return true;
}

bool RigPlanWindow::exportCsvTo(const QString& path)
{
    QString error;
    if (!saveCsvFile(path, model_->plan(), &error)) {
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The patch list was not saved.\n%1").arg(error));
        return false;
    }
    ui::announce(this, i18n::translate("RigPlanWindow", "Patch list saved"));
    return true;
}

bool RigPlanWindow::importCsvFrom(const QString& path)
{
    QString reason;
    const std::optional<QByteArray> bytes = files::readRegularFile(path, kMaxFileSize + 1, &reason);
    const CsvTable table = bytes ? parseCsv(*bytes) : CsvTable{};
    const QString error = bytes ? table.error : reason;
    if (!error.isEmpty()) {
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The patch list cannot be imported.\n%1: %2")
                .arg(QFileInfo(path).fileName(), error));
        return false;
    }
    CsvImportDialog dialog(table, path, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setPath({});
    model_->replacePlan(dialog.result().plan);
    return true;
}

void RigPlanWindow::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void RigPlanWindow::newPlan()
{
    if (!maybeSave())
        return;
    model_->setPlan({});
    setPath({});
    setModified(false);
}

void RigPlanWindow::open()
{
    if (!maybeSave())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, i18n::translate("RigPlanWindow", "Open rig plan"), path_,
                                     i18n::translate("RigPlanWindow", kPlanFilter));
    if (!path.isEmpty())
        openFile(path);
}

void RigPlanWindow::save()
{
    if (path_.isEmpty())
        saveAs();
    else
        saveTo(path_);
}

void RigPlanWindow::saveAs()
{
    QFileDialog dialog(this, i18n::translate("RigPlanWindow", "Save rig plan"), path_,
                       i18n::translate("RigPlanWindow", kPlanFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveTo(dialog.selectedFiles().constFirst());
}

void RigPlanWindow::importCsv()
{
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, i18n::translate("RigPlanWindow", "Import patch list"), QFileInfo(path_).path(),
        i18n::translate("RigPlanWindow", kCsvFilter));
    if (!path.isEmpty())
        importCsvFrom(path);
}

void RigPlanWindow::exportCsv()
{
    const QString suggested =
        path_.isEmpty() ? QString() : QFileInfo(path_).completeBaseName() + QStringLiteral(".csv");
    QFileDialog dialog(this, i18n::translate("RigPlanWindow", "Export patch list"), suggested,
                       i18n::translate("RigPlanWindow", kCsvFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportCsvTo(dialog.selectedFiles().constFirst());
}

void RigPlanWindow::fixtureTypes()
{
    FixtureTypesDialog dialog(*model_, this);
    dialog.exec();
}

void RigPlanWindow::addRow()
{
    const int current = currentRow();
    const RigPlan& plan = model_->plan();
    if (int(plan.rows.size()) >= kMaxRows)
        return;
    // The new row takes the device or type and the universe of the current one, and the next
    // free address there.
    PlanRow row = newRow(Device::Orvo75);
    if (current >= 0) {
        const PlanRow& above = plan.rows[std::size_t(current)];
        row = above.fixtureType ? newTypeRow(*above.fixtureType) : newRow(above.setting.device);
    }
    row.universe = universeAfter(plan, current);
    int next = kFirstStart;
    for (const PlanRow& other : plan.rows)
        if (other.universe == row.universe)
            next = std::max(next, endAddress(plan, other).value_or(0) + 1);
    row.setting.address = std::min(next, kMaxStart);
    const int at = current >= 0 ? current + 1 : int(plan.rows.size());
    model_->insertPlanRows(at, {row});
    selectRow(at);
}

void RigPlanWindow::removeRows()
{
    std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    model_->removePlanRows(rows);
    selectRow(std::min(rows.front(), model_->rowCount() - 1));
}

void RigPlanWindow::duplicateRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    bool ok = false;
    const int copies = QInputDialog::getInt(this, i18n::translate("RigPlanWindow", "Duplicate"),
                                            i18n::translate("RigPlanWindow", "Number of copies:"),
                                            1, 1, kMaxRows - 1, 1, &ok);
    if (ok) // as many as the plan has room for
        model_->insertPlanRows(
            row + 1,
            std::vector<PlanRow>(std::size_t(copies), model_->plan().rows[std::size_t(row)]));
    selectRow(row);
}

void RigPlanWindow::moveUp()
{
    moveCurrent(-1);
}

void RigPlanWindow::moveDown()
{
    moveCurrent(+1);
}

void RigPlanWindow::moveCurrent(int direction)
{
    const int row = currentRow();
    if (row < 0 || row + direction < 0 || row + direction >= model_->rowCount())
        return;
    model_->movePlanRow(row, direction);
    selectRow(row + direction);
}

void RigPlanWindow::sortRows()
{
    model_->sortPlan();
}

void RigPlanWindow::addressFrom()
{
    const std::vector<int> rows = selectedRows();
    const RigPlan& plan = model_->plan();
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("addressFromDialog"));
    dialog.setWindowTitle(i18n::translate("RigPlanWindow", "Address from"));
    auto* universe = new QSpinBox(&dialog);
    universe->setObjectName(QStringLiteral("addressUniverse"));
    universe->setRange(kFirstUniverse, kLastUniverse);
    universe->setValue(universeAfter(plan, rows.empty() ? 0 : rows.front()));
    auto* start = new QSpinBox(&dialog);
    start->setObjectName(QStringLiteral("addressStart"));
    start->setRange(kFirstStart, kLastStart);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                         Qt::Horizontal, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(new QLabel(
        i18n::translate("RigPlanWindow",
                        "Consecutive addresses for the selected rows (all rows when none "
                        "is selected); a block that does not fit continues at 1 of the "
                        "next universe."),
        &dialog));
    form->addRow(i18n::translate("RigPlanWindow", "&Universe:"), universe);
    form->addRow(i18n::translate("RigPlanWindow", "&Starting at:"), start);
    form->addRow(buttons);
    start->setFocus();
    start->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<UniverseBreak> breaks = model_->changeValues(
        [&](RigPlan& p) { return plan::addressFrom(p, rows, universe->value(), start->value()); });
    if (breaks.empty())
        return;
    QStringList where;
    for (const UniverseBreak& at : breaks)
        where << i18n::translate("RigPlanWindow", "%1 starts universe %2")
                     .arg(QString::fromStdString(rowName(model_->plan(), at.row)))
                     .arg(at.universe);
    QMessageBox box(QMessageBox::Information, i18n::translate("RigPlanWindow", "Address from"),
                    i18n::translate("RigPlanWindow",
                                    "Blocks that did not fit went on to the next universe:\n%1.")
                        .arg(listed(where, 10)),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("universeBreaks"));
    box.exec();
}

void RigPlanWindow::editOptions()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const PlanRow& shown = model_->plan().rows[std::size_t(row)];
    // A fixture type's row has no mode or options of its own.
    if (shown.fixtureType)
        return;
    RowOptionsDialog dialog(shown, this);
    if (dialog.exec() == QDialog::Accepted && !sameRow(dialog.row(), shown))
        model_->setRow(row, dialog.row());
}

void RigPlanWindow::openConfigurator()
{
    const int row = currentRow();
    if (row < 0 || !openConfigurator_)
        return;
    const QString problem = rowSettingProblem(model_->plan(), row);
    if (!problem.isEmpty()) {
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The configurator cannot show this row.\n%1")
                .arg(problem));
        return;
    }
    const PlanRow& shown = model_->plan().rows[std::size_t(row)];
    if (shown.fixtureType) {
        QMessageBox::information(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow",
                            "The %1 has no configurator window: its card shows its levers.")
                .arg(QString::fromStdString(fixtureName(model_->plan(), shown))));
        return;
    }
    const DeviceSetting& setting = shown.setting;
    // Through the window's own controls, so that its procedures set the levers.
    cards::applySetting(openConfigurator_(setting.device), setting);
}

QString RigPlanWindow::planName() const
{
    return path_.isEmpty() ? i18n::translate("RigPlanWindow", "Untitled")
                           : QFileInfo(path_).fileName();
}

std::optional<std::vector<cards::SettingCard>> RigPlanWindow::cardsOrWarning()
{
    QString error;
    std::optional<std::vector<cards::SettingCard>> made =
        planCards(model_->plan(), planName(), &error);
    if (!made)
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "No cards were made.\n%1").arg(error));
    return made;
}

void RigPlanWindow::printCards()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    cards::printWithDialog(
        this, i18n::translate("RigPlanWindow", "Setting cards"),
        [&made](QPagedPaintDevice& device) { cards::paintCardSheets(device, *made); });
}

void RigPlanWindow::saveCardsPdf()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    cards::savePdfWithDialog(
        this,
        {.caption = i18n::translate("RigPlanWindow", "Save cards as PDF"),
         .suggestedName = {},
         .title = i18n::translate("RigPlanWindow", "Setting cards"),
         .failureTitle = i18n::translate("RigPlanWindow", "Rig plan"),
         .failureIntro = i18n::translate("RigPlanWindow", "The cards were not saved.")},
        [&made](QPagedPaintDevice& device) { cards::paintCardSheets(device, *made); });
}

void RigPlanWindow::savePatchSheetPdf()
{
    const cards::PatchSheet sheet = patchSheet(model_->plan(), planName());
    cards::savePdfWithDialog(
        this,
        {.caption = i18n::translate("RigPlanWindow", "Save patch sheet as PDF"),
         .suggestedName = {},
         .title = QString::fromStdString(sheet.title),
         .failureTitle = i18n::translate("RigPlanWindow", "Rig plan"),
         .failureIntro = i18n::translate("RigPlanWindow", "The patch sheet was not saved.")},
        [&sheet](QPagedPaintDevice& device) { cards::paintPatchSheet(device, sheet); });
}

void RigPlanWindow::copyAsText()
{
    QApplication::clipboard()->setText(QString::fromStdString(planAsText(model_->plan())));
    ui::announce(this, i18n::translate("RigPlanWindow", "Copied as text"));
}

std::vector<int> RigPlanWindow::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(shown_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int RigPlanWindow::currentRow() const
{
    const QModelIndex current = shown_->mapToSource(view_->currentIndex());
    return current.isValid() ? current.row() : -1;
}

void RigPlanWindow::selectRow(int row)
{
    const QModelIndex shown = shown_->mapFromSource(model_->index(row, 0));
    if (shown.isValid())
        view_->selectRow(shown.row());
}

void RigPlanWindow::setModified(bool modified)
{
    setWindowModified(modified);
}

// The title names the file ("Untitled" before the first save); Qt shows "*" at "[*]" while the
// plan has unsaved changes.
void RigPlanWindow::setPath(const QString& path)
{
    path_ = path;
    setWindowFilePath(path);
    setWindowTitle(i18n::translate("RigPlanWindow", "%1[*] - Rig plan").arg(planName()));
}

void RigPlanWindow::updateStatus()
{
    const int rows = model_->rowCount();
    const int universes = int(universesOf(model_->plan()).size());
    status_->setText(
        (rows == 1 ? i18n::translate("RigPlanWindow", "1 row")
                   : i18n::translate("RigPlanWindow", "%1 rows").arg(rows)) +
        QStringLiteral(" \u00b7 ") +
        (universes == 1 ? i18n::translate("RigPlanWindow", "1 universe")
                        : i18n::translate("RigPlanWindow", "%1 universes").arg(universes)) +
        QStringLiteral(" \u00b7 ") + QString::fromStdString(problemSummary(model_->problems())));
}

void RigPlanWindow::filterUniverse()
{
    bool ok = false;
    const int universe = universeFilter_->text().toInt(&ok);
    static_cast<UniverseFilter*>(shown_)->setUniverse(ok ? std::optional<int>(universe)
                                                         : std::nullopt);
}

} // namespace velantra::plan
