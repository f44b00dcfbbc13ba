#include "sheets/sheetreader.h"

#include "i18n/language.h"
#include "ui/accessibleleaf.h"
#include "ui/qstr.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QStringList>
#include <QWidget>
#include <numeric>

namespace velantra::sheets
{
namespace
{

class TableInterface;

// One cell: a plain object of the table's.
class CellInterface : public ui::AccessibleLeaf, public QAccessibleTableCellInterface
{
public:
    CellInterface(QAccessibleInterface* table, int row, int column)
        : AccessibleLeaf(table), row_(row), column_(column)
    {
    }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TableInterface* owner() const;
    int row_, column_;
};

class HostInterface;

// The table the host draws: a plain object, the host's last child.
class TableInterface : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    TableInterface(const HostInterface* host, const SheetReader* reader)
        : host_(host), reader_(reader)
    {
    }
    const SheetReader* reader() const { return reader_; }
    QWidget* host() const;

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* childAt(int x, int y) const override { return cells().at(x, y); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? reader_->title() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QRect first = cellAt(0, 0)->rect();
        const QRect last = cellAt(rowCount() - 1, columnCount() - 1)->rect();
        return first.united(last);
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }
    int childCount() const override { return reader_->rowCount() * reader_->columnCount(); }
    QAccessibleInterface* child(int index) const override { return cells().at(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return cells().indexOf(child);
    }
    QAccessibleInterface* focusChild() const override
    {
        return host()->hasFocus() ? cellAt(reader_->currentRow(), reader_->currentColumn())
                                  : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(row * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return reader_->header(column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return reader_->columnCount(); }
    int rowCount() const override { return reader_->rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    // Made when assistive technology first asks for a cell: a table nobody reads holds none.
    const ui::AccessibleLeaves& cells() const
    {
        if (cells_.count() == 0) {
            auto* self = const_cast<TableInterface*>(this);
            for (int r = 0; r < reader_->rowCount(); ++r) {
                for (int c = 0; c < reader_->columnCount(); ++c)
                    cells_.add(new CellInterface(self, r, c));
            }
        }
        return cells_;
    }

    const HostInterface* host_;
    const SheetReader* reader_;
    mutable ui::AccessibleLeaves cells_;
};

// The widget that draws the table keeps its role, name and description (a window, or a
// picture); the table is its last child.
class HostInterface : public QAccessibleWidget
{
public:
    HostInterface(QWidget* host, const SheetReader* reader)
        : QAccessibleWidget(host, host->isWindow() ? QAccessible::Window : QAccessible::Graphic),
          table_(QAccessible::registerAccessibleInterface(new TableInterface(this, reader)))
    {
    }
    ~HostInterface() override { QAccessible::deleteAccessibleInterface(table_); }
    QWidget* host() const { return widget(); }
    QAccessibleInterface* table() const { return QAccessible::accessibleInterface(table_); }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == QAccessibleWidget::childCount() ? table() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child == table() ? QAccessibleWidget::childCount()
                                : QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() ? table() : QAccessibleWidget::focusChild();
    }

private:
    QAccessible::Id table_;
};

QWidget* TableInterface::host() const
{
    return host_->host();
}

QWindow* TableInterface::window() const
{
    return host_->window();
}

QAccessibleInterface* TableInterface::parent() const
{
    return const_cast<HostInterface*>(host_);
}

QAccessible::State TableInterface::state() const
{
    QAccessible::State state;
    state.invisible = host_->state().invisible;
    return state;
}

const TableInterface* CellInterface::owner() const
{
    return static_cast<const TableInterface*>(parent());
}

QString CellInterface::text(QAccessible::Text t) const
{
    const SheetReader* reader = owner()->reader();
    if (t == QAccessible::Name)
        return reader->cell(row_, column_);
    if (t == QAccessible::Description)
        return reader->header(column_);
    return {};
}

QRect CellInterface::rect() const
{
    const QRect local = owner()->reader()->cellRect(row_, column_);
    return local.translated(owner()->host()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State CellInterface::state() const
{
    QAccessible::State state;
    const SheetReader* reader = owner()->reader();
    state.focusable = true;
    state.focused = owner()->host()->hasFocus() && reader->currentRow() == row_ &&
                    reader->currentColumn() == column_;
    state.invisible = owner()->state().invisible;
    return state;
}

QAccessibleInterface* tableFactory(const QString&, QObject* object)
{
    auto* reader = object->findChild<SheetReader*>(QString(), Qt::FindDirectChildrenOnly);
    return reader ? new HostInterface(static_cast<QWidget*>(object), reader) : nullptr;
}

int sumOfWidths(std::span<const int> widths, int first, int count)
{
    // Each cell with the grid line to its right.
    int sum = 0;
    for (int i = first; i < first + count; ++i)
        sum += widths[std::size_t(i)] + 1;
    return sum;
}

} // namespace

SheetReader::SheetReader(QWidget* host, const SheetTable& table)
    : QObject(host), host_(host), table_(table)
{
    static const bool installed = (QAccessible::installFactory(tableFactory), true);
    Q_UNUSED(installed);
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(host);
    if (made && !dynamic_cast<HostInterface*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    host->setFocusPolicy(Qt::StrongFocus);
    host->installEventFilter(this);
}

// Read as drawn: in the language of the run. A cell of the show list holds its colours joined by
// ", ", each a text of its own.
QString SheetReader::cell(int row, int column) const
{
    QStringList parts =
        qstr(table_.rows[std::size_t(row)][std::size_t(column)]).split(QStringLiteral(", "));
    for (QString& part : parts)
        part = i18n::translate(i18n::context::kSheets, part.toUtf8().constData());
    return parts.join(QStringLiteral(", "));
}

QString SheetReader::header(int column) const
{
    const Column& c = table_.columns[std::size_t(column)];
    QStringList words;
    for (int headingRow = 0; headingRow < int(table_.headingHeights.size()); ++headingRow) {
        for (const Heading& h : table_.headings) {
            if (h.row == headingRow && h.column <= c.first && c.first < h.column + h.columnSpan &&
                h.columnSpan >= c.span)
                words << i18n::text(i18n::context::kSheets, h.text);
        }
    }
    return words.join(u' ');
}

QString SheetReader::title() const
{
    return i18n::text(i18n::context::kSheets, table_.title);
}

QRect SheetReader::cellRect(int row, int column) const
{
    const Column& c = table_.columns[std::size_t(column)];
    const int left = 1 + sumOfWidths(table_.columnWidths, 0, c.first);
    const int width = sumOfWidths(table_.columnWidths, c.first, c.span) - 1;
    int top = 1 + (table_.title.empty() ? 0 : table_.titleHeight + 1);
    for (int height : table_.headingHeights)
        top += height + 1;
    top += (table_.emptyRows + row) * (table_.rowHeight + 1);
    return QRect(left, top, width, table_.rowHeight);
}

QString SheetReader::tabSeparated() const
{
    QStringList lines;
    if (!table_.title.empty())
        lines << title();
    QStringList headers;
    for (int c = 0; c < columnCount(); ++c)
        headers << header(c);
    lines << headers.join(u'\t');
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << cell(r, c);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

bool SheetReader::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        announceCurrent();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(tabSeparated());
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Up:
        moveTo(row_ - 1, column_);
        return true;
    case Qt::Key_Down:
        moveTo(row_ + 1, column_);
        return true;
    case Qt::Key_Left:
        moveTo(row_, column_ - 1);
        return true;
    case Qt::Key_Right:
        moveTo(row_, column_ + 1);
        return true;
    case Qt::Key_Home:
        moveTo(row_, 0);
        return true;
    case Qt::Key_End:
        moveTo(row_, columnCount() - 1);
        return true;
    default:
        return false;
    }
}

void SheetReader::moveTo(int row, int column)
{
    row_ = std::clamp(row, 0, rowCount() - 1);
    column_ = std::clamp(column, 0, columnCount() - 1);
    announceCurrent();
}

void SheetReader::announceCurrent()
{
    if (!QAccessible::isActive())
        return; // nobody to tell, and the cells stay unmade
    auto* host = dynamic_cast<HostInterface*>(QAccessible::queryAccessibleInterface(host_));
    auto* cells = host ? host->table()->tableInterface() : nullptr;
    QAccessibleInterface* current = cells ? cells->cellAt(row_, column_) : nullptr;
    if (!current)
        return;
    QAccessibleEvent focus(current, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace velantra::sheets
