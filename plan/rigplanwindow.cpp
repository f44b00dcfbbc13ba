#include "plan/rigplanwindow.h"

#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "cards/paper.h"
#include "cards/paperoutput.h"
#include "plan/addressing.h"
#include "plan/plancards.h"
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
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

namespace velantra::plan
{
namespace
{

const QString kPlanFilter = QStringLiteral("Rig plans (*.json);;All files (*)");

} // namespace

QWidget* createRigPlan()
{
    return new RigPlanWindow;
}

RigPlanWindow::RigPlanWindow(QWidget* parent)
    : QMainWindow(parent), model_(new PlanTableModel(this)), view_(new QTableView(this)),
      status_(new QLabel(this))
{
    setObjectName(QStringLiteral("RigPlan"));
    ui::keepStandardLook(this);
    view_->setObjectName(QStringLiteral("planTable"));
    view_->setModel(model_);
    view_->setItemDelegate(new PlanDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    setCentralWidget(view_);
    status_->setObjectName(QStringLiteral("planStatus"));
    statusBar()->addWidget(status_, 1);
    createActions();
    connect(model_, &PlanTableModel::edited, this, [this] { setModified(true); });
    connect(model_, &PlanTableModel::modelReset, this, &RigPlanWindow::updateStatus);
    connect(model_, &PlanTableModel::dataChanged, this, &RigPlanWindow::updateStatus);
    // The mode and options are chosen in a dialog, not typed into the cell.
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() == Options)
            editOptions();
    });
    const std::array widths{150, 130, 260, 70, 55, 55};
    for (std::size_t c = 0; c < widths.size(); ++c)
        view_->setColumnWidth(int(c), widths[c]);
    resize(1100, 520);
    updateTitle();
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
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("planFileMenu"));
    addCommand(file, "planNew", tr("&New"), QKeySequence::New, &RigPlanWindow::newPlan);
    addCommand(file, "planOpen", tr("&Open\u2026"), QKeySequence::Open, &RigPlanWindow::open);
    addCommand(file, "planSave", tr("&Save"), QKeySequence::Save, &RigPlanWindow::save);
    addCommand(file, "planSaveAs", tr("Save &As\u2026"), QKeySequence::SaveAs,
               &RigPlanWindow::saveAs);
    file->addSeparator();
    auto* close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("planClose"));

    QMenu* rows = menuBar()->addMenu(tr("&Rows"));
    rows->setObjectName(QStringLiteral("planRowsMenu"));
    const QList<QAction*> rowCommands{
        addCommand(rows, "rowAdd", tr("&Add row"), Qt::CTRL | Qt::Key_Insert,
                   &RigPlanWindow::addRow),
        addCommand(rows, "rowRemove", tr("&Remove rows"), Qt::CTRL | Qt::Key_Delete,
                   &RigPlanWindow::removeRows),
        addCommand(rows, "rowDuplicate", tr("&Duplicate\u2026"), Qt::CTRL | Qt::Key_D,
                   &RigPlanWindow::duplicateRow),
        addCommand(rows, "rowUp", tr("Move &up"), Qt::CTRL | Qt::Key_Up, &RigPlanWindow::moveUp),
        addCommand(rows, "rowDown", tr("Move do&wn"), Qt::CTRL | Qt::Key_Down,
                   &RigPlanWindow::moveDown),
        addCommand(rows, "rowSort", tr("&Sort by address"), {}, &RigPlanWindow::sortRows),
        addCommand(rows, "addressFrom", tr("Address &from\u2026"), Qt::CTRL | Qt::Key_F,
                   &RigPlanWindow::addressFrom),
        addCommand(rows, "rowOptions", tr("&Mode and options\u2026"), Qt::CTRL | Qt::Key_M,
                   &RigPlanWindow::editOptions),
    };

    QMenu* cards = menuBar()->addMenu(tr("&Cards"));
    cards->setObjectName(QStringLiteral("planCardsMenu"));
    const QList<QAction*> cardCommands{
        addCommand(cards, "openConfigurator", tr("Open &configurator"), Qt::CTRL | Qt::Key_K,
                   &RigPlanWindow::openConfigurator),
        addCommand(cards, "printCards", tr("&Print cards\u2026"), QKeySequence::Print,
                   &RigPlanWindow::printCards),
        addCommand(cards, "saveCardsPdf", tr("Save cards as &PDF\u2026"),
                   Qt::CTRL | Qt::ALT | Qt::Key_S, &RigPlanWindow::saveCardsPdf),
        addCommand(cards, "savePatchSheetPdf", tr("Save patch &sheet as PDF\u2026"), {},
                   &RigPlanWindow::savePatchSheetPdf),
        addCommand(cards, "copyText", tr("Copy as &text"), Qt::CTRL | Qt::SHIFT | Qt::Key_C,
                   &RigPlanWindow::copyAsText),
    };
    view_->addActions(rowCommands);
    view_->addActions(cardCommands);
}

