#pragma once
// The Data page: one data set at a time, its flags, name, kind and counts, and every value in a
// grid edited through the cell editor beside it; import and export as a text table and paste from
// the clipboard (Shift, Ctrl or Alt with Insert or keypad 0 in the grid).

#include "CMSFlexGrid.h"
#include "CPropertyPage.h"
#include "DataSetTable.h"

class QLineEdit;

namespace pages {

class CSDataPPg : public CPropertyPage {
public:
    explicit CSDataPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);

    DataSetTable Data;
    QString LastFilePath;

    CMSFlexGrid* Grid() const { return grid_; }
    QLineEdit* CellEditor() const { return cellEditor_; }
    bool GridReady() const { return gridReady_; }

    // Every refill shown after a load ticks the Enable box.
    void RefreshGrid(bool tickEnable = true);
    void ShowCellInEdit();
    // The cell editor's text into the current cell's value.
    void StoreCellText();
    void OnImport();
    void OnExport();
    void OnPaste();

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    void OnComboChosen(int id) override;
    void OnItemSpin(int value) override;

private:
    void FillGrid();
    void OnCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void PaintCell(int row, int column, bool current);
    bool eventFilter(QObject* watched, QEvent* event) override;

    CMSFlexGrid* grid_ = nullptr;
    QLineEdit* cellEditor_ = nullptr;
    bool gridReady_ = false;
};

} // namespace pages
