#include "plan/csvimportdialog.h"

#include "plan/plantext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velantra::plan
{
namespace
{

// Enough to see that the columns are read right.
constexpr int kPreviewRows = 100;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QString number(const std::optional<int>& n)
{
    return n ? QString::number(*n) : QString();
}

} // namespace

CsvImportDialog::CsvImportDialog(CsvTable table, const QString& fileName, QWidget* parent)
    : QDialog(parent), table_(std::move(table)), preview_(new QTableWidget(this)),
      problems_(new QListWidget(this)), summary_(new QLabel(this))
{
    setObjectName(QStringLiteral("csvImport"));
    setWindowTitle(tr("Import patch list %1").arg(QFileInfo(fileName).fileName()));
    preview_->setObjectName(QStringLiteral("csvPreview"));
    problems_->setObjectName(QStringLiteral("csvProblems"));
    summary_->setObjectName(QStringLiteral("csvSummary"));

    // One choice per column, its header beside it.
    auto* mapping = new QWidget;
    auto* form = new QFormLayout(mapping);
    const std::vector<CsvField> guessed = guessColumns(table_);
    for (int c = 0; c < table_.columns; ++c) {
        auto* choice = new QComboBox(mapping);
        choice->setObjectName(QStringLiteral("csvColumn(%1)").arg(c));
        choice->addItem(tr("(not read)"), int(CsvField::Ignore));
        for (int f = int(CsvField::Universe); f < kCsvFieldCount; ++f)
            choice->addItem(QString::fromLatin1(csvFieldName(CsvField(f))), f);
        choice->setCurrentIndex(choice->findData(int(guessed[std::size_t(c)])));
        const QString header = c < int(table_.header.size())
                                   ? tr("Column %1 \u201c%2\u201d:")
                                         .arg(c + 1)
                                         .arg(text(table_.header[std::size_t(c)]))
                                   : tr("Column %1:").arg(c + 1);
        form->addRow(header, choice);
        connect(choice, &QComboBox::currentIndexChanged, this, &CsvImportDialog::readAgain);
        columns_.push_back(choice);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mapping);
    scroll->setWidgetResizable(true);
    scroll->setMaximumHeight(220);

    const QStringList headers{tr("Line"),  tr("Universe"), tr("Start"), tr("End"),
                              tr("Label"), tr("Fixture"),  tr("Mode"),  tr("Channels")};
    preview_->setColumnCount(int(headers.size()));
    preview_->setHorizontalHeaderLabels(headers);
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {40, 60, 50, 50, 150, 150, 150};
    for (int c = 0; c < int(std::size(widths)); ++c)
        preview_->setColumnWidth(c, widths[c]);
    preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 6);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, Qt::Horizontal, this);
    import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("csvImportButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("What each column holds:"), this));
    layout->addWidget(scroll);
    auto* previewCaption = new QLabel(tr("&Preview (the first %1 rows):").arg(kPreviewRows), this);
    previewCaption->setBuddy(preview_);
    layout->addWidget(previewCaption);
    layout->addWidget(preview_, 2);
    auto* problemsCaption = new QLabel(tr("Lines &left out:"), this);
    problemsCaption->setBuddy(problems_);
    layout->addWidget(problemsCaption);
    layout->addWidget(problems_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(760, 640);
    readAgain();
}

void CsvImportDialog::readAgain()
{
    std::vector<CsvField> fields;
    for (QComboBox* choice : columns_)
        fields.push_back(CsvField(choice->currentData().toInt()));
    result_ = planFromCsv(table_, fields);
    const RigPlan& plan = result_.plan;
    const int shown = std::min(int(plan.rows.size()), kPreviewRows);
    preview_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const PlanRow& row = plan.rows[std::size_t(r)];
        const bool addressed = takesAddress(row);
        const QStringList cells{
            QString::number(result_.lines[std::size_t(r)]),
            addressed ? QString::number(row.universe) : QString(),
            addressed ? QString::number(row.setting.address) : QString(),
            number(endAddress(plan, row)),
            text(row.label),
            text(fixtureName(plan, row)),
            text(modeAndOptions(row)),
            number(channelCount(plan, row)),
        };
        for (int c = 0; c < int(cells.size()); ++c)
            preview_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    problems_->clear();
    for (const std::string& problem : result_.problems)
        problems_->addItem(text(problem));
    const int rows = int(plan.rows.size());
    const std::size_t leftOut = table_.records.size() - plan.rows.size();
    summary_->setText(tr("Rows: %1. Fixture types: %2. Lines left out: %3.")
                          .arg(rows)
                          .arg(plan.types.size())
                          .arg(leftOut));
    import_->setEnabled(rows > 0);
}

} // namespace velantra::plan
