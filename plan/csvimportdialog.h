#pragma once

// Importing a patch list: what each column holds (recognised from its header, or chosen here),
// a preview of the plan it makes, and every line that cannot be a row named with why.

#include "plan/plancsv.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velantra::plan
{

class CsvImportDialog : public QDialog
{
    Q_OBJECT
public:
    CsvImportDialog(CsvTable table, const QString& fileName, QWidget* parent);

    // The plan of the lines that make rows, with the columns as chosen.
    const CsvImport& result() const { return result_; }

private:
    void readAgain();

    CsvTable table_;
    std::vector<QComboBox*> columns_;
    QTableWidget* preview_;
    QListWidget* problems_;
    QLabel* summary_;
    QPushButton* import_;
    CsvImport result_;
};

} // namespace velantra::plan
