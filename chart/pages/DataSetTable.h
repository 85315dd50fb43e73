#pragma once
// The data set the Data page edits, and how it is laid out in the grid: row 0 holds the headers,
// column 0 the point numbers, column 1 the X values and columns 2.. the groups. Y is one flat array,
// point-major (point p, group g at p x groups + g).

#include "ChartModel.h"
#include "ClipboardTable.h"

#include <cstdint>
#include <QString>

namespace pages {

class DataSetTable {
public:
    std::int16_t set = 0;
    std::int32_t enable = 0;
    QString name = QStringLiteral("DATASET");
    std::int32_t type = 0; // 0 simple XY, 1 group, 2 pie
    std::int32_t points = 10;
    std::int32_t groups = 1;
    chart::DoubleArray x;
    chart::DoubleArray y;

    // Group data needs at least two groups.
    void StoreKind(std::int32_t kind);
    // Cuts the counts to the page's limits and sizes X and Y to them. Y was laid out with
    // fromGroups groups: every value keeps its point and group, new cells are 0.
    void FitArrays(int fromGroups);

    int Rows() const { return static_cast<int>(x.size()) + 1; }
    int Columns() const { return groups + 2; }
    // -1 when the cell holds no Y value.
    long long YIndex(int row, int column) const;
    QString CellText(int row, int column) const;
    // The value behind a data cell as the cell editor shows it.
    QString EditText(int row, int column) const;
    // Column widths in twips: -1 the grid's default, 0 hidden.
    int ColumnWidth(int column) const;
    static int RowNumberColumnWidth(int rows);

    // The leading number of text into the cell's value (0 when there is none). False, and nothing
    // stored, for a header cell, a cell outside the data or a grid too small to hold data;
    // otherwise cellText is the stored value as the grid shows it.
    bool StoreCellText(int row, int column, const QString& text, QString& cellText);

    // A data-set file read whole; false (nothing changed) when it cannot be read. Y columns past
    // what a set holds are left out, and `leftOut` then says which.
    bool Import(const QString& path, QString* leftOut = nullptr);
    // Every point with all its groups; an empty set writes an empty table.
    bool Export(const QString& path) const;
    // The clipboard's table; false (nothing changed) when it holds none.
    bool Paste();
    // A table read from a file or the clipboard becomes the set's values.
    void TakeTable(chart::DoubleArray newX, chart::DoubleArray newY, int rows, int newGroups);

    static QString FormatCell(double value);

private:
    QString EditText(int row, int column, const char* pattern) const;
};

} // namespace pages