bool RigPlanWindow::maybeSave()
{
    if (!modified_)
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Rig plan"),
                    tr("The plan %1 has unsaved changes. Save them?")
                        .arg(path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsavedPlan"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        save();
        return !modified_;
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
        QMessageBox::warning(this, tr("Rig plan"),
                             tr("The plan cannot be opened.\n%1").arg(read.error));
        return false;
    }
    model_->setPlan(*read.plan);
    path_ = path;
    setModified(false);
    return true;
}

bool RigPlanWindow::saveTo(const QString& path)
{
    QString error;
    if (!savePlanFile(path, model_->plan(), &error)) {
        QMessageBox::warning(this, tr("Rig plan"), tr("The plan was not saved.\n%1").arg(error));
        return false;
    }
    path_ = path;
    setModified(false);
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
    path_.clear();
    setModified(false);
}

void RigPlanWindow::open()
{
    if (!maybeSave())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open rig plan"), path_, kPlanFilter);
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
    QFileDialog dialog(this, tr("Save rig plan"), path_, kPlanFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveTo(dialog.selectedFiles().constFirst());
}

void RigPlanWindow::addRow()
{
    const int current = currentRow();
    const RigPlan& plan = model_->plan();
    // The new row takes the device of the current one and the next free address.
    PlanRow row = newRow(current >= 0 ? plan[std::size_t(current)].setting.device : Device::Orvo75);
    int next = kFirstStart;
    for (const PlanRow& other : plan)
        next = std::max(next, endAddress(other).value_or(0) + 1);
    row.setting.address = std::min(next, kMaxStart);
    if (int(plan.size()) >= kMaxRows)
        return;
    const int at = current >= 0 ? current + 1 : int(plan.size());
    model_->change([&](RigPlan& p) { p.insert(p.begin() + at, row); });
    selectRow(at);
}

void RigPlanWindow::removeRows()
{
    std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    model_->change([&](RigPlan& p) {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            p.erase(p.begin() + *it);
    });
    selectRow(std::min(rows.front(), model_->rowCount() - 1));
}

void RigPlanWindow::duplicateRow()
{
    const int row = currentRow();
    if (row < 0)
        return;
    bool ok = false;
    const int copies = QInputDialog::getInt(this, tr("Duplicate"), tr("Number of copies:"), 1, 1,
                                            kMaxRows - 1, 1, &ok);
    if (ok)
        model_->change([&](RigPlan& p) { plan::duplicateRow(p, row, copies); });
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
    model_->change([&](RigPlan& p) { moveRow(p, row, direction); });
    selectRow(row + direction);
}

void RigPlanWindow::sortRows()
{
    model_->change(sortByAddress);
}

void RigPlanWindow::addressFrom()
{
    bool ok = false;
    const int start = QInputDialog::getInt(
        this, tr("Address from"),
        tr("Consecutive addresses for the selected rows (all rows when none is selected), "
           "starting at:"),
        kFirstStart, kFirstStart, kLastStart, 1, &ok);
    if (!ok)
        return;
    const std::vector<int> rows = selectedRows();
    model_->change([&](RigPlan& p) { plan::addressFrom(p, rows, start); });
}

void RigPlanWindow::editOptions()
{
    const int row = currentRow();
    if (row < 0)
        return;
    RowOptionsDialog dialog(model_->plan()[std::size_t(row)], this);
    if (dialog.exec() == QDialog::Accepted &&
        !sameRow(dialog.row(), model_->plan()[std::size_t(row)]))
        model_->setRow(row, dialog.row());
}

void RigPlanWindow::openConfigurator()
{
    const int row = currentRow();
    if (row < 0 || !openConfigurator_)
        return;
    const QString problem = rowSettingProblem(model_->plan(), row);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Rig plan"),
                             tr("The configurator cannot show this row.\n%1").arg(problem));
        return;
    }
    const DeviceSetting& setting = model_->plan()[std::size_t(row)].setting;
    // Through the window's own controls, so that its procedures set the levers.
    cards::applySetting(openConfigurator_(setting.device), setting);
}

