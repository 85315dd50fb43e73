#pragma once
// The spreadsheet grid of the Data page: a table widget driven the way the page drives its grid,
// by current row and column, cell text, cell colours and column widths in twips.

#include <cstdint>
#include <QTableWidget>

namespace pages {

class CMSFlexGrid : public QTableWidget {
public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void SetRows(int rows) { setRowCount(rows); }
    void SetCols(int columns) { setColumnCount(columns); }
    int Row() const { return currentRow(); }
    void SetRow(int row);
    int Col() const { return currentColumn(); }
    void SetCol(int column);
    // Text of the current cell.
    void SetText(const QString& text);
    QString TextMatrix(int row, int column) const;
    void SetTextMatrix(int row, int column, const QString& text);
    // COLORREF colours.
    void SetBackColorSel(std::int32_t color);
    void SetCellBackColor(std::int32_t color);
    void SetCellForeColor(std::int32_t color);
    // Twips; -1 the default width, 0 hides the column.
    void SetColWidth(int column, int twips);
    int ColWidth(int column) const;
    void Clear() { clearContents(); }

private:
    QTableWidgetItem* Cell(int row, int column);
    std::vector<int> widths_;
};

} // namespace pages
