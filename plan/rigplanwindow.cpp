#include "plan/rigplanwindow.h"

#include "cards/cardreader.h"
#include "cards/cardwriter.h"
#include "i18n/language.h"
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
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTableView>
#include <algorithm>

namespace velantra::plan
{
namespace
{

const char* const kPlanFilter = VT_TEXT("RigPlanWindow", "Rig plans (*.json);;All files (*)");

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
    auto* close =
        file->addAction(i18n::translate("RigPlanWindow", "&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("planClose"));

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
        addCommand(rows, "rowSort", i18n::translate("RigPlanWindow", "&Sort by address"), {},
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
        addCommand(cards, "copyText", i18n::translate("RigPlanWindow", "Copy as &text"),
                   Qt::CTRL | Qt::SHIFT | Qt::Key_C, &RigPlanWindow::copyAsText),
    };
    view_->addActions(rowCommands);
    view_->addActions(cardCommands);
}

bool RigPlanWindow::maybeSave()
{
    if (!modified_)
        return true;
    QMessageBox box(QMessageBox::Warning, i18n::translate("RigPlanWindow", "Rig plan"),
                    i18n::translate("RigPlanWindow", "The plan %1 has unsaved changes. Save them?")
                        .arg(path_.isEmpty() ? i18n::translate("RigPlanWindow", "Untitled")
                                             : QFileInfo(path_).fileName()),
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
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The plan cannot be opened.\n%1").arg(read.error));
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
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The plan was not saved.\n%1").arg(error));
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
    const int copies = QInputDialog::getInt(this, i18n::translate("RigPlanWindow", "Duplicate"),
                                            i18n::translate("RigPlanWindow", "Number of copies:"),
                                            1, 1, kMaxRows - 1, 1, &ok);
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
        this, i18n::translate("RigPlanWindow", "Address from"),
        i18n::translate(
            "RigPlanWindow",
            "Consecutive addresses for the selected rows (all rows when none is selected), "
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
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The configurator cannot show this row.\n%1")
                .arg(problem));
        return;
    }
    const DeviceSetting& setting = model_->plan()[std::size_t(row)].setting;
    // Through the window's own controls, so that its procedures set the levers.
    cards::applySetting(openConfigurator_(setting.device), setting);
}

std::optional<std::vector<cards::SettingCard>> RigPlanWindow::cardsOrWarning()
{
    QString error;
    std::optional<std::vector<cards::SettingCard>> made = planCards(model_->plan(), &error);
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
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        cards::printCards(printer, *made);
}

void RigPlanWindow::saveCardsPdf()
{
    const std::optional<std::vector<cards::SettingCard>> made = cardsOrWarning();
    if (!made)
        return;
    QFileDialog dialog(this, i18n::translate("RigPlanWindow", "Save cards as PDF"), QString(),
                       i18n::translate("RigPlanWindow", "PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!cards::writeCardsPdf(dialog.selectedFiles().constFirst(), *made, &error))
        QMessageBox::warning(
            this, i18n::translate("RigPlanWindow", "Rig plan"),
            i18n::translate("RigPlanWindow", "The cards were not saved.\n%1").arg(error));
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
    const QString name = path_.isEmpty() ? i18n::translate("RigPlanWindow", "Untitled")
                                         : QFileInfo(path_).fileName();
    setWindowTitle(i18n::translate("RigPlanWindow", "%1%2 - Rig plan")
                       .arg(name, modified_ ? QStringLiteral("*") : QString()));
}

void RigPlanWindow::updateStatus()
{
    const int rows = model_->rowCount();
    status_->setText((rows == 1 ? i18n::translate("RigPlanWindow", "1 row")
                                : i18n::translate("RigPlanWindow", "%1 rows").arg(rows)) +
                     QStringLiteral(" \u00b7 ") +
                     QString::fromStdString(problemSummary(model_->problems())));
}

} // namespace velantra::plan