QString RigPlanWindow::planName() const
{
    return path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
}

std::optional<std::vector<cards::SettingCard>> RigPlanWindow::cardsOrWarning()
{
    QString error;
    std::optional<std::vector<cards::SettingCard>> made =
        planCards(model_->plan(), planName(), &error);
    if (!made)
        QMessageBox::warning(this, tr("Rig plan"), tr("No cards were made.\n%1").arg(error));
    return made;
}

void RigPlanWindow::printCards()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    cards::printWithDialog(this, tr("Setting cards"), [&made](QPagedPaintDevice& device) {
        cards::paintCardSheets(device, *made);
    });
}

void RigPlanWindow::saveCardsPdf()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    cards::savePdfWithDialog(
        this,
        {.caption = tr("Save cards as PDF"),
         .suggestedName = {},
         .title = tr("Setting cards"),
         .failureTitle = tr("Rig plan"),
         .failureIntro = tr("The cards were not saved.")},
        [&made](QPagedPaintDevice& device) { cards::paintCardSheets(device, *made); });
}

void RigPlanWindow::savePatchSheetPdf()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    const cards::PatchSheet sheet = patchSheet(model_->plan(), planName(), *made);
    cards::savePdfWithDialog(
        this,
        {.caption = tr("Save patch sheet as PDF"),
         .suggestedName = {},
         .title = QString::fromStdString(sheet.title),
         .failureTitle = tr("Rig plan"),
         .failureIntro = tr("The patch sheet was not saved.")},
        [&sheet](QPagedPaintDevice& device) { cards::paintPatchSheet(device, sheet); });
}

void RigPlanWindow::copyAsText()
{
    QApplication::clipboard()->setText(QString::fromStdString(planAsText(model_->plan())));
    ui::announce(this, tr("Copied as text"));
}

std::vector<int> RigPlanWindow::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int RigPlanWindow::currentRow() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RigPlanWindow::selectRow(int row)
{
    if (row >= 0 && row < model_->rowCount())
        view_->selectRow(row);
}

void RigPlanWindow::setModified(bool modified)
{
    modified_ = modified;
    updateTitle();
}

void RigPlanWindow::updateTitle()
{
    const QString name = path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
    setWindowTitle(
        QStringLiteral("%1%2 - Rig plan").arg(name, modified_ ? QStringLiteral("*") : QString()));
}

void RigPlanWindow::updateStatus()
{
    const int rows = model_->rowCount();
    status_->setText((rows == 1 ? tr("1 row") : tr("%1 rows").arg(rows)) +
                     QStringLiteral(" \u00b7 ") +
                     QString::fromStdString(problemSummary(model_->problems())));
}

} // namespace velantra::plan
