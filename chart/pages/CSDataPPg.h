#pragma once
// The Data page: one data set at a time, its flags, name, kind and counts, and every value in a
// grid edited through the cell editor beside it; import and export as a text table and paste from
// the clipboard (Shift, Ctrl or Alt with Insert or keypad 0 in the grid). Stepping to another set
// keeps what was edited on this page: edited sets reach the control together when the page is
// applied, and a cancelled frame leaves every set as it was.

#include "CMSFlexGrid.h"
#include "CPropertyPage.h"
#include "DataSetTable.h"

#include <functional>
#include <map>

class QLineEdit;

namespace pages {

class CSDataPPg : public CPropertyPage {
public:
    explicit CSDataPPg(CPageExchangeTarget& target, QWidget* parent = nullptr);
    ~CSDataPPg() override;

    DataSetTable Data;
    QString LastFilePath;

    CMSFlexGrid* Grid() const { return grid_; }
    QLineEdit* CellEditor() const { return cellEditor_; }
    bool GridReady() const { return gridReady_; }

    // Throws std::bad_alloc, the grid then showing its header only, when it cannot hold the set.
    void RefreshGrid();
    void ShowCellInEdit();
    // The cell editor's text into the current cell's value.
    void StoreCellText();
    void OnImport();
    void OnExport();
    void OnPaste();

protected:
    void ExchangeValues(CPageExchangeTarget& target, int save) override;
    // What is typed in the cell editor goes into the cell it was typed for before the counts are
    // read from the dialog: they may lay the values out anew.
    void StoreFields() override;
    void OnComboChosen(int id) override;
    void OnItemSpin(int value) override;
    void OnUserChange() override { currentEdited_ = true; }

private:
    // What the dialog and the cell editor hold, into the working set, laid out for its counts.
    void StoreEdits();
    void StoreCellTextAt(int row, int column);
    void ChooseKind(int id);
    void ChooseSet(int value);
    // What the user asked for, or the page's message when the memory for it is not there.
    void Refusable(const std::function<void()>& action);
    void FillGrid();
    void OnCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void PaintCell(int row, int column, bool current);
    bool eventFilter(QObject* watched, QEvent* event) override;

    CMSFlexGrid* grid_ = nullptr;
    QLineEdit* cellEditor_ = nullptr;
    bool gridReady_ = false;
    int gridGroups_ = 1;                 // the group count the grid and Y are laid out with
    bool cellEdited_ = false;            // the cell editor holds text not yet stored
    bool currentEdited_ = false;         // the current set holds changes the control has not seen
    std::map<int, DataSetTable> edited_; // other sets changed here and not yet applied
};

} // namespace pages
