#pragma once
// The spreadsheet grid of the Data page, driven the way the page drives its grid: by current row
// and column, cell text, cell colours and column widths in twips. Cells the page has not written
// ask a cell source for their text when they are shown, so a set of a million points opens at once.

#include <cstdint>
#include <functional>
#include <memory>
#include <QTableView>
#include <unordered_map>

namespace pages {

class FlexGridModel;

class CMSFlexGrid : public QTableView {
public:
    using CellSource = std::function<QString(int row, int column)>;

    explicit CMSFlexGrid(QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    // More rows or columns than memory holds throw std::bad_alloc and leave the grid as it was.
    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int columns);
    int Row() const { return currentIndex().row(); }
    void SetRow(int row);
    int Col() const { return currentIndex().column(); }
    void SetCol(int column);
    // -1, -1 leaves no current cell; a fixed cell (row 0, column 0) never becomes current.
    void SetCurrentCell(int row, int column);
    // The height that shows this many rows whole.
    int HeightForRows(int rows) const;
    // Text of the current cell.
    void SetText(const QString& text);
    QString TextMatrix(int row, int column) const;
    void SetTextMatrix(int row, int column, const QString& text);
    // COLORREF colours.
    void SetBackColorSel(std::int32_t color);
    void SetCellBackColor(std::int32_t color);
    void SetCellForeColor(std::int32_t color);
    void SetCellColors(int row, int column, std::int32_t back, std::int32_t fore);
    QColor CellBackColor(int row, int column) const;
    // Twips; -1 the default width, 0 hides the column.
    void SetColWidth(int column, int twips);
    int ColWidth(int column) const;
    // Forgets every written cell and colour.
    void Clear();
    void SetCellSource(CellSource source);

    // Row and column of the new and the previous current cell (-1 when none).
    std::function<void(int, int, int, int)> onCurrentCellChanged;

private:
    std::unique_ptr<FlexGridModel> model_;
    std::unordered_map<int, int> widths_;
};

} // namespace pages
