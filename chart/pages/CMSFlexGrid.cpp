#include "CMSFlexGrid.h"

#include "PageDialogs.h"

#include <QHeaderView>

namespace pages {

namespace {
constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch
}

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QTableWidgetItem* CMSFlexGrid::Cell(int row, int column) {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return nullptr;
    }
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    return cell;
}

void CMSFlexGrid::SetRow(int row) {
    setCurrentCell(row, std::max(currentColumn(), 0));
}

void CMSFlexGrid::SetCol(int column) {
    setCurrentCell(std::max(currentRow(), 0), column);
}

void CMSFlexGrid::SetText(const QString& text) {
    SetTextMatrix(currentRow(), currentColumn(), text);
}

QString CMSFlexGrid::TextMatrix(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = Cell(row, column)) {
        cell->setText(text);
    }
}

void CMSFlexGrid::SetBackColorSel(std::int32_t color) {
    QPalette p = palette();
    p.setColor(QPalette::Highlight, ColorFromRef(color));
    setPalette(p);
}

void CMSFlexGrid::SetCellBackColor(std::int32_t color) {
    if (QTableWidgetItem* cell = Cell(currentRow(), currentColumn())) {
        cell->setBackground(ColorFromRef(color));
    }
}

void CMSFlexGrid::SetCellForeColor(std::int32_t color) {
    if (QTableWidgetItem* cell = Cell(currentRow(), currentColumn())) {
        cell->setForeground(ColorFromRef(color));
    }
}

void CMSFlexGrid::SetColWidth(int column, int twips) {
    if (column < 0 || column >= columnCount()) {
        return;
    }
    if (widths_.size() <= static_cast<std::size_t>(column)) {
        widths_.resize(static_cast<std::size_t>(column) + 1, -1);
    }
    widths_[static_cast<std::size_t>(column)] = twips;
    setColumnHidden(column, twips == 0);
    if (twips > 0) {
        setColumnWidth(column, twips / kTwipsPerPixel);
    } else if (twips < 0) {
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    }
}

int CMSFlexGrid::ColWidth(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < widths_.size()
               ? widths_[static_cast<std::size_t>(column)]
               : -1;
}

} // namespace pages
