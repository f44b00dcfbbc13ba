#pragma once

#include "resources/sheettable.h"

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;

namespace velantra::sheets
{

// Makes the picture of a table readable: assistive technology sees the widget that draws it as
// a table (rows, columns, headers, cells, from the rows that draw the picture), the arrow keys
// move a current cell that a screen reader reads out, and Ctrl+C copies the table as
// tab-separated text. It lives as a child of that widget, which it makes take the focus.
class SheetReader : public QObject
{
    Q_OBJECT
public:
    SheetReader(QWidget* host, const SheetTable& table);

    int rowCount() const { return int(table_.rows.size()); }
    int columnCount() const { return int(table_.columns.size()); }
    QString cell(int row, int column) const;
    QString header(int column) const;
    QString title() const;
    // Where the cell is drawn, in the host's coordinates.
    QRect cellRect(int row, int column) const;
    int currentRow() const { return row_; }
    int currentColumn() const { return column_; }
    // The headings and rows, tab-separated, one line each.
    QString tabSeparated() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(int row, int column);
    void announceCurrent();

    QWidget* host_;
    const SheetTable& table_;
    int row_ = 0, column_ = 0;
};

} // namespace velantra::sheets
