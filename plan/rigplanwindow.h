#pragma once

// The "Rig plan" window: the fixtures of a job on their DMX universes in a table, their
// addresses worked out and checked, kept in a plan file or a patch list, and each row shown on
// its configurator or printed as a card.

#include "cards/settingcard.h"
#include "plan/rigplan.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace velantra::plan
{

class PlanTableModel;

class RigPlanWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Shows the configurator window of a device (one instance each) and returns it.
    using ConfiguratorOpener = std::function<QWidget*(Device)>;

    explicit RigPlanWindow(QWidget* parent = nullptr);
    void setConfiguratorOpener(ConfiguratorOpener open) { openConfigurator_ = std::move(open); }

    PlanTableModel& model() { return *model_; }
    QTableView& table() { return *view_; }
    bool isModified() const { return isWindowModified(); }
    QString filePath() const { return path_; }

    // With unsaved changes, asks Save / Discard / Cancel; true when the plan may go.
    bool maybeSave();
    // Reads a plan file; a refused file is named in a message box and changes nothing.
    bool openFile(const QString& path);
    bool saveTo(const QString& path);
    // Writes the plan as a patch list; a failure is named in a message box.
    bool exportCsvTo(const QString& path);
    // Reads a patch list into a new, unsaved plan after the column-mapping step and preview.
    bool importCsvFrom(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& keys, void (RigPlanWindow::*slot)());
    void newPlan();
    void open();
    void save();
    void saveAs();
    void importCsv();
    void exportCsv();
    void fixtureTypes();
    void addRow();
    void removeRows();
    void duplicateRow();
    void moveUp();
    void moveDown();
    void moveCurrent(int direction);
    void sortRows();
    void addressFrom();
    void editOptions();
    void openConfigurator();
    std::optional<std::vector<cards::SettingCard>> cardsOrWarning();
    void printCards();
    void saveCardsPdf();
    void savePatchSheetPdf();
    QString planName() const;
    void copyAsText();

    // Rows of the plan (not of the sorted, filtered view).
    std::vector<int> selectedRows() const;
    int currentRow() const;
    void selectRow(int row);
    void setModified(bool modified);
    void setPath(const QString& path);
    void updateStatus();
    void filterUniverse();

    ConfiguratorOpener openConfigurator_;
    PlanTableModel* model_;
    QSortFilterProxyModel* shown_;
    QTableView* view_;
    QLineEdit* universeFilter_;
    QLabel* status_;
    QString path_;
};

} // namespace velantra::plan
